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

namespace {

// Draws a polyline with a solid one-pixel pen, from the current position.
void LinesWith(HDC dc, Colour colour, const POINT* points, int count)
{
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, PaletteRelative(colour)));
    ScopedSelect selected(dc, pen.Get());
    for (int i = 0; i < count; ++i)
        LineTo(dc, points[i].x, points[i].y);
}

void DrawEngravedOutline(HDC dc, Colour colour, int w, int h)
{
    Colour light = 0;
    Colour dark = 0;
    Colour midDark = 0;
    Shades(colour, &light, nullptr, &dark, &midDark);
    const POINT topEdge[] = {{w - 3, 0}, {w - 1, 2}};
    const POINT rightAndBottom[] = {{w - 1, h - 3}, {w - 3, h - 1}, {2, h - 1}, {0, h - 3}};
    const POINT leftEdge[] = {{0, 2}, {2, 0}};
    MoveToEx(dc, 2, 0, nullptr);
    LinesWith(dc, dark, topEdge, 2);
    LinesWith(dc, midDark, rightAndBottom, 4);
    LinesWith(dc, dark, leftEdge, 2);
    const POINT innerRight[] = {{w - 2, h - 2}};
    const POINT innerBottom[] = {{3, h - 2}};
    MoveToEx(dc, w - 2, 3, nullptr);
    LinesWith(dc, light, innerRight, 1);
    MoveToEx(dc, w - 3, h - 2, nullptr);
    LinesWith(dc, light, innerBottom, 1);
}

} // namespace

HBITMAP MakeEmptyPlaceImage(HDC reference, HDC surface, Colour colour, int w, int h)
{
    HBITMAP image = CreateCompatibleBitmap(reference, w, h);
    if (!image)
        return nullptr;
    SelectObject(surface, image);
    Colour light = 0;
    Shades(colour, &light, nullptr, nullptr, nullptr);
    FillSolid(surface, RECT{0, 0, w, h}, PaletteRelative(colour));
    DrawEngravedOutline(surface, colour, w, h);
    FillPattern(surface, RECT{2, 2, w - 2, h - 2}, PaletteRelative(colour), PaletteRelative(light));
    SetPixel(surface, 2, 2, PaletteRelative(colour));
    return image;
}
