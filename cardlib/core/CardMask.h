#pragma once

#include "cardlib/core/Geometry.h"

#include <array>

// The card shape: a w x h rectangle less three pixels at each corner, so a
// card looks rounded over whatever lies beneath. Every card copy, the
// empty-place picture, the drag image and the clip shields use it.
// Rectangles here are relative to the card's top-left corner.

// A handful of rectangles; empty ones are dropped when added.
struct RectList {
    std::array<Rect, 12> rects{};
    int count = 0;

    void Add(const Rect& rect);
    const Rect* begin() const { return rects.data(); }
    const Rect* end() const { return rects.data() + count; }
};

// The shape as columns: the middle block and the four edge columns.
RectList CardMaskColumns(int width, int height);
// The same shape as rows: the middle band and the four edge rows.
RectList CardMaskRows(int width, int height);
// The part of the shape that lies inside a rectangle.
RectList MaskedPart(int width, int height, const Rect& part);

// What a card below the top card of a fanned pile paints: the strips the
// next card leaves uncovered, with the pixels that show through the next
// card's cut corners.
RectList CoveredCardStrips(int width, int height, int xOffset, int yOffset);

// The partly covered top card: the band above the cards that cover its
// lower corners, and the area below it, drawn less what covers it.
Rect TopBand(int width, int height);
Rect LowerArea(int width, int height);
