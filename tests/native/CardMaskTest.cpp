#include "cardlib/core/CardMask.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// How many of the rectangles cover each pixel of a w x h grid.
std::vector<std::vector<int>> Cover(const RectList& rects, int w, int h)
{
    std::vector<std::vector<int>> grid(h, std::vector<int>(w, 0));
    for (const Rect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (x >= 0 && y >= 0 && x < w && y < h)
                    grid[y][x] += 1;
    return grid;
}

// The card shape: the rectangle less three pixels at each corner.
bool InCardShape(int x, int y, int w, int h)
{
    int fromSide = x < w - 1 - x ? x : w - 1 - x;
    int fromEdge = y < h - 1 - y ? y : h - 1 - y;
    return fromSide + fromEdge >= 2;
}

void ExpectCardShapeOnce(const RectList& list, int w, int h)
{
    auto grid = Cover(list, w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(grid[y][x], InCardShape(x, y, w, h) ? 1 : 0) << w << "x" << h << " at " << x << "," << y;
}

TEST(CardMaskShape, ColumnsRowsAndTheTwoBandsCoverTheCardShapeOnce)
{
    for (auto size : {std::pair<int, int>{71, 96}, {8, 6}}) {
        for (const RectList& list : {CardMaskColumns(size.first, size.second), CardMaskRows(size.first, size.second)}) {
            EXPECT_EQ(list.count, 5);
            ExpectCardShapeOnce(list, size.first, size.second);
        }
    }
    EXPECT_EQ(TopBand(71, 96), (Rect{0, 0, 71, 32}));
    EXPECT_EQ(LowerArea(71, 97), (Rect{0, 32, 71, 97})) << "no row is lost when the height is not a multiple of 3";
    RectList both;
    for (const Rect& part : {TopBand(71, 96), LowerArea(71, 96)})
        for (const Rect& r : MaskedPart(71, 96, part))
            both.Add(r);
    ExpectCardShapeOnce(both, 71, 96);
}

} // namespace
