#include "tests/win32/support/MemorySurface.h"

MemorySurface::MemorySurface(int surfaceWidth, int surfaceHeight) : width(surfaceWidth), height(surfaceHeight)
{
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    void* pixels = nullptr;
    bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    ReleaseDC(nullptr, screen);
    bits = static_cast<std::uint32_t*>(pixels);
    previousBitmap = SelectObject(dc, bitmap);
}

namespace {

SIZE ClientSize(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

} // namespace

MemorySurface::MemorySurface(HWND window) : MemorySurface(ClientSize(window).cx, ClientSize(window).cy)
{
    HDC source = GetDC(window);
    BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
    ReleaseDC(window, source);
}

MemorySurface::~MemorySurface()
{
    SelectObject(dc, previousBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

COLORREF MemorySurface::Pixel(int x, int y) const
{
    GdiFlush();
    if (x < 0 || y < 0 || x >= width || y >= height)
        return CLR_INVALID;
    const std::uint32_t argb = bits[y * width + x];
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

void MemorySurface::Fill(COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all = {0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

int MemorySurface::CountDifferences(const MemorySurface& other) const
{
    GdiFlush();
    int differences = 0;
    for (int y = 0; y < height && y < other.height; ++y)
        for (int x = 0; x < width && x < other.width; ++x)
            differences += (bits[y * width + x] & 0xFFFFFF) != (other.bits[y * other.width + x] & 0xFFFFFF);
    return differences;
}

int MemorySurface::CountOf(COLORREF colour, int left, int top, int right, int bottom) const
{
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            count += Pixel(x, y) == colour ? 1 : 0;
    return count;
}
