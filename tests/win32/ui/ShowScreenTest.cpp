#include "tests/win32/ui/TableFixture.h"

namespace {

constexpr COLORREF black = RGB(0, 0, 0);

class ShowScreenTest : public TableFixture {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        before = std::make_unique<MemorySurface>(Table());
        tableProcedure = GetWindowLongPtrA(Table(), GWLP_WNDPROC);
    }
    // After the screen: the table's own procedure, no screen timer, no snapshot, the children as `shown`.
    void ExpectRestored(bool shown)
    {
        EXPECT_EQ(GetWindowLongPtrA(Table(), GWLP_WNDPROC), tableProcedure);
        EXPECT_FALSE(KillTimer(Table(), ScreenTransition::timerId));
        EXPECT_TRUE(!table.Transition().IsRunning() && !table.Transition().Snapshot());
        for (HWND child : {table.Clock().Window(), table.Banner().Window(), table.LevelPanel().Window(),
                           table.CardsPanel().Window()})
            EXPECT_EQ(IsWindowVisible(child) != FALSE, shown);
    }

    std::unique_ptr<MemorySurface> before;
    LONG_PTR tableProcedure = 0;
};

// The wipe-in ignores clicks; the wipe-out leaves the table as it was,
// children's pictures included.
TEST_F(ShowScreenTest, IntroIgnoresClicksWhileWipingAndLeavesTheTableAsItWas)
{
    RunInsideNextLoop([this] {
        Tick(Table(), 71);
        Click(Table(), 10, 10);
        EXPECT_EQ(table.Transition().Phase(), 0);
        TicksUntilPhase(table, 1);
        Click(Table(), 10, 10);
        TicksUntilPhase(table, 99);
        EXPECT_EQ(MemorySurface(Table()).CountDifferences(*before), 0);
    });
    EXPECT_TRUE(table.ShowScreen(IntroScreen));
    ExpectRestored(true);
}

// The game-over screen takes no input and ends by itself, and after it
// every repaint draws the live table, then the screen over it.
TEST_F(ShowScreenTest, GameOverEndsByItselfAndStays)
{
    RunInsideNextLoop([&] {
        EXPECT_FALSE(table.InputEnabled());
        TicksUntilPhase(table, 1);
        Tick(Table());
        EXPECT_TRUE(EndIsPosted(Table()));
    });
    EXPECT_TRUE(table.ShowScreen(GameOverScreen));
    ExpectRestored(false);
    const COLORREF light = GetSysColor(COLOR_HIGHLIGHT);
    table.SetBackgroundColour(0x00E9B185);
    MemorySurface after(Table());
    EXPECT_EQ(Mismatches(after, {{0, 0, light}, {1, 0, 0x00E9B185}, {300, 301, 0x00E9B185}}), "");
    EXPECT_GT(after.CountOf(black, 0, 62, 706, 140), 100); // "Game Over"
    EXPECT_FALSE(table.InputEnabled());
}

// A quit ends the screen, answers false and is posted again; a second screen
// while one is up is refused; WM_USER sent to another window ends nothing.
TEST_F(ShowScreenTest, QuitSecondScreenAndStrayEndMessages)
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
    EXPECT_TRUE(TakeQuitMessage(&code) && code == 7u);
    ExpectRestored(false);
}

} // namespace
