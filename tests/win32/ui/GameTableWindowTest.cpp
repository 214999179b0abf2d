#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

namespace {

using GameTableWindowTest = TableFixture;

// The children follow the table's size and the banner's picture family
// (220 x 25 or 266 x 30), which the banner asks for when a colour change
// swaps it; a colour change repaints the table and the panels' label
// bands. Places are x, y, width, height.
TEST_F(GameTableWindowTest, ChildrenPlacedAndColouredWithTheTable)
{
    const struct {
        int width, height;
        Colour colour;
        std::array<int, 4> clock, banner, cards, level;
    } cases[] = {
        {706, 500, 0x00E9B185, {671, 10, 14, 428}, {415, 454, 266, 30}, {428, 10, 54, 65}, {593, 10, 54, 65}},
        {200, 300, 0x00328032, {165, 10, 14, 228}, {-45, 254, 220, 25}, {-78, 10, 54, 65}, {87, 10, 54, 65}},
    };
    const auto placeOf = [this](HWND child) {
        const RECT r = PlaceOf(child);
        return std::array<int, 4>{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    for (const auto& c : cases) {
        MoveWindow(Table(), 0, 0, c.width, c.height, TRUE);
        table.SetBackgroundColour(c.colour);
        PumpMessagesFor(0); // the banner's layout request
        EXPECT_EQ(Mismatches(MemorySurface(Table()), {{150, 150, c.colour}, {c.level[0], 10, c.colour}}), "");
        EXPECT_EQ(placeOf(table.Clock().Window()), c.clock) << c.width;
        EXPECT_EQ(placeOf(table.Banner().Window()), c.banner) << c.width;
        // A label wider than the picture widens the cards panel evenly on both sides.
        const std::array<int, 4> cards = placeOf(table.CardsPanel().Window());
        EXPECT_EQ(2 * cards[0] + cards[2], 2 * c.cards[0] + c.cards[2]) << c.width;
        EXPECT_TRUE(cards[1] == c.cards[1] && cards[3] == c.cards[3]) << c.width;
        EXPECT_EQ(placeOf(table.LevelPanel().Window()), c.level) << c.width;
    }
}

// With regions 28 (the triangle's last) and 35 (the removed pile), Redraw
// repaints the side stacks' row, the triangle's rectangle and the pile's
// corner onwards, and leaves the panels, the bar and the banner alone.
TEST_F(GameTableWindowTest, PartialRedrawLeavesPanelsBarAndBannerAlone)
{
    ASSERT_NE(table.CreateRegion(28, true, 300, 200, 0, 0), nullptr);
    ASSERT_NE(table.CreateRegion(35, true, 400, 380, 0, 0), nullptr);
    Scribble(Table());
    table.Redraw();
    const COLORREF red = RGB(255, 0, 0);
    const COLORREF clean = tableColour;
    EXPECT_EQ(Mismatches(MemorySurface(Table()),
                         {{354, 95, clean}, {355, 50, red}, {600, 30, red}, {675, 100, red}, {100, 250, clean},
                          {370, 150, clean}, {371, 150, red}, {480, 440, clean}, {705, 499, clean}, {399, 450, red}}),
              "");
}

} // namespace
