#pragma once

#include "cardlib/core/CardMask.h"
#include "cardlib/core/Geometry.h"

#include <windows.h>

// Copies of card pictures with the card corner mask: the three pixels at
// each corner are left alone, so whatever lies beneath shows there.

// The card picture of a strip cell (a card's value, or 52..67) at (x, y).
void DrawCard(HDC dc, int x, int y, int cell);
// Part of a strip cell: the masked pixels of the card that lie in `part`
// (relative to the card's top-left corner), drawn where they belong.
void DrawCardPart(HDC dc, int x, int y, int cell, const Rect& part);
// Rectangles of a strip cell (relative to the card), each drawn where it belongs.
void DrawCardRects(HDC dc, int x, int y, int cell, const RectList& rects);
// A w x h picture at the source's (0, 0), masked, to (x, y).
void DrawMasked(HDC dc, int x, int y, HDC source, int w, int h);
// Removes the card shape of w x h at (x, y) from the context's clip.
void ExcludeCardShape(HDC dc, int x, int y, int w, int h);
