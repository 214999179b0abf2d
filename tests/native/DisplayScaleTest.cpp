#include "cardlib/core/DisplayScale.h"
#include "game/core/TriangleLayout.h"
#include "ui/core/TableLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The seven zoom steps at 96 DPI, and 144 and 192 DPI with some of them:
// where 1, 2, 71, 96, 553, 712 and -3 go, and the widest 71 and 96 come out.
const struct { int dpi, zoom; std::vector<int> device; } cases[] = {
    {96, 100, {1, 2, 71, 96, 553, 712, -3, 71, 96}},       {96, 125, {1, 3, 89, 120, 691, 890, -4, 89, 120}},
    {96, 150, {2, 3, 107, 144, 830, 1068, -4, 107, 144}},  {96, 175, {2, 4, 124, 168, 968, 1246, -5, 125, 168}},
    {96, 200, {2, 4, 142, 192, 1106, 1424, -6, 142, 192}}, {96, 250, {3, 5, 178, 240, 1383, 1780, -7, 178, 240}},
    {96, 300, {3, 6, 213, 288, 1659, 2136, -9, 213, 288}}, {144, 100, {2, 3, 107, 144, 830, 1068, -4, 107, 144}},
    {192, 100, {2, 4, 142, 192, 1106, 1424, -6, 142, 192}}, {144, 125, {2, 4, 133, 180, 1037, 1335, -6, 134, 180}},
    {192, 300, {6, 12, 426, 576, 3318, 4272, -18, 426, 576}}};

// Coordinates go to round-half-up(x * s), the half going up for negatives
// too; the widest a card comes out is ceil(71 s) x ceil(96 s). A device
// pixel goes back to the logical point whose area holds it: mapping that
// point again never passes the pixel, and the next point lies beyond it.
TEST(DisplayScale, MapsCoordinatesRoundingHalfUpAndPixelsBack)
{
    for (const auto& c : cases) {
        const DisplayScale s(c.dpi, c.zoom);
        EXPECT_EQ((std::vector<int>{s.ToDevice(1), s.ToDevice(2), s.ToDevice(71), s.ToDevice(96), s.ToDevice(553),
                                    s.ToDevice(712), s.ToDevice(-3), s.WidestLength(71), s.WidestLength(96)}),
                  c.device)
            << c.dpi << " DPI, " << c.zoom << " %";
        for (int d = -40; d < 2200; ++d)
            ASSERT_TRUE(s.ToDevice(s.ToLogical(d)) <= d && d < s.ToDevice(s.ToLogical(d) + 1)) << c.zoom << "%, " << d;
    }
}

// Along one axis two rectangles touch (0), overlap (1) or lie apart (2).
int Relation(int aLow, int aHigh, int bLow, int bHigh)
{
    return aHigh == bLow || bHigh == aLow ? 0 : aLow < bHigh && bLow < aHigh ? 1 : 2;
}

// Every place of the game's table and every child of the table window keeps
// its neighbours at every setting: what touches still touches, with no gap
// and no overlap, what lies apart stays apart, what overlaps still overlaps.
// Side by side touch the 21 pairs of triangle cards within a row and the 30
// pairs of cards two rows apart (row r has r + 1 cards, each touching two of
// row r + 2), which overlap in height.
TEST(DisplayScale, NeighboursOnTheTableStillMeetExactly)
{
    const TableChildren children = LayOutTableChildren(706, 500, 71, 96, 266, 30);
    const Point button = NextLevelButtonPosition(71);
    std::vector<Rect> places{children.clock, children.banner, children.cardsPanel, children.levelPanel,
                             RectAt(button.x, button.y, 70, 30)};
    std::vector<Point> cards{RemovedPilePosition(71, 96)};
    for (int id = 29; id <= 34; ++id)
        cards.push_back(SideStackPosition(id, 71, 96));
    for (int row = 0; row < 7; ++row)
        for (int j = 0; j <= row; ++j)
            cards.push_back(TrianglePosition(row, j, 71, 96));
    for (Point at : cards)
        places.push_back(RectAt(at.x, at.y, 71, 96));
    int touching = 0;
    for (const auto& c : cases)
        for (const Rect& a : places)
            for (const Rect& b : places) {
                const DisplayScale s(c.dpi, c.zoom);
                const Rect da = s.ToDevice(a), db = s.ToDevice(b);
                const int x = Relation(a.left, a.right, b.left, b.right);
                const int y = Relation(a.top, a.bottom, b.top, b.bottom);
                touching += &c == cases && &a < &b && x == 0 && y == 1;
                ASSERT_EQ(std::make_pair(Relation(da.left, da.right, db.left, db.right),
                                         Relation(da.top, da.bottom, db.top, db.bottom)),
                          std::make_pair(x, y))
                    << c.dpi << " DPI, " << c.zoom << " %";
            }
    EXPECT_EQ(touching, 21 + 30);
}

} // namespace
