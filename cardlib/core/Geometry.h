#pragma once

// Pixel positions and rectangles of the card table. Right and bottom edges
// are exclusive, as the platform's.
struct Point {
    int x = 0;
    int y = 0;
};

inline bool operator==(const Point& a, const Point& b)
{
    return a.x == b.x && a.y == b.y;
}

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int px, int py) const { return left <= px && px < right && top <= py && py < bottom; }
    Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

inline Rect RectAt(int x, int y, int width, int height)
{
    return {x, y, x + width, y + height};
}

// The common part of two rectangles; an empty rectangle when they do not meet.
inline Rect Intersect(const Rect& a, const Rect& b)
{
    Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.IsEmpty())
        return Rect{};
    return r;
}

inline bool operator==(const Rect& a, const Rect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
