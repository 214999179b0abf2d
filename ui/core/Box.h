#pragma once

// A rectangle of pixels, left and top inside, right and bottom outside, as
// the platform's RECT. The screens and child windows are laid out in these.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }

    // From a corner and a size, the way block copies are given.
    static Box At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }
};

inline bool operator==(const Box& a, const Box& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator!=(const Box& a, const Box& b) { return !(a == b); }

struct PixelPoint {
    int x = 0;
    int y = 0;
};

inline bool operator==(const PixelPoint& a, const PixelPoint& b) { return a.x == b.x && a.y == b.y; }
