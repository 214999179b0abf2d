#include "cardlib/core/CardMask.h"
#include "cardlib/core/CardText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The pixels a list of rectangles covers, as a w x h grid of 0 and 1.
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

bool InCardShape(int x, int y, int w, int h)
{
    int fromSide = x < w - 1 - x ? x : w - 1 - x;
    int fromEdge = y < h - 1 - y ? y : h - 1 - y;
    return fromSide + fromEdge >= 2;
}

TEST(CardMaskShape, ColumnsAndRowsCoverTheCardLessThreePixelsPerCorner)
{
    for (auto size : {std::pair<int, int>{71, 96}, {8, 6}}) {
        int w = size.first, h = size.second;
        for (const RectList& list : {CardMaskColumns(w, h), CardMaskRows(w, h)}) {
            EXPECT_EQ(list.count, 5);
            auto grid = Cover(list, w, h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    ASSERT_EQ(grid[y][x], InCardShape(x, y, w, h) ? 1 : 0) << w << "x" << h << " " << x << "," << y;
        }
    }
}

TEST(CardMaskStrips, TopStripReachesIntoTheNextCardsCorners)
{
    // Offsets (0, 12): the strip is 12 rows, the corner columns reach one and
    // two rows further, where the next card's corners are cut away.
    auto grid = Cover(CoveredCardStrips(71, 96, 0, 12), 71, 96);
    struct Case {
        int x, lastRow;
        int firstRow;
    };
    const Case cases[] = {{0, 13, 2}, {1, 12, 1}, {2, 11, 0}, {35, 11, 0}, {68, 11, 0}, {69, 12, 1}, {70, 13, 2}};
    for (const Case& c : cases)
        for (int y = 0; y < 96; ++y)
            ASSERT_EQ(grid[y][c.x] > 0, y >= c.firstRow && y <= c.lastRow) << c.x << "," << y;
}

TEST(CardMaskStrips, LeftRightAndBottomStripsMirror)
{
    struct Case {
        int xOffset, yOffset;
        int x, y;
        bool covered;
    };
    const Case cases[] = {
        // Left strip of 12 columns.
        {12, 0, 11, 50, true}, {12, 0, 12, 50, false}, {12, 0, 12, 1, true},  {12, 0, 13, 1, false},
        {12, 0, 13, 0, true},  {12, 0, 14, 0, false},  {12, 0, 0, 1, false},  {12, 0, 1, 0, false},
        // Right strip (negative x offset).
        {-12, 0, 59, 50, true}, {-12, 0, 58, 50, false}, {-12, 0, 57, 0, true}, {-12, 0, 56, 0, false},
        {-12, 0, 70, 1, false},
        // Bottom strip (negative y offset).
        {0, -10, 35, 86, true}, {0, -10, 35, 85, false}, {0, -10, 0, 84, true}, {0, -10, 0, 83, false},
        {0, -10, 0, 94, false},
    };
    for (const Case& c : cases) {
        auto grid = Cover(CoveredCardStrips(71, 96, c.xOffset, c.yOffset), 71, 96);
        EXPECT_EQ(grid[c.y][c.x] > 0, c.covered) << c.xOffset << "," << c.yOffset << " at " << c.x << "," << c.y;
    }
}

TEST(CardMaskStrips, DiagonalFansLeaveTheCornerReachOut)
{
    struct Case {
        int xOffset, yOffset;
        int x, y;
        bool covered;
    };
    const Case cases[] = {
        {10, 12, 0, 12, true},  {10, 12, 0, 13, true},  {10, 12, 70, 12, false}, {10, 12, 70, 11, true},
        {10, 12, 69, 12, false}, {10, 12, 9, 95, true},   {10, 12, 10, 95, false}, {10, 12, 11, 95, false},
        // One-pixel offsets keep the reach-out.
        {1, 12, 70, 13, true},  {1, 12, 70, 14, false}, {12, 0, 13, 95, true},
    };
    for (const Case& c : cases) {
        auto grid = Cover(CoveredCardStrips(71, 96, c.xOffset, c.yOffset), 71, 96);
        EXPECT_EQ(grid[c.y][c.x] > 0, c.covered) << c.xOffset << "," << c.yOffset << " at " << c.x << "," << c.y;
    }
    EXPECT_EQ(CoveredCardStrips(71, 96, 0, 0).count, 0);
}

TEST(CardMaskBands, PartlyCoveredTopCardSplitsIntoBandAndLowerArea)
{
    EXPECT_EQ(TopBand(71, 96), (Rect{0, 0, 71, 32}));
    EXPECT_EQ(LowerArea(71, 96), (Rect{0, 32, 71, 96}));
    EXPECT_EQ(LowerArea(71, 97), (Rect{0, 32, 71, 97})) << "no row is lost when the height is not a multiple of 3";
    // Together, masked, they are the card shape exactly once.
    RectList all;
    for (const Rect& part : {TopBand(71, 96), LowerArea(71, 96)})
        for (const Rect& r : MaskedPart(71, 96, part))
            all.Add(r);
    auto grid = Cover(all, 71, 96);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x)
            ASSERT_EQ(grid[y][x], InCardShape(x, y, 71, 96) ? 1 : 0) << x << "," << y;
}

TEST(CardStrip, CellsTakeTheirPicturesRankByRank)
{
    const int cases[][2] = {{0, 1},  {1, 14}, {2, 27}, {3, 40}, {4, 2},  {5, 15},
                            {47, 51}, {48, 13}, {51, 52}, {52, 53}, {67, 68}};
    for (const auto& c : cases)
        EXPECT_EQ(StripCellResourceId(c[0]), c[1]) << "cell " << c[0];
    std::vector<int> used(69, 0);
    for (int cell = 0; cell < stripCells; ++cell)
        ++used[StripCellResourceId(cell)];
    for (int id = 1; id <= 68; ++id)
        EXPECT_EQ(used[id], 1) << "resource " << id;
}

TEST(CardTextForm, CardsStacksAndRegions)
{
    CardStack stack = ParseStack("AC 10H  QS x 2D");
    EXPECT_EQ(stack.Count(), 4) << "words that are no card are skipped";
    EXPECT_EQ(StackText(stack), "AC 10H QS 2D");
    EXPECT_EQ(stack.At(1).value, 47u);
    EXPECT_EQ(RegionText(12, ParseStack("7C")), "region 12: 7C");
    EXPECT_EQ(RegionText(3, CardStack{}), "region 3:");
    EXPECT_EQ(CardText(Card{60, true}), "?60");
}

} // namespace
