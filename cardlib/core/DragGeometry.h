#pragma once

#include "cardlib/core/Geometry.h"

// The arithmetic of dragging cards out of a fanned pile: how big the picture
// of the taken cards is, where everything lies inside it, and which blocks a
// drag step copies. Positions are client pixels of the card window unless
// they say they are inside the drag image.

struct DragSize {
    int width = 0;
    int height = 0;
};

inline bool operator==(DragSize a, DragSize b) { return a.width == b.width && a.height == b.height; }

// A width × height block copied from (sourceX, sourceY) to (destinationX,
// destinationY). An empty block (width or height 0) copies nothing.
struct BlockCopy {
    int sourceX = 0;
    int sourceY = 0;
    int destinationX = 0;
    int destinationY = 0;
    int width = 0;
    int height = 0;

    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

inline bool operator==(const BlockCopy& a, const BlockCopy& b)
{
    return a.sourceX == b.sourceX && a.sourceY == b.sourceY && a.destinationX == b.destinationX &&
           a.destinationY == b.destinationY && a.width == b.width && a.height == b.height;
}

// Size of the picture of `count` fanned cards.
DragSize DragImageSize(int count, int xOffset, int yOffset, int cardWidth, int cardHeight);

// The pointer's place relative to the drag image's top-left corner when the
// top `dragCount` of `cardCount` cards of the region at (regionX, regionY)
// are taken with a press at (pressX, pressY).
Point GrabOffset(int pressX, int pressY, int regionX, int regionY, int xOffset, int yOffset,
                     int cardCount, int dragCount);

// The region's origin (its bottom card's corner) inside the drag image of
// `count` taken cards when `stayCount` cards stay behind. Usually negative:
// the staying cards lie above and to the left of the image.
Point RegionOriginInImage(int count, int stayCount, int xOffset, int yOffset);

// Taken card `index` (0 = the lowest taken) of `count`, inside the drag image.
Point TakenCardPosition(int index, int count, int xOffset, int yOffset);

// When the drag image moves from the rectangle `from` to `to` (device
// pixels; on a scaled table the two may differ in size by a pixel), the part
// of the saved background that both places share: a block inside that
// picture, moved from where it lay relative to the old place to where it
// lies relative to the new one. False (and `block` untouched) when the two
// places do not overlap.
bool SharedBackgroundBlock(const Rect& from, const Rect& to, BlockCopy& block);

// The copy of the window's pixels under a drag image at `to` into that
// picture, left without the part at negative window coordinates (which a
// window cannot give). Source is the window, destination the picture.
BlockCopy WindowCopyIntoImage(Point to, DragSize image);

// Chooses the region a dragged rectangle is dropped on. Offer the regions in
// creation order; the one with the highest score wins, a later one only with
// a score strictly higher than every earlier one, so a tie goes to the
// earliest. Invisible regions and scores of 0 never win.
class DropTargetChooser {
public:
    void Consider(int index, bool visible, int score);
    // The winning index, or -1 when no region qualified.
    int Chosen() const { return chosen; }

private:
    int best = 0;
    int chosen = -1;
};
