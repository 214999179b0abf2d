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

// A covered card's strip reaches one and two pixels into the next card's
// cut corners; in a diagonal fan those corners lie elsewhere, so it does not
// (a pixel painted twice). What the strips show is pinned by the Win32 tests.
TEST(CardMaskStrips, CornerReachOutOnlyWhereTheNextCardsCornersAre)
{
    const struct {
        int xOffset, yOffset, x, y;
        bool covered;
    } cases[] = {{0, 12, 0, 13, true},   {0, 12, 0, 14, false},  {12, 0, 13, 0, true},  {-12, 0, 57, 0, true},
                 {0, -10, 0, 84, true},  {10, 12, 70, 12, false}, {10, 12, 10, 95, false}, {1, 12, 70, 13, true}};
    for (const auto& c : cases) {
        auto grid = Cover(CoveredCardStrips(71, 96, c.xOffset, c.yOffset), 71, 96);
        EXPECT_EQ(grid[c.y][c.x] > 0, c.covered) << c.xOffset << "," << c.yOffset << " at " << c.x << "," << c.y;
    }
}

TEST(CardStrip, CellsTakeTheirPicturesRankByRank)
{
    const int cases[][2] = {{0, 1}, {1, 14}, {2, 27}, {3, 40}, {4, 2}, {5, 15}, {47, 51}, {48, 13}, {51, 52}, {52, 53},
                            {67, 68}};
    for (const auto& c : cases)
        EXPECT_EQ(StripCellResourceId(c[0]), c[1]) << "cell " << c[0];
    std::vector<int> used(69, 0);
    for (int cell = 0; cell < stripCells; ++cell)
        ++used[StripCellResourceId(cell)];
    EXPECT_EQ(std::vector<int>(used.begin() + 1, used.end()), std::vector<int>(68, 1)) << "each resource once";
}

} // namespace
