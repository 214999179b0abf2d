#include "ui/OffscreenImage.h"

OffscreenImage::~OffscreenImage() { Release(); }

bool OffscreenImage::Create(HDC reference, int imageWidth, int imageHeight)
{
    Release();
    HBITMAP bitmap = CreateCompatibleBitmap(reference, imageWidth, imageHeight);
    if (!bitmap)
        return false;
    return Adopt(reference, bitmap);
}

bool OffscreenImage::Adopt(HDC reference, HBITMAP bitmap)
{
    Release();
    if (!bitmap)
        return false;
    surface = CreateCompatibleDC(reference);
    if (!surface) {
        DeleteObject(bitmap);
        return false;
    }
    image = bitmap;
    previousBitmap = SelectObject(surface, image);
    BITMAP info = {};
    if (GetObjectA(image, sizeof(info), &info)) {
        width = info.bmWidth;
        height = info.bmHeight;
    }
    return true;
}

void OffscreenImage::Release()
{
    if (surface) {
        SelectObject(surface, previousBitmap);
        DeleteDC(surface);
    }
    if (image)
        DeleteObject(image);
    surface = nullptr;
    image = nullptr;
    previousBitmap = nullptr;
    width = 0;
    height = 0;
}
