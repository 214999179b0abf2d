#include "app/MainWindow.h"
#include "game/AppHolder.h"
#include "tests/win32/game/GameFixture.h"

namespace {

using PauseTest = GameFixture;

// A card in hand (by keys, by mouse) goes home, sounds stop, Undo waits and
// the "Paused" screen hides the cards, the panels and the bar; keys play
// nothing. An hour away counts nothing: each way back in shows the bar as it
// stood, and a tick then leaves it there. Time asleep does not count either.
TEST_F(PauseTest, HoldsTheCountdownAndHidesTheTableUntilEachWayBackIn)
{
    StartGame();
    const auto [a, b] = FindPair();
    Drag(a, b);
    platform.now += 605000;
    platform.asleep += 600000;
    TickClock();
    Table().Clock().Repaint();
    const MemorySurface bar(Table().Clock().Window());
    const std::uint32_t left = Table().Clock().SecondsLeft();
    EXPECT_EQ(left, 165u) << "5 s of play, 10 min asleep";
    for (WPARAM wayIn : {VK_RETURN, VK_SPACE, VK_LBUTTON}) {
        wayIn == VK_RETURN ? (Key(VK_TAB), Key(VK_RETURN)) : Hold(a == 22 || b == 22 ? 23 : 22);
        TakeSounds();
        game->Pause();
        const MemorySurface covered(Table().Handle());
        EXPECT_TRUE(game->IsPaused() && !GetCapture() && !Table().Keyboard().HeldRegion() && !game->CanUndo());
        EXPECT_EQ(TakeSounds(), "stop@0");
        EXPECT_EQ(covered.CountOf(RGB(255, 255, 255), 0, 0, 650, 60), 0) << "no card shows";
        EXPECT_GT(covered.CountOf(RGB(255, 255, 255), 0, 62, 706, 130), 300) << "Paused";
        EXPECT_FALSE(IsWindowVisible(Table().Clock().Window()) || IsWindowVisible(Table().LevelPanel().Window()));
        platform.now += 3600000;
        Key(VK_TAB);
        wayIn == VK_LBUTTON ? Click(Table().Handle(), 300, 300) : Key(wayIn);
        TickClock();
        UpdateWindow(Table().Clock().Window());
        EXPECT_FALSE(game->IsPaused() || Table().Keyboard().FocusShown());
        EXPECT_EQ(MemorySurface(Table().Clock().Window()).CountDifferences(bar), 0);
        EXPECT_EQ(Table().Clock().SecondsLeft(), left);
    }
}

// Outside a level a pause does nothing: not during the introduction (nor
// the deal after it, as little in play) or after a game over. From a pause New game asks first: No keeps the
// pause, Yes brings the introduction over the table, not over the pause.
TEST_F(PauseTest, NoneOutsidePlayAndNewGameFromAPause)
{
    const auto pauseFails = [this] { game->Pause(); EXPECT_FALSE(game->IsPaused()); };
    RunInsideNextLoop([&] { pauseFails(); ClickScreenAway(); });
    game->NewGame(false);
    game->Pause();
    platform.messageBoxAnswer = IDNO;
    game->NewGame(false);
    EXPECT_TRUE(game->IsPaused() && platform.messages.size() == 1);
    MemorySurface snapshot(2, 1);
    RunInsideNextLoop([&] {
        BitBlt(snapshot.Context(), 0, 0, 2, 1, Table().Transition().Snapshot(), 550, 150, SRCCOPY), ClickScreenAway();
    });
    platform.messageBoxAnswer = IDYES;
    game->NewGame(false);
    EXPECT_EQ(snapshot.Pixel(0, 0), snapshot.Pixel(1, 0)) << "one colour: the empty table";
    EXPECT_EQ(GetWindowLongPtrA(Table().Handle(), GWLP_WNDPROC), GetClassLongPtrA(Table().Handle(), GCLP_WNDPROC));
    ClickNextScreenAway();
    TimeUp();
    pauseFails();
}

// Minimised, the window has no client area: the table keeps its size (and
// its children theirs) for when it comes back.
TEST(MainWindowPause, MinimisedTheTableKeepsItsSize)
{
    AppHolder holder;
    MainWindow window(holder);
    MainWindow::Register(GetModuleHandleA(nullptr));
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
    ShowWindow(window.Handle(), SW_MINIMIZE);
    RECT minimised = {};
    GetClientRect(holder.Game()->Table()->Handle(), &minimised);
    EXPECT_GT(minimised.right, 700);
}

} // namespace
