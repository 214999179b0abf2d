#include "tests/win32/ui/TableFixture.h"

#include <vector>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

// White pixels where the prompt goes: rows from 416, the lower sixth's top.
int PromptPixels(HWND table) { return MemorySurface(table).CountOf(white, 0, 416, 706, 450); }

std::vector<HWND> Children(GameTableWindow& table)
{
    return {table.Clock().Window(), table.Banner().Window(), table.LevelPanel().Window(),
            table.CardsPanel().Window()};
}

class ShowScreenTest : public TableFixture {
protected:
    void SetUp() override
    {
        TableFixture::SetUp();
        before = std::make_unique<MemorySurface>(Table());
        tableProcedure = GetWindowLongPtrA(Table(), GWLP_WNDPROC);
    }

    void ExpectChildrenVisible(bool visible)
    {
        for (HWND child : Children(table))
            EXPECT_EQ(IsWindowVisible(child) != FALSE, visible);
    }

    // What the table shows differs from what it showed before the screen in this many pixels.
    int ChangedPixels() const
    {
        return MemorySurface(Table()).CountDifferences(*before);
    }

    std::unique_ptr<MemorySurface> before;
    LONG_PTR tableProcedure = 0;
};

TEST_F(ShowScreenTest, IntroWipesInBlinksAndWipesOutAgain)
{
    RunInsideNextLoop([this] {
        ExpectChildrenVisible(false);
        EXPECT_TRUE(table.InputEnabled());
        EXPECT_EQ(table.Transition().Phase(), 0);
        EXPECT_EQ(ChangedPixels(), 0); // phase 0 shows the table as it was

        Tick(Table(), 71); // 355 pixels: the top fifth from the right, the rest from the left
        Click(Table(), 10, 10); // ignored during the wipe-in
        EXPECT_EQ(table.Transition().Phase(), 0);
        MemorySurface half(Table());
        EXPECT_EQ(half.Pixel(400, 10), white);
        EXPECT_EQ(half.Pixel(300, 10), tableColour);
        EXPECT_EQ(half.Pixel(20, 300), black);
        EXPECT_EQ(half.Pixel(600, 300), tableColour);

        EXPECT_EQ(TicksUntilPhase(table, 1), 71); // 142 ticks of 5 pixels in all
        MemorySurface rendered(width, height);
        table.PaintScreen(rendered.Context());
        EXPECT_EQ(MemorySurface(Table()).CountDifferences(rendered), 0);

        EXPECT_EQ(PromptPixels(Table()), 0);
        Tick(Table()); // 600 ms after the wipe
        EXPECT_GT(PromptPixels(Table()), 100);
        Tick(Table());
        EXPECT_EQ(PromptPixels(Table()), 0);
        Tick(Table());
        EXPECT_GT(PromptPixels(Table()), 100);
        // A repaint removes the prompt until its next blink, which erases nothing.
        InvalidateRect(Table(), nullptr, FALSE);
        UpdateWindow(Table());
        EXPECT_EQ(PromptPixels(Table()), 0);
        Tick(Table());
        EXPECT_EQ(PromptPixels(Table()), 0);
        Tick(Table());
        EXPECT_GT(PromptPixels(Table()), 100);

        Click(Table(), 10, 10);
        EXPECT_EQ(table.Transition().Phase(), 2);
        Tick(Table(), 71);
        MemorySurface leaving(Table());
        EXPECT_EQ(leaving.Pixel(20, 300), tableColour);
        EXPECT_EQ(leaving.Pixel(660, 300), black);
        int ticks = 71;
        while (!EndIsPosted(Table()) && ticks < 1000) {
            Tick(Table());
            ++ticks;
        }
        EXPECT_EQ(ticks, 142);
        EXPECT_EQ(ChangedPixels(), 0); // the table as it was, children's pictures included
    });
    EXPECT_TRUE(table.ShowScreen(IntroScreen));
    EXPECT_EQ(table.ScreenMode(), IntroScreen);
    EXPECT_FALSE(table.Transition().IsRunning());
    EXPECT_EQ(table.Transition().Snapshot(), nullptr);
    EXPECT_EQ(GetWindowLongPtrA(Table(), GWLP_WNDPROC), tableProcedure);
    ExpectChildrenVisible(true);
    EXPECT_TRUE(table.InputEnabled());
}

