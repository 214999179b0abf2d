#include "cardlib/LibraryPalette.h"

#include "cardlib/CardLibrary.h"

#include <cstddef>

HPALETTE BuildPalette(Colour background)
{
    auto entries = PaletteEntries(background);
    return MakePalette(entries.data(), static_cast<int>(entries.size()));
}

HPALETTE MakePalette(const Colour* colours, int count)
{
    if (count < 1 || count > 256)
        return nullptr;
    std::size_t bytes = offsetof(LOGPALETTE, palPalEntry) + sizeof(PALETTEENTRY) * static_cast<std::size_t>(count);
    auto* block = static_cast<LOGPALETTE*>(HeapAlloc(GetProcessHeap(), 0, bytes));
    if (!block)
        return nullptr;
    block->palVersion = 0x300;
    block->palNumEntries = static_cast<WORD>(count);
    // The entries run past the one-element array the header declares.
    PALETTEENTRY* entry = block->palPalEntry;
    for (int i = 0; i < count; ++i) {
        entry[i].peRed = static_cast<BYTE>(RedOf(colours[i]));
        entry[i].peGreen = static_cast<BYTE>(GreenOf(colours[i]));
        entry[i].peBlue = static_cast<BYTE>(BlueOf(colours[i]));
        entry[i].peFlags = 0;
    }
    HPALETTE palette = CreatePalette(block);
    HeapFree(GetProcessHeap(), 0, block);
    return palette;
}

HPALETTE SelectLibraryPalette(HDC dc)
{
    HPALETTE previous = SelectPalette(dc, libraryPalette.Get(), FALSE);
    RealizePalette(dc);
    return previous;
}

void RestorePalette(HDC dc, HPALETTE previous)
{
    if (previous)
        SelectPalette(dc, previous, TRUE);
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour)
{
    COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
    SetBkColor(dc, previous);
}

void FillPattern(HDC dc, const RECT& rect, COLORREF colour0, COLORREF colour1)
{
    // Rows of 0xAA and 0x55, two bytes each: the top-left pixel is a 1 bit.
    static const WORD rows[8] = {0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555};
    GdiObject<HBITMAP> bits(CreateBitmap(8, 8, 1, 1, rows));
    GdiObject<HBRUSH> brush(CreatePatternBrush(bits.Get()));
    POINT previousOrigin = {0, 0};
    SetBrushOrgEx(dc, rect.left, rect.top, &previousOrigin);
    COLORREF previousText = SetTextColor(dc, colour0);
    COLORREF previousBack = SetBkColor(dc, colour1);
    {
        ScopedSelect selected(dc, brush.Get());
        PatBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATCOPY);
    }
    SetBkColor(dc, previousBack);
    SetTextColor(dc, previousText);
    SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
}

HBITMAP MakeEmptyPlaceImage(HDC reference, HDC surface, Colour colour, int w, int h, const DisplayScale& scale)
{
    const int width = scale.WidestLength(w), height = scale.WidestLength(h);
    HBITMAP image = CreateCompatibleBitmap(reference, width, height);
    if (!image)
        return nullptr;
    SelectObject(surface, image);
    // Each unscaled pixel of the engraving becomes the block its edges map
    // to, counted from the picture's nearer edges, so all four corners keep
    // their shape; the inside stays a checkerboard of single pixels.
    const auto across = [&](int x) { return x <= w / 2 ? scale.ToDevice(x) : width - scale.ToDevice(w - x); };
    const auto down = [&](int y) { return y <= h / 2 ? scale.ToDevice(y) : height - scale.ToDevice(h - y); };
    const auto fill = [&](const Rect& r, Colour shade) {
        FillSolid(surface, RECT{across(r.left), down(r.top), across(r.right), down(r.bottom)}, PaletteRelative(shade));
    };
    Colour light = 0, dark = 0, midDark = 0;
    Shades(colour, &light, nullptr, &dark, &midDark);
    FillSolid(surface, RECT{0, 0, width, height}, PaletteRelative(colour));
    for (const Rect& r : {Rect{2, 0, w - 2, 1}, Rect{w - 2, 1, w - 1, 2}, Rect{0, 2, 1, h - 2}, Rect{1, 1, 2, 2}})
        fill(r, dark);
    for (const Rect& r : {Rect{w - 1, 2, w, h - 2}, Rect{w - 2, h - 2, w - 1, h - 1}, Rect{2, h - 1, w - 2, h},
                          Rect{1, h - 2, 2, h - 1}})
        fill(r, midDark);
    fill({w - 2, 3, w - 1, h - 2}, light);
    fill({4, h - 2, w - 2, h - 1}, light);
    FillPattern(surface, RECT{across(2), down(2), across(w - 2), down(h - 2)}, PaletteRelative(colour),
                PaletteRelative(light));
    fill({2, 2, 3, 3}, colour);
    return image;
}
