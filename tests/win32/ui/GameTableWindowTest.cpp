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
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Table(), reinterpret_cast<POINT*>(&r), 2);
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
        EXPECT_EQ(placeOf(table.LevelPanel().Window()), c.level) << c.width;
    }
}

} // namespace
