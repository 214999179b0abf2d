#include "tests/win32/ui/TableFixture.h"

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

class ShowScreenTest : public TableFixture {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        before = std::make_unique<MemorySurface>(Table());
        tableProcedure = GetWindowLongPtrA(Table(), GWLP_WNDPROC);
    }
    // White pixels where the prompt goes: rows from 416, the lower sixth's top.
    bool PromptShown() const { return MemorySurface(Table()).CountOf(white, 0, 416, 706, 450) > 100; }
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

// The wipe-in ignores clicks and ends on the painted screen; the prompt
// blinks at every tick and a repaint removes it until its next blink; the
// wipe-out leaves the table as it was, children's pictures included.
TEST_F(ShowScreenTest, IntroWipesInBlinksAndWipesOutAgain)
{
    RunInsideNextLoop([this] {
        EXPECT_TRUE(table.InputEnabled());
        Tick(Table(), 71);
        Click(Table(), 10, 10);
        EXPECT_EQ(table.Transition().Phase(), 0);
        TicksUntilPhase(table, 1);
        MemorySurface rendered(width, height);
        table.PaintScreen(rendered.Context());
        EXPECT_EQ(MemorySurface(Table()).CountDifferences(rendered), 0);
        EXPECT_FALSE(PromptShown());
        for (int blink : {1, 0, 1, -1, 0, 1}) {
            if (blink >= 0)
                Tick(Table());
            else
                RedrawWindow(Table(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_EQ(PromptShown(), blink == 1);
        }
        Click(Table(), 10, 10);
        TicksUntilPhase(table, 99);
        EXPECT_EQ(MemorySurface(Table()).CountDifferences(*before), 0);
    });
    EXPECT_TRUE(table.ShowScreen(IntroScreen));
    EXPECT_TRUE(table.ScreenMode() == IntroScreen && table.InputEnabled());
    ExpectRestored(true);
}

// A click on the waiting level screen ends it at the next tick; the
// game-over one takes no input and ends by itself, and after it every
// repaint draws the live table, then the screen over it.
TEST_F(ShowScreenTest, LevelAndGameOverEndings)
{
    for (int mode : {LevelScreen, GameOverScreen}) {
        RunInsideNextLoop([&] {
            EXPECT_EQ(table.InputEnabled(), mode == LevelScreen);
            TicksUntilPhase(table, 1);
            if (mode == LevelScreen) {
                Click(Table(), 300, 300);
                EXPECT_FALSE(EndIsPosted(Table()));
            }
            Tick(Table());
            EXPECT_TRUE(EndIsPosted(Table())) << mode;
        });
        EXPECT_TRUE(table.ShowScreen(mode));
        ExpectRestored(mode == LevelScreen);
    }
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
