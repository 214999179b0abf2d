#include "cardlib/CardRegion.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

namespace {

RECT At(int x, int y, int w, int h)
{
    return RECT{x, y, x + w, y + h};
}

bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

using GameTableWindowTest = TableFixture;

// The children follow the table's size and the banner's picture family
// (220 x 25 or 266 x 30); a colour change repaints the table and the
// panels' label bands and may lay the table out again.
TEST_F(GameTableWindowTest, ChildrenPlacedAndColouredWithTheTable)
{
    const struct {
        int width, height;
        Colour colour;
        int image;
        RECT clock, banner, cards, level;
    } cases[] = {
        {706, 500, 0x00E9B185, IDB_BANNER_ADDRESS, At(671, 10, 14, 428), At(415, 454, 266, 30), At(428, 10, 54, 65),
         At(593, 10, 54, 65)},
        {706, 500, 0x00328032, IDB_BANNER_LOGO, At(671, 10, 14, 428), At(461, 454, 220, 25), At(428, 10, 54, 65),
         At(593, 10, 54, 65)},
        {200, 300, 0x00E9B185, IDB_BANNER_ADDRESS, At(165, 10, 14, 228), At(-91, 254, 266, 30), At(-78, 10, 54, 65),
         At(87, 10, 54, 65)},
    };
    for (const auto& c : cases) {
        MoveWindow(Table(), 0, 0, 706, 500, TRUE);
        table.SetBackgroundColour(c.colour);
        PumpMessagesFor(0); // the banner's layout request, if any
        MemorySurface pixels(Table());
        EXPECT_EQ(pixels.Pixel(300, 300), c.colour) << std::hex << c.colour;
        EXPECT_EQ(pixels.Pixel(593, 10), c.colour) << std::hex << c.colour;
        EXPECT_EQ(pixels.Pixel(428, 10), c.colour) << std::hex << c.colour;
        EXPECT_EQ(table.Banner().ImageId(), c.image);
        MoveWindow(Table(), 0, 0, c.width, c.height, TRUE);
        EXPECT_TRUE(PlaceOf(table.Clock().Window()) == c.clock) << c.width;
        EXPECT_TRUE(PlaceOf(table.Banner().Window()) == c.banner) << c.width;
        // A label wider than the picture widens the cards panel evenly on both sides.
        const RECT cards = PlaceOf(table.CardsPanel().Window());
        EXPECT_EQ(cards.left + cards.right, c.cards.left + c.cards.right) << c.width;
        EXPECT_TRUE(cards.left <= c.cards.left && cards.top == c.cards.top && cards.bottom == c.cards.bottom);
        EXPECT_TRUE(PlaceOf(table.LevelPanel().Window()) == c.level) << c.width;
    }
}

TEST_F(GameTableWindowTest, PanelsLabelledAndForwardedAndTheBannerOpensOurAddress)
{
    EXPECT_STREQ(table.LevelPanel().Label(), "level");
    EXPECT_STREQ(table.CardsPanel().Label(), "cards remaining");
    EXPECT_EQ(table.Level(), -1);
    table.SetLevel(3);
    table.SetCardsRemaining(16);
    EXPECT_EQ(table.LevelPanel().Value(), 3);
    EXPECT_EQ(table.CardsPanel().Value(), 16);
    Click(table.Banner().Window(), 3, 3);
    EXPECT_EQ(platform.opened, std::vector<std::string>{"https://halverin.example/wexa/?src=morvane"});
    EXPECT_FALSE(table.CreateTable(host.Handle(), 0, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, nullptr));
}

// With regions 28 (the triangle's last) and 35 (the removed pile), Redraw
// repaints the side stacks' row, the triangle's rectangle and the pile's
// corner onwards, and leaves the panels, the bar and the banner alone;
// without them it repaints everything.
TEST_F(GameTableWindowTest, PartialRedrawLeavesPanelsBarAndBannerAlone)
{
    Scribble(Table());
    table.Redraw();
    EXPECT_EQ(MemorySurface(Table()).CountOf(RGB(255, 0, 0), 0, 0, width, height), 0);
    ASSERT_NE(table.CreateRegion(28, true, 300, 200, 0, 0), nullptr);
    ASSERT_NE(table.CreateRegion(35, true, 400, 380, 0, 0), nullptr);
    Scribble(Table());
    table.Redraw();
    MemorySurface pixels(Table());
    const struct {
        int x, y;
        bool repainted;
    } probes[] = {
        {0, 0, true},     {354, 95, true},   {355, 50, false},  {500, 50, false},  {440, 30, false},
        {600, 30, false}, {675, 100, false}, {0, 96, true},     {100, 250, true},  {370, 150, true},
        {371, 150, false}, {480, 440, true}, {705, 499, true},  {399, 450, false}, {200, 400, false},
    };
    for (const auto& p : probes)
        EXPECT_EQ(pixels.Pixel(p.x, p.y) != RGB(255, 0, 0), p.repainted) << "(" << p.x << ", " << p.y << ")";
}

} // namespace
