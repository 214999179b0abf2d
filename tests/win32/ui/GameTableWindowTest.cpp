#include "cardlib/CardRegion.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

#include <cstring>

namespace {

constexpr COLORREF scribble = RGB(255, 0, 0);

void Scribble(HWND window)
{
    HDC dc = GetDC(window);
    RECT all = {0, 0, 2000, 2000};
    HBRUSH brush = CreateSolidBrush(scribble);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT At(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

using GameTableWindowTest = TableFixture;

TEST_F(GameTableWindowTest, ChildrenPlacedFromTheCardSize)
{
    struct Case {
        int width;
        int height;
        Colour colour;
        RECT clock;
        RECT banner;
        RECT cards;
        RECT level;
    };
    const Case cases[] = {
        {706, 500, 0x00644000, At(671, 10, 14, 428), At(461, 454, 220, 25), At(428, 10, 54, 65),
         At(593, 10, 54, 65)},
        {706, 500, 0x00E9B185, At(671, 10, 14, 428), At(415, 454, 266, 30), At(428, 10, 54, 65),
         At(593, 10, 54, 65)},
        // Narrow tables are not clamped.
        {200, 300, 0x00E9B185, At(165, 10, 14, 228), At(-91, 254, 266, 30), At(-78, 10, 54, 65),
         At(87, 10, 54, 65)},
    };
    for (const Case& c : cases) {
        table.SetBackgroundColour(c.colour);
        PumpMessagesFor(0); // a layout request of the banner, if any
        MoveWindow(Table(), 0, 0, c.width, c.height, TRUE);
        EXPECT_TRUE(PlaceOf(table.Clock().Window()) == c.clock) << c.width;
        EXPECT_TRUE(PlaceOf(table.Banner().Window()) == c.banner) << c.width;
        EXPECT_TRUE(PlaceOf(table.CardsPanel().Window()) == c.cards) << c.width;
        EXPECT_TRUE(PlaceOf(table.LevelPanel().Window()) == c.level) << c.width;
    }
}

TEST_F(GameTableWindowTest, PanelsLabelledAndForwarded)
{
    EXPECT_STREQ(table.LevelPanel().Label(), "level");
    EXPECT_STREQ(table.CardsPanel().Label(), "cards remaining");
    EXPECT_EQ(table.Level(), -1);
    EXPECT_EQ(table.CardsPanel().Value(), -1);
    table.SetLevel(3);
    table.SetCardsRemaining(16);
    EXPECT_EQ(table.Level(), 3);
    EXPECT_EQ(table.LevelPanel().Value(), 3);
    EXPECT_EQ(table.CardsPanel().Value(), 16);
    table.AfterIntro(0);
    EXPECT_EQ(table.Level(), 3);
}

TEST_F(GameTableWindowTest, ColourChangeRepaintsTableBannerAndPanels)
{
    const Colour colours[] = {0x00E9B185, 0x00328032, 0x00644000};
    for (Colour colour : colours) {
        table.SetBackgroundColour(colour);
        // The banner's picture family may change its size: the table lays out again.
        PumpMessagesFor(0);
        WindowPixels pixels = Capture();
        EXPECT_EQ(pixels.At(300, 300), colour) << std::hex << colour;
        EXPECT_EQ(pixels.At(593, 10), colour) << std::hex << colour; // the level panel's label band
        EXPECT_EQ(pixels.At(428, 10), colour) << std::hex << colour;
        EXPECT_EQ(table.Banner().ImageId(), colour == 0x00E9B185 ? IDB_BANNER_ADDRESS : IDB_BANNER_LOGO);
    }
    EXPECT_TRUE(PlaceOf(table.Banner().Window()) == At(461, 454, 220, 25));
}

TEST_F(GameTableWindowTest, PartialRedrawLeavesPanelsBarAndBannerAlone)
{
    CardRegion* triangleEnd = table.CreateRegion(28, true, 300, 200, 0, 0);
    CardRegion* removedPile = table.CreateRegion(35, true, 400, 380, 0, 0);
    ASSERT_NE(triangleEnd, nullptr);
    ASSERT_NE(removedPile, nullptr);
    Scribble(Table());
    table.Redraw();
    WindowPixels pixels = Capture();
    struct Probe {
        int x;
        int y;
        bool repainted;
    };
    const Probe probes[] = {
        {0, 0, true},    {354, 95, true},  // the side stacks' row: 5 x 71 by 96
        {355, 50, false}, {500, 50, false}, // between that row and the panels
        {440, 30, false}, {600, 30, false}, // the panels
        {675, 100, false},                  // the countdown bar above the removed pile
        {0, 96, true},   {100, 250, true}, {370, 150, true}, {371, 150, false}, // to the triangle's corner
        {480, 440, true}, {705, 499, true}, {399, 450, false}, {200, 400, false}, // the removed pile onwards
    };
    for (const Probe& p : probes)
        EXPECT_EQ(pixels.At(p.x, p.y) != scribble, p.repainted) << "(" << p.x << ", " << p.y << ")";
}

TEST_F(GameTableWindowTest, RedrawWithoutTheRegionsRepaintsEverything)
{
    Scribble(Table());
    table.Redraw();
    WindowPixels pixels = Capture();
    EXPECT_EQ(pixels.At(500, 50), tableColour);
    EXPECT_EQ(pixels.At(200, 400), tableColour);
}

TEST_F(GameTableWindowTest, RunningCountdownAndNumberedPanelsOnTheTable)
{
    for (Colour colour : {0x00644000u, 0x00E9B185u}) {
        table.SetBackgroundColour(colour);
        PumpMessagesFor(0);
        table.SetLevel(4);
        table.SetCardsRemaining(22);
        table.Clock().SetDuration(150);
        platform.now = 10000;
        table.Clock().Start();
        platform.now = 10000 + 50000;
        SendMessageA(table.Clock().Window(), WM_TIMER, 10, 0);
        platform.now = 10000 + 60000;
        SendMessageA(table.Clock().Window(), WM_TIMER, 10, 0);
        WindowPixels pixels = Capture();
        // The strip the second tick covered in dark blue, the rest still in colour; numbers in both panels.
        EXPECT_EQ(pixels.At(678, 10 + 150), 0x00644000u);
        EXPECT_NE(pixels.At(678, 10 + 300), 0x00644000u);
        EXPECT_GT(pixels.CountOf(0x00FE1414, 428, 10, 482, 75), 20);
        EXPECT_GT(pixels.CountOf(0x00FE1414, 593, 10, 647, 75), 20);
        SaveShot(Table(), colour == 0x00644000u ? "table-dark" : "table-light");
    }
}

TEST_F(GameTableWindowTest, SecondCreateTableIsRefused)
{
    EXPECT_FALSE(table.CreateTable(host.Handle(), 0, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, nullptr));
}

TEST_F(GameTableWindowTest, BannerOpensOurAddressThroughTheShell)
{
    EXPECT_STREQ(table.Banner().Address(), "https://halverin.example/wexa/?src=morvane");
    Click(table.Banner().Window(), 3, 3);
    ASSERT_EQ(platform.opened.size(), 1u);
    EXPECT_EQ(platform.opened[0], "https://halverin.example/wexa/?src=morvane");
}

} // namespace