TEST_F(ShowScreenTest, LevelScreenGrowsFromTheCentreAndEndsAtTheNextTickAfterAClick)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    RunInsideNextLoop([this, highlight] {
        Tick(Table(), 20); // a rectangle 300 x 200 around the centre
        MemorySurface part(Table());
        EXPECT_EQ(part.Pixel(204, 150), highlight);
        EXPECT_EQ(part.Pixel(502, 348), highlight);
        EXPECT_EQ(part.Pixel(202, 150), tableColour);
        EXPECT_EQ(part.Pixel(204, 148), tableColour);
        EXPECT_EQ(part.Pixel(504, 348), tableColour);
        EXPECT_EQ(TicksUntilPhase(table, 1), 51); // 71 ticks: half the width
        Tick(Table());
        EXPECT_GT(PromptPixels(Table()), 100);
        Click(Table(), 300, 300);
        EXPECT_FALSE(EndIsPosted(Table()));
        Tick(Table());
        EXPECT_TRUE(EndIsPosted(Table()));
    });
    EXPECT_TRUE(table.ShowScreen(LevelScreen));
    ExpectChildrenVisible(true);
    EXPECT_EQ(GetWindowLongPtrA(Table(), GWLP_WNDPROC), tableProcedure);
}

TEST_F(ShowScreenTest, GameOverWipesInColumnsEndsByItselfAndStaysOverTheTable)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    RunInsideNextLoop([this, highlight] {
        EXPECT_FALSE(table.InputEnabled());
        Tick(Table(), 10); // 50 rows: even columns from the top, odd ones from the bottom
        MemorySurface part(Table());
        EXPECT_EQ(part.Pixel(0, 0), highlight);
        EXPECT_EQ(part.Pixel(18, 48), highlight);
        EXPECT_EQ(part.Pixel(0, 50), tableColour);
        EXPECT_EQ(part.Pixel(20, 450), highlight);
        EXPECT_EQ(part.Pixel(20, 448), tableColour);
        EXPECT_EQ(part.Pixel(36, 450), highlight);
        EXPECT_EQ(part.Pixel(38, 0), highlight);
        EXPECT_EQ(TicksUntilPhase(table, 1), 90); // 100 ticks: the whole height
        Tick(Table()); // no prompt: 600 ms later the screen ends
        EXPECT_EQ(PromptPixels(Table()), 0);
        EXPECT_TRUE(EndIsPosted(Table()));
    });
    EXPECT_TRUE(table.ShowScreen(GameOverScreen));
    ExpectChildrenVisible(false);
    EXPECT_FALSE(table.InputEnabled());
    EXPECT_EQ(table.ScreenMode(), GameOverScreen);
    EXPECT_EQ(table.Transition().Snapshot(), nullptr);

    // Every repaint draws the live table, then the game-over screen over it.
    table.SetBackgroundColour(0x00E9B185);
    MemorySurface after(Table());
    EXPECT_EQ(after.Pixel(0, 0), highlight);
    EXPECT_EQ(after.Pixel(1, 0), 0x00E9B185u);
    EXPECT_EQ(after.Pixel(300, 301), 0x00E9B185u);
    EXPECT_GT(after.CountOf(black, 0, 62, 706, 140), 100); // "Game Over"
}

TEST_F(ShowScreenTest, ClickEndsTheWaitingGameOverScreenAtTheNextTick)
{
    RunInsideNextLoop([this] {
        TicksUntilPhase(table, 1);
        Click(Table(), 5, 5);
        EXPECT_EQ(table.Transition().Phase(), 2);
        Tick(Table());
        EXPECT_TRUE(EndIsPosted(Table()));
    });
    EXPECT_TRUE(table.ShowScreen(GameOverScreen));
}

TEST_F(ShowScreenTest, QuitDuringAScreenIsPostedAgainAndAnswersFalse)
{
    RunInsideNextLoop([] { PostQuitMessage(7); });
    EXPECT_FALSE(table.ShowScreen(LevelScreen));
    WPARAM code = 0;
    EXPECT_TRUE(TakeQuitMessage(&code));
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(GetWindowLongPtrA(Table(), GWLP_WNDPROC), tableProcedure);
    EXPECT_FALSE(table.Transition().IsRunning());
    EXPECT_EQ(table.Transition().Snapshot(), nullptr);
}

TEST_F(ShowScreenTest, SecondScreenWhileOneIsUpIsRefused)
{
    RunInsideNextLoop([this] {
        EXPECT_FALSE(table.ShowScreen(GameOverScreen));
        EXPECT_EQ(table.ScreenMode(), LevelScreen);
        EXPECT_TRUE(table.Transition().IsRunning());
        PostQuitMessage(0);
    });
    EXPECT_FALSE(table.ShowScreen(LevelScreen));
    WPARAM code = 1;
    EXPECT_TRUE(TakeQuitMessage(&code));
}

TEST_F(ShowScreenTest, WmUserOfAnotherWindowDoesNotEndTheScreen)
{
    RunInsideNextLoop([this] {
        PostMessageA(host.Handle(), WM_USER, 0, 0);
        RunInsideNextLoop([this] {
            EXPECT_TRUE(table.Transition().IsRunning());
            PostQuitMessage(0);
        });
    });
    EXPECT_FALSE(table.ShowScreen(IntroScreen)); // ended by the quit, not the stray message
    WPARAM code = 1;
    EXPECT_TRUE(TakeQuitMessage(&code));
}

} // namespace
