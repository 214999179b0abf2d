#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

using GameTableWindowTest = TableFixture;

// The children follow the table's size and the banner's picture family
// (220 x 25 or 266 x 30), which the banner asks for when a colour change
// swaps it; a colour change repaints the table and the panels' label
// bands. Places are x, y, width, height. At 200 % a table of 706 x 500
// device pixels is laid out as one of 353 x 250, every place doubled.
TEST_F(GameTableWindowTest, ChildrenPlacedAndColouredWithTheTable)
{
    const struct {
        int width, height;
        Colour colour;
        std::array<int, 4> clock, banner, cards, level;
        int zoom = 100;
    } cases[] = {
        {706, 500, 0x00E9B185, {671, 10, 14, 428}, {415, 454, 266, 30}, {428, 10, 54, 65}, {593, 10, 54, 65}},
        {200, 300, 0x00328032, {165, 10, 14, 228}, {-45, 254, 220, 25}, {-78, 10, 54, 65}, {87, 10, 54, 65}},
        {706, 500, 0x00E9B185, {636, 20, 28, 356}, {124, 408, 532, 60}, {150, 20, 108, 130}, {480, 20, 108, 130}, 200},
    };
    const auto placeOf = [this](HWND child) {
        RECT r = {};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, Table(), reinterpret_cast<POINT*>(&r), 2);
        return std::array<int, 4>{r.left, r.top, r.right - r.left, r.bottom - r.top};
    };
    for (const auto& c : cases) {
        table.SetScale(DisplayScale(96, c.zoom));
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

// After a screen: the table's own procedure, no screen timer, no snapshot, the children as `shown`.
void ExpectRestored(GameTableWindow& table, bool shown)
{
    EXPECT_EQ(GetWindowLongPtrA(table.Handle(), GWLP_WNDPROC), GetClassLongPtrA(table.Handle(), GCLP_WNDPROC));
    EXPECT_FALSE(KillTimer(table.Handle(), ScreenTransition::timerId));
    EXPECT_TRUE(!table.Transition().IsRunning() && !table.Transition().Snapshot());
    for (HWND child : {table.Clock().Window(), table.Banner().Window(), table.LevelPanel().Window(),
                       table.CardsPanel().Window()})
        EXPECT_EQ(IsWindowVisible(child) != FALSE, shown);
}

// The introduction ignores clicks while it wipes in. Waiting, it shows a
// white band of 83 rows with the title picture centred at (353, 41), black
// below. The wipe-out leaves the table as it was, children's pictures included.
TEST_F(GameTableWindowTest, IntroIgnoresClicksWhileWipingAndLeavesTheTableAsItWas)
{
    const MemorySurface before(Table());
    MemorySurface screen(width, height);
    RunInsideNextLoop([&] {
        Tick(Table(), 71);
        Click(Table(), 10, 10);
        EXPECT_EQ(table.Transition().Phase(), 0);
        TicksUntilPhase(table, 1);
        table.PaintScreen(screen.Context());
        Click(Table(), 10, 10);
        TicksUntilPhase(table, 99);
        EXPECT_EQ(MemorySurface(Table()).CountDifferences(before), 0);
    });
    EXPECT_TRUE(table.ShowScreen(IntroScreen));
    ExpectRestored(table, true);
    EXPECT_EQ(Mismatches(screen, {{5, 0, white}, {700, 82, white}, {5, 83, black}, {700, 499, black}}), "");
    const auto title = ResourceBitmap(IDB_TITLE);
    int wrong = 0;
    for (int y = 0; y < 69; ++y)
        for (int x = 0; x < title->Width(); ++x)
            wrong += screen.Pixel(95 + x, 7 + y) != title->Pixel(x, y);
    EXPECT_EQ(wrong, 0);
}

// The game-over screen takes no input and ends by itself, and after it
// every repaint draws the live table, then the screen over it.
TEST_F(GameTableWindowTest, GameOverEndsByItselfAndStays)
{
    RunInsideNextLoop([&] {
        TicksUntilPhase(table, 1);
        Tick(Table());
        EXPECT_TRUE(EndIsPosted(Table()));
    });
    EXPECT_TRUE(table.ShowScreen(GameOverScreen));
    ExpectRestored(table, false);
    const COLORREF light = GetSysColor(COLOR_HIGHLIGHT);
    table.SetBackgroundColour(0x00E9B185);
    MemorySurface after(Table());
    EXPECT_EQ(Mismatches(after, {{0, 0, light}, {1, 0, 0x00E9B185}, {300, 301, 0x00E9B185}}), "");
    EXPECT_GT(after.CountOf(black, 0, 62, 706, 140), 100); // "Game Over"
    EXPECT_FALSE(table.InputEnabled());
}

// A quit ends the screen, answers false and is posted again; a second screen
// while one is up is refused; WM_USER sent to another window ends nothing.
TEST_F(GameTableWindowTest, QuitSecondScreenAndStrayEndMessages)
{
    RunInsideNextLoop([this] {
        EXPECT_FALSE(table.ShowScreen(GameOverScreen));
        EXPECT_EQ(table.ScreenMode(), LevelScreen);
        PostMessageA(host.Handle(), WM_USER, 0, 0);
        RunInsideNextLoop([this] {
            EXPECT_TRUE(table.Transition().IsRunning());
            PostQuitMessage(7);
        });
    });
    EXPECT_FALSE(table.ShowScreen(LevelScreen));
    WPARAM code = 0;
    EXPECT_EQ(TakeQuitMessage(&code) ? code : 0u, 7u);
    ExpectRestored(table, false);
    // A quit already waiting when a screen starts ends it, and is still there for the outer loop.
    PostQuitMessage(3);
    EXPECT_FALSE(table.ShowScreen(IntroScreen));
    EXPECT_EQ(TakeQuitMessage(&code) ? code : 0u, 3u);
}

} // namespace
