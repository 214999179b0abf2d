#pragma once

#include <windows.h>

#include <cstdint>

// A 32-bit top-down DIB selected into a memory drawing context: something to
// paint into and read back pixel by pixel without a screen.
class MemorySurface {
public:
    MemorySurface(int width, int height);
    // What the window's client area shows on the display now.
    explicit MemorySurface(HWND window);
    ~MemorySurface();
    MemorySurface(const MemorySurface&) = delete;
    MemorySurface& operator=(const MemorySurface&) = delete;

    HDC Context() const { return dc; }
    int Width() const { return width; }
    int Height() const { return height; }

    // The pixel as a COLORREF (0x00BBGGRR), CLR_INVALID outside; flushes GDI first.
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF colour);
    // Number of pixels that differ from the other surface.
    int CountDifferences(const MemorySurface& other) const;
    // Number of pixels of the colour in [left, right) x [top, bottom).
    int CountOf(COLORREF colour, int left, int top, int right, int bottom) const;

private:
    int width = 0;
    int height = 0;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    std::uint32_t* bits = nullptr;
};
