#pragma once

#include <windows.h>

// A picture kept off the screen: a memory drawing context with a bitmap
// selected into it, both released together (the context's own bitmap is put
// back first). Used for the countdown's gradient, the panels' picture and
// the screens' snapshot and rendered screen.
class OffscreenImage {
public:
    OffscreenImage() = default;
    ~OffscreenImage();
    OffscreenImage(const OffscreenImage&) = delete;
    OffscreenImage& operator=(const OffscreenImage&) = delete;

    // A new blank picture of the given size, compatible with `reference`.
    bool Create(HDC reference, int width, int height);
    // Takes ownership of a loaded bitmap; false (and the bitmap deleted) when
    // no context can hold it.
    bool Adopt(HDC reference, HBITMAP bitmap);
    void Release();

    bool IsMade() const { return surface != nullptr; }
    HDC Context() const { return surface; }
    HBITMAP Bitmap() const { return image; }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    HDC surface = nullptr;
    HBITMAP image = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    int width = 0;
    int height = 0;
};
