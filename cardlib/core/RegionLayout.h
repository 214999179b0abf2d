#pragma once

#include "cardlib/core/Geometry.h"

// The geometry of one card region: where its cards lie, what a point on it
// hits, how much of it a dragged rectangle covers. A plain value so the
// arithmetic can be checked without a window.
struct RegionLayout {
    int x = 0;          // top-left corner of the bottom card
    int y = 0;
    int xOffset = 0;    // from one card to the next one above it
    int yOffset = 0;
    int count = 0;      // cards held
    int width = 0;      // bounding box size as last laid out
    int height = 0;
    int cardWidth = 0;
    int cardHeight = 0;

    // Sets width and height for the current count: one card when empty,
    // else one card plus the fanned offsets.
    void Update();
    // The bounding box: shifted left or up from (x, y) for negative offsets.
    Rect BoundingBox() const;
    // Top-left corner of card i, 0 = bottom.
    Point CardPosition(int index) const;
    bool Contains(int px, int py) const;
    // Whether the rounded bounding box is exactly the cards' own shapes, so
    // one shield covers the pile: a fan along one axis whose cards overlap
    // far enough to hide each other's cut corners. Otherwise (diagonal fans,
    // steps of 1 or of nearly a card) each card is shielded by itself.
    bool BoxIsCardShape() const;
    // How many cards, from the one under the point up to the top card, a
    // press there takes hold of; 0 for an empty region.
    int CountUnderPoint(int px, int py) const;
    // Whole percentage (0..100) of the region's own area, anchored at
    // (x, y), that the rectangle covers. 64-bit so no window size overflows.
    int OverlapPercent(int left, int top, int rectWidth, int rectHeight) const;
};
