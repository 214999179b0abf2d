#include "cardlib/core/DragGeometry.h"

#include <algorithm>

namespace {
int Magnitude(int value)
{
    return value < 0 ? -value : value;
}
} // namespace

DragSize DragImageSize(int count, int xOffset, int yOffset, int cardWidth, int cardHeight)
{
    return {Magnitude(xOffset) * (count - 1) + cardWidth, Magnitude(yOffset) * (count - 1) + cardHeight};
}

Point GrabOffset(int pressX, int pressY, int regionX, int regionY, int xOffset, int yOffset,
                     int cardCount, int dragCount)
{
    const int below = cardCount - dragCount;
    Point grab{pressX - xOffset * below - regionX, pressY - yOffset * below - regionY};
    // With a negative offset the image starts at the top taken card.
    if (xOffset < 0)
        grab.x -= (dragCount - 1) * xOffset;
    if (yOffset < 0)
        grab.y -= (dragCount - 1) * yOffset;
    return grab;
}

Point RegionOriginInImage(int count, int stayCount, int xOffset, int yOffset)
{
    return {xOffset >= 0 ? -xOffset * stayCount : -(count + stayCount - 1) * xOffset,
            yOffset >= 0 ? -yOffset * stayCount : -(count + stayCount - 1) * yOffset};
}

Point TakenCardPosition(int index, int count, int xOffset, int yOffset)
{
    return {xOffset >= 0 ? xOffset * index : -(count - 1 - index) * xOffset,
            yOffset >= 0 ? yOffset * index : -(count - 1 - index) * yOffset};
}

bool SharedBackgroundBlock(const Rect& from, const Rect& to, BlockCopy& block)
{
    const Rect shared = Intersect(from, to);
    if (shared.IsEmpty())
        return false;
    block = {shared.left - from.left, shared.top - from.top, shared.left - to.left, shared.top - to.top,
             shared.Width(), shared.Height()};
    return true;
}

BlockCopy WindowCopyIntoImage(Point to, DragSize image)
{
    const int skipX = to.x < 0 ? -to.x : 0;
    const int skipY = to.y < 0 ? -to.y : 0;
    BlockCopy copy;
    copy.sourceX = to.x + skipX;
    copy.sourceY = to.y + skipY;
    copy.destinationX = skipX;
    copy.destinationY = skipY;
    copy.width = std::max(0, image.width - skipX);
    copy.height = std::max(0, image.height - skipY);
    return copy;
}

void DropTargetChooser::Consider(int index, bool visible, int score)
{
    if (visible && score > best) {
        best = score;
        chosen = index;
    }
}
