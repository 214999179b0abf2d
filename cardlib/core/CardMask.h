#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <array>

// The card shape: a w x h rectangle less three pixels at each corner, so a
// card looks rounded over whatever lies beneath. Every card copy, the
// empty-place picture, the drag image and the clip shields use it.
// Rectangles here are relative to the card's top-left corner.
//
// On a scaled table the corners are the unscaled ones with their pixels
// mapped from the card's own edges: the same shape for every card wherever
// it lies, whatever its device width.

// A handful of rectangles; empty ones are dropped when added.
struct RectList {
    std::array<Rect, 12> rects{};
    int count = 0;

    void Add(const Rect& rect);
    const Rect* begin() const { return rects.data(); }
    const Rect* end() const { return rects.data() + count; }
};

// How far a cut corner reaches in: the device pixels of the card's edge
// column (row), and of its two edge columns (rows). 1 and 2 unscaled.
struct CornerInsets {
    int one = 1;
    int two = 2;
};
CornerInsets CornerInsetsAt(const DisplayScale& scale);

// The shape as columns: the middle block and the four edge columns.
RectList CardMaskColumns(int width, int height, const CornerInsets& insets = {});
// The same shape as rows: the middle band and the four edge rows.
RectList CardMaskRows(int width, int height, const CornerInsets& insets = {});
// The part of the shape that lies inside a rectangle.
RectList MaskedPart(int width, int height, const Rect& part, const CornerInsets& insets = {});
// The black line a card picture carries just inside its shape: the four
// sides and the four corner steps, as thick as the edge column.
RectList CardOutline(int width, int height, const CornerInsets& insets = {});

// One block copy of a card: `to` relative to the card, its pixels from the
// same-sized block at `from` in the picture it is copied from.
struct CellCopy {
    Rect to;
    Point from;
};
struct CellCopyList {
    std::array<CellCopy, 48> copies{};
    int count = 0;

    const CellCopy* begin() const { return copies.data(); }
    const CellCopy* end() const { return copies.data() + count; }
};

// The copies that draw `rects` of a width x height card from a picture of
// cellWidth x cellHeight, which is as large or one pixel larger: a mapped
// card comes out one pixel narrower at some places than at others. The
// last `zone` columns (rows) of the card, its corners, come from the last
// ones of the picture, the rest from its start; so the corners and the
// outline stay whole and only a column of the picture's plain margin is left
// out. A card as large as its picture is copied rectangle for rectangle.
CellCopyList CellCopies(const RectList& rects, int width, int height, int cellWidth, int cellHeight, int zone);

// What a card below the top card of a fanned pile paints: the strips the
// next card leaves uncovered, with the pixels that show through the next
// card's cut corners. `card` and `next` are where the two lie (device
// pixels), the offsets the pile's own (logical); the strips are relative
// to `card`. On a scaled table the strips are as deep as the two cards'
// mapped edges lie apart, which varies by a pixel from card to card.
RectList CoveredCardStrips(const Rect& card, const Rect& next, int xOffset, int yOffset,
                           const CornerInsets& insets = {});

// The partly covered top card: the band above the cards that cover its
// lower corners, and the area below it, drawn less what covers it.
Rect TopBand(int width, int height);
Rect LowerArea(int width, int height);
