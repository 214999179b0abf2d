#include "cardlib/core/RegionLayout.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Which card along one axis a point hits, counted from the bottom card.
int IndexAlongAxis(int relative, int offset, int extent, int cardExtent, int count)
{
    if (offset > 0)
        return relative < extent - cardExtent ? relative / offset : count - 1;
    if (offset < 0)
        return relative >= cardExtent ? (relative - cardExtent) / offset + count - 2 : count - 1;
    return count - 1;
}

} // namespace

void RegionLayout::Update()
{
    if (count < 1) {
        width = cardWidth;
        height = cardHeight;
        return;
    }
    width = cardWidth + std::abs(xOffset) * (count - 1);
    height = cardHeight + std::abs(yOffset) * (count - 1);
}

Rect RegionLayout::BoundingBox() const
{
    int left = x;
    int top = y;
    if (count > 1 && xOffset < 0)
        left += (count - 1) * xOffset;
    if (count > 1 && yOffset < 0)
        top += (count - 1) * yOffset;
    return RectAt(left, top, width, height);
}

Point RegionLayout::CardPosition(int index) const
{
    return {x + index * xOffset, y + index * yOffset};
}

bool RegionLayout::Contains(int px, int py) const
{
    return BoundingBox().Contains(px, py);
}

bool RegionLayout::BoxIsCardShape() const
{
    if (count < 2 || (xOffset == 0 && yOffset == 0))
        return true;
    if (xOffset != 0 && yOffset != 0)
        return false;
    int step = std::abs(xOffset != 0 ? xOffset : yOffset);
    int extent = xOffset != 0 ? cardWidth : cardHeight;
    return step >= 2 && step <= extent - 4;
}

int RegionLayout::CountUnderPoint(int px, int py) const
{
    if (count < 1)
        return 0;
    Rect box = BoundingBox();
    int column = IndexAlongAxis(px - box.left, xOffset, width, cardWidth, count);
    int row = IndexAlongAxis(py - box.top, yOffset, height, cardHeight, count);
    int index = column < row ? column : row;
    if (index > count)
        index = 1;
    // A point before the box would reach below the bottom card; the whole
    // pile is the most a press can take.
    if (index < 0)
        index = 0;
    return count - index;
}

int RegionLayout::OverlapPercent(int left, int top, int rectWidth, int rectHeight) const
{
    Rect region = RectAt(x, y, width, height);
    Rect common = Intersect(RectAt(left, top, rectWidth, rectHeight), region);
    std::int64_t area = static_cast<std::int64_t>(width) * height;
    if (common.IsEmpty() || area <= 0)
        return 0;
    std::int64_t covered = static_cast<std::int64_t>(common.Width()) * common.Height();
    std::int64_t scaled = covered * 65536 / area;
    return static_cast<int>(scaled * 100 / 65536);
}
