#include "app/MainWindow.h"
#include "game/AppHolder.h"
#include "res/ResourceIds.h"
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
    platform.now += 5000;
    TickClock();
    Table().Clock().Repaint();
    const MemorySurface bar(Table().Clock().Window());
    const std::uint32_t left = Table().Clock().SecondsLeft();
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
    platform.now += 600000;
    platform.asleep += 600000;
    EXPECT_EQ(Table().Clock().SecondsLeft(), left) << "ten minutes asleep mid-level";
}

// Outside a level a pause does nothing: not during the introduction, the
// deal or after a game over. From a pause New game asks first: No keeps the
// pause, Yes brings the introduction over the table, not over the pause.
TEST_F(PauseTest, NoneOutsidePlayAndNewGameFromAPause)
{
    const auto pauseFails = [this] { game->Pause(); EXPECT_FALSE(game->IsPaused()); };
    RunInsideNextLoop([&] { pauseFails(); ClickScreenAway(); });
    platform.onSleep = [&](int) { pauseFails(); };
    game->NewGame(false);
    platform.onSleep = nullptr;
    game->Pause();
    platform.messageBoxAnswer = IDNO;
    game->NewGame(false);
    EXPECT_TRUE(game->IsPaused() && platform.messages.size() == 1);
    COLORREF snapshot[2] = {};
    RunInsideNextLoop([&] {
        for (int x : {0, 1})
            snapshot[x] = GetPixel(Table().Transition().Snapshot(), 550 + x, 150);
        ClickScreenAway();
    });
    platform.messageBoxAnswer = IDYES;
    game->NewGame(false);
    EXPECT_EQ(snapshot[0], snapshot[1]) << "one colour: the empty table";
    EXPECT_EQ(GetWindowLongPtrA(Table().Handle(), GWLP_WNDPROC), GetClassLongPtrA(Table().Handle(), GCLP_WNDPROC));
    EXPECT_TRUE(!game->IsPaused() && IsWindowVisible(Table().Clock().Window()));
    ClickNextScreenAway();
    TimeUp();
    pauseFails();
}

// P pauses and resumes through the main window's keys; minimising pauses
// and leaves the table its size, and then only restoring comes back.
TEST(MainWindowPause, ByPAndByMinimising)
{
    FakePlatform platform;
    ScopedPlatform installed{platform};
    AppHolder holder;
    MainWindow window(holder);
    MainWindow::Register(GetModuleHandleA(nullptr));
    ASSERT_TRUE(window.Create(GetModuleHandleA(nullptr)));
    GameTableWindow& table = *holder.Game()->Table();
    RunInsideNextLoop([&] { TicksUntilPhase(table, 1), Click(table.Handle(), 10, 10), TicksUntilPhase(table, 99); });
    PumpMessages(); // the first game, posted when the window was made
    HACCEL keys = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDA_MAIN));
    const auto pressP = [&] {
        MSG key = {table.Handle(), WM_KEYDOWN, 'P', 1, 0, {}};
        TranslateAcceleratorA(window.Handle(), keys, &key);
        return table.IsPaused();
    };
    EXPECT_TRUE(pressP());
    EXPECT_FALSE(pressP());
    ShowWindow(window.Handle(), SW_MINIMIZE);
    EXPECT_TRUE(table.IsPaused());
    RECT place = {};
    GetClientRect(table.Handle(), &place);
    EXPECT_TRUE(pressP() && place.right > 700);
    ShowWindow(window.Handle(), SW_RESTORE);
    EXPECT_FALSE(table.IsPaused());
}

} // namespace
