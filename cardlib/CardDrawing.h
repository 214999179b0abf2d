#pragma once

#include "cardlib/core/CardMask.h"
#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <windows.h>

// Copies of card pictures with the card corner mask: the pixels of each cut
// corner are left alone, so whatever lies beneath shows there. Positions
// and sizes are logical; each copy covers the device rectangle they map to
// at `scale`, whose strip cells and pictures are WidestLength of the
// logical size (a card mapped one pixel narrower leaves out a column of
// its picture's margin, never of its corners).

// The card picture of a strip cell (a card's value, or 52..67) at (x, y).
void DrawCard(HDC dc, int x, int y, int cell, const DisplayScale& scale = {});
// Rectangles of a strip cell, relative to the card's device rectangle
// `card`, each drawn where it belongs.
void DrawCardRects(HDC dc, const Rect& card, int cell, const RectList& rects, const DisplayScale& scale = {});
// A w x h picture at the source's (0, 0), masked, to (x, y).
void DrawMasked(HDC dc, int x, int y, HDC source, int w, int h, const DisplayScale& scale = {});
// Removes the card shape of w x h at (x, y) from the context's clip.
void ExcludeCardShape(HDC dc, int x, int y, int w, int h, const DisplayScale& scale = {});
