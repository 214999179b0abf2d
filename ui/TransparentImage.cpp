#include "ui/TransparentImage.h"

#include "cardlib/GdiHolders.h"

void DrawTransparent(HDC context, int x, int y, int width, int height, HBITMAP image, int sourceX, int sourceY,
                     COLORREF key)
{
    MemoryContext mask(context);
    MemoryContext copy(context);
    MemoryContext source(context);
    GdiObject<HBITMAP> copyImage(CreateCompatibleBitmap(context, width, height));
    GdiObject<HBITMAP> maskImage(CreateBitmap(width, height, 1, 1, nullptr));
    if (!mask.Get() || !copy.Get() || !source.Get() || !copyImage || !maskImage)
        return;
    ScopedSelect copySelected(copy.Get(), copyImage.Get());
    ScopedSelect sourceSelected(source.Get(), image);
    BitBlt(copy.Get(), 0, 0, width, height, source.Get(), sourceX, sourceY, SRCCOPY);

    // The mask is 1 where the picture has the key colour.
    ScopedSelect maskSelected(mask.Get(), maskImage.Get());
    SetBkColor(copy.Get(), key);
    BitBlt(mask.Get(), 0, 0, width, height, copy.Get(), 0, 0, SRCCOPY);

    // Black out the key pixels of the copy ...
    SetBkColor(copy.Get(), RGB(0, 0, 0));
    SetTextColor(copy.Get(), RGB(255, 255, 255));
    BitBlt(copy.Get(), 0, 0, width, height, mask.Get(), 0, 0, SRCAND);

    // ... and the picture's own pixels of the destination, then combine.
    COLORREF previousBack = SetBkColor(context, RGB(255, 255, 255));
    COLORREF previousText = SetTextColor(context, RGB(0, 0, 0));
    BitBlt(context, x, y, width, height, mask.Get(), 0, 0, SRCAND);
    BitBlt(context, x, y, width, height, copy.Get(), 0, 0, SRCPAINT);
    SetBkColor(context, previousBack);
    SetTextColor(context, previousText);
}
