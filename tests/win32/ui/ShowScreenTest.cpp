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
    int ChangedPixels() const { return MemorySurface(Table()).CountDifferences(*before); }
    // After the screen: the table's own procedure, no snapshot, the children as `shown`.
    void ExpectRestored(bool shown)
    {
        EXPECT_EQ(GetWindowLongPtrA(Table(), GWLP_WNDPROC), tableProcedure);
        EXPECT_TRUE(!table.Transition().IsRunning() && !table.Transition().Snapshot());
        for (HWND child : {table.Clock().Window(), table.Banner().Window(), table.LevelPanel().Window(),
                           table.CardsPanel().Window()})
            EXPECT_EQ(IsWindowVisible(child) != FALSE, shown);
    }

    std::unique_ptr<MemorySurface> before;
    LONG_PTR tableProcedure = 0;
};

TEST_F(ShowScreenTest, IntroWipesInBlinksAndWipesOutAgain)
{
    RunInsideNextLoop([this] {
        EXPECT_TRUE(table.InputEnabled());
        EXPECT_EQ(ChangedPixels(), 0); // phase 0 shows the table as it was
        Tick(Table(), 71); // 355 pixels: the top fifth from the right, the rest from the left
        Click(Table(), 10, 10); // ignored during the wipe-in
        EXPECT_EQ(table.Transition().Phase(), 0);
        EXPECT_EQ(Mismatches(MemorySurface(Table()),
                             {{400, 10, white}, {300, 10, tableColour}, {20, 300, black}, {600, 300, tableColour}}),
                  "");
        EXPECT_EQ(TicksUntilPhase(table, 1), 71); // 142 ticks of 5 pixels in all
        MemorySurface rendered(width, height);
        table.PaintScreen(rendered.Context());
        EXPECT_EQ(MemorySurface(Table()).CountDifferences(rendered), 0);
        // The prompt blinks at every tick; a repaint removes it until its next blink, which erases nothing.
        EXPECT_FALSE(PromptShown());
        for (int blink : {1, 0, 1, -1, 0, 1}) {
            if (blink >= 0)
                Tick(Table());
            else
                RedrawWindow(Table(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            EXPECT_EQ(PromptShown(), blink == 1);
        }
        Click(Table(), 10, 10);
        Tick(Table(), 71);
        EXPECT_EQ(Mismatches(MemorySurface(Table()), {{20, 300, tableColour}, {660, 300, black}}), "");
        EXPECT_EQ(TicksUntilPhase(table, 99), 71);
        EXPECT_EQ(ChangedPixels(), 0); // the table as it was, children's pictures included
    });
    EXPECT_TRUE(table.ShowScreen(IntroScreen));
    EXPECT_TRUE(table.ScreenMode() == IntroScreen && table.InputEnabled());
    ExpectRestored(true);
}

// The level screen grows from the centre; the game-over one wipes in columns
// and ends by itself. A click on a waiting screen ends it at the next tick.
TEST_F(ShowScreenTest, LevelAndGameOverWipesAndTheirEnds)
{
    const COLORREF light = GetSysColor(COLOR_HIGHLIGHT);
    const struct {
        int mode, ticks, ticksToWait;
        std::initializer_list<Probe> probes;
        bool click;
    } cases[] = {
        // A rectangle 300 x 200 around the centre after 20 ticks.
        {LevelScreen, 20, 51, {{204, 150, light}, {502, 348, light}, {202, 150, tableColour},
                               {204, 148, tableColour}, {504, 348, tableColour}}, true},
        // 50 rows after 10 ticks: even columns from the top, odd ones from the bottom.
        {GameOverScreen, 10, 90, {{0, 0, light}, {18, 48, light}, {0, 50, tableColour}, {20, 450, light},
                                  {20, 448, tableColour}, {36, 450, light}, {38, 0, light}}, false},
        {GameOverScreen, 10, 90, {}, true},
    };
    for (const auto& c : cases) {
        RunInsideNextLoop([&] {
            EXPECT_EQ(table.InputEnabled(), c.mode == LevelScreen);
            Tick(Table(), c.ticks);
            EXPECT_EQ(Mismatches(MemorySurface(Table()), c.probes), "") << c.mode;
            EXPECT_EQ(TicksUntilPhase(table, 1), c.ticksToWait);
            if (c.click) {
                Click(Table(), 300, 300);
                EXPECT_FALSE(EndIsPosted(Table()));
            }
            Tick(Table());
            EXPECT_FALSE(PromptShown() && c.mode == GameOverScreen);
            EXPECT_TRUE(EndIsPosted(Table())) << c.mode;
        });
        EXPECT_TRUE(table.ShowScreen(c.mode));
        ExpectRestored(c.mode == LevelScreen);
    }
    // After game over every repaint draws the live table, then the screen over it.
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
