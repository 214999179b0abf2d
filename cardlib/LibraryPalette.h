#pragma once

#include "cardlib/core/Colour.h"
#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <windows.h>

// The library palette and the small fills the window, the buttons and the
// region drawing share. The library hands FillSolid and FillPattern
// palette-relative colours; the game's own windows plain ones.

// A palette of the ten library entries for a table colour; the caller owns it.
HPALETTE BuildPalette(Colour background);
HPALETTE MakePalette(const Colour* colours, int count);
// Selects and realises libraryPalette; yields the palette it replaced.
HPALETTE SelectLibraryPalette(HDC dc);
void RestorePalette(HDC dc, HPALETTE previous);

// A solid fill through the text call, so no brush is made.
void FillSolid(HDC dc, const RECT& rect, COLORREF colour);
// A one-pixel checkerboard: colour1 where (x - left) + (y - top) is even.
void FillPattern(HDC dc, const RECT& rect, COLORREF colour0, COLORREF colour1);
// Paints the engraved picture of an empty place of a width x height card
// into a new bitmap as large as such a card comes out anywhere at the scale,
// left selected into surface; the caller owns the bitmap.
HBITMAP MakeEmptyPlaceImage(HDC reference, HDC surface, Colour colour, int width, int height,
                            const DisplayScale& scale);

// Keeps libraryPalette selected into a context for one drawing operation.
class ScopedLibraryPalette {
public:
    explicit ScopedLibraryPalette(HDC context) : dc(context), previous(SelectLibraryPalette(context)) {}
    ~ScopedLibraryPalette() { RestorePalette(dc, previous); }
    ScopedLibraryPalette(const ScopedLibraryPalette&) = delete;
    ScopedLibraryPalette& operator=(const ScopedLibraryPalette&) = delete;

private:
    HDC dc = nullptr;
    HPALETTE previous = nullptr;
};
