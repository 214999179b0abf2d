#include "cardlib/PictureDrawing.h"

bool DrawPicture(HDC dc, int x, int y, const Picture& picture)
{
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
        return false;
    // 32 bits a pixel hold 0x00RRGGBB exactly as a picture's pixels do.
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return StretchDIBits(dc, x, y, picture.width, picture.height, 0, 0, picture.width, picture.height,
                         picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY) == picture.height;
}
