#include "tests/win32/game/GameFixture.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/core/CardText.h"
#include "ui/core/CountdownMath.h"

#include <functional>
#include <tuple>

namespace {

class GameFlowTest : public GameFixture {
protected:
    std::string Cards(int id) { return StackText(*Region(id)->Cards()); }
    // Piles up `count` cards from the places in order, keeping the top cards of
    // an open pair on the table, and hides the places it empties.
    std::pair<int, int> PileUp(int count)
    {
        const std::pair<int, int> pair = FindPair();
        for (int id = 1; Pile()->CardCount() < count; ++id) {
            const bool keep = id == pair.first || id == pair.second;
            const CardStack top = Region(id)->Cards()->PopTop(keep ? 1 : 0);
            Region(id)->MoveCards(Pile(), std::min(count - Pile()->CardCount(), Region(id)->CardCount()), false);
            CardStack left = *Region(id)->Cards();
            left += top;
            Region(id)->SetCards(left);
            Region(id)->SetVisible(left.Count() > 0);
        }
        return pair;
    }
};

// Normal keeps no emptied stack. Easy: the first emptied stack stays for
// one card; while it shows, others go.
TEST_F(GameFlowTest, NormalKeepsNoPlaceholderEasyOne)
{
    StartGame();
    Hold(1); // covered
    EXPECT_FALSE(Region(1)->IsDragging());
    Release();
    for (const auto& [id, cards] : {std::pair{29, "QS"}, {30, "4C"}, {31, "AD"}, {22, "9H"}, {23, "4D"}, {28, "9S"},
                                    {32, "QH"}, {33, "AC"}})
        Region(id)->SetCards(ParseStack(cards));
    Drag(32, 33);
    EXPECT_EQ(std::pair(Region(32)->IsVisible(), Region(33)->IsVisible()), std::pair(false, false)) << "Normal";
    game->SetDifficulty(difficultyEasy);
    TakeSounds();
    Drag(29, 31);
    EXPECT_EQ(std::pair(Region(29)->IsVisible(), Region(31)->IsVisible()), std::pair(true, false));
    Drag(22, 29); // a placement: no sound
    EXPECT_EQ(Cards(29), "9H");
    Drag(23, 29); // the placed card pairs away; 29 stays
    Drag(30, 29); // the last card of 30 on the placeholder: 30 takes over
    EXPECT_EQ(Cards(29) + (Region(30)->IsVisible() ? " 30 shown" : ""), "4C 30 shown");
    game->Undo();
    EXPECT_EQ(TakeSounds(), "116@23 116@23 115@23");
    EXPECT_EQ(Cards(29) + "|" + Cards(30), "|4C");
    EXPECT_TRUE(Region(29)->IsVisible() && Region(30)->IsVisible());
}

// The button is painted as it comes and goes, without a drag's repaint to
// help. Undo leaves it; it then fails the level; New game needs no question after it.
TEST_F(GameFlowTest, TargetReachedUndoneThenTheButtonFails)
{
    StartGame();
    for (bool shown : {true, false}) {
        game->ShowNextLevelButton(shown);
        UpdateWindow(Table().Handle());
        EXPECT_EQ(MemorySurface(Table().Handle()).Pixel(655, 129), shown ? 0u : 0x644000u) << "its black corner";
    }
    const auto [a, b] = PileUp(14);
    const std::string before = Cards(a) + "|" + Cards(b);
    TakeSounds();
    Drag(a, b);
    EXPECT_EQ(TakeSounds(), "116@23 119@7");
    EXPECT_TRUE(ButtonShown());
    ExpectPanels(1, 0);
    game->Undo();
    EXPECT_EQ(Cards(a) + "|" + Cards(b), before) << "each card back in its own place";
    ExpectPanels(1, 2);
    EXPECT_TRUE(ButtonShown());
    TakeSounds();
    RunInsideNextLoop([this] {
        EXPECT_EQ(std::pair(Table().ScreenMode(), game->IsPlaying()), std::pair(int{GameOverScreen}, false));
        game->NewGame(false); // waits until the screen has gone
        ClickScreenAway();
    });
    ClickButton();
    EXPECT_EQ(TakeSounds(), "138@7");
    ExpectPanels(-1, -1);
    EXPECT_FALSE(ButtonShown() || Table().Clock().IsRunning() || game->CanUndo());
    EXPECT_TRUE(game->IsPlaying()) << "New game stays open";
    StartGame(IDNO);
    EXPECT_TRUE(platform.messages.empty() && game->IsPlaying());
    ExpectPanels(1, 16);
}

// The 48th card passes the level at once, with time left. A quit while the
// screen after it waits ends the game.
TEST_F(GameFlowTest, TheLastCardPassesTheLevelAtOnceOrQuits)
{
    StartGame();
    TakeSounds();
    const auto [a, b] = PileUp(46);
    platform.now += 30000;
    ClickNextScreenAway();
    Drag(a, b);
    EXPECT_EQ(TakeSounds(), "116@23 119@7 137@15 stop@0");
    ExpectPanels(2, 18);
    EXPECT_EQ(Table().Clock().SecondsLeft(), 160u);
    for (int id = 1; id <= lastSideStack; ++id)
        EXPECT_TRUE(Region(id)->IsVisible()) << id;
    EXPECT_EQ(CardsAccounted() + (game->CanUndo() ? " undo" : "") + (GetCapture() ? " capture" : ""), "");

    const auto [c, d] = PileUp(46);
    RunInsideNextLoop([] { PostQuitMessage(3); });
    Drag(c, d);
    WPARAM code = 0;
    EXPECT_EQ(TakeQuitMessage(&code) ? code : 0u, 3u);
    EXPECT_FALSE(game->IsPlaying() || game->CanUndo());
    EXPECT_EQ(Pile()->CardCount(), 48);
}

bool PointerClippedTo(const RECT& area)
{
    RECT clip = {};
    return GetClipCursor(&clip) && EqualRect(&clip, &area);
}

// Every way a card in hand ends short of a drop: none stays in hand, the
// mouse is free, the pointer roams the whole screen again (or another
// program's clip is kept) and no move is made. The card, by mouse over its
// partner or by key with the frame on its partner, would make a pair if
// dropped. A stray release or a lost capture leaves a card held by key.
// Meanwhile the pointer stays over the table, inside its 2-pixel edge.
TEST_F(GameFlowTest, EveryWayACardInHandEndsLeavesItHomeAndThePointerFree)
{
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    const RECT others = {20, 30, 1000, 900}, table = {2, 2, 704, 498}, moved = {62, 42, 764, 538};
    auto send = [&](UINT message, int x, int y) {
        SendMessageA(Table().Handle(), message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(x, y));
    };
    int a = 0, b = 0;
    const struct {
        const char* name;
        bool byKey, othersClip;
        std::function<void()> end;
    } cases[] = {
        // First: the first deal holds the ace at 22, (147, 370), lifted to (143, 360).
        {"by key: F2 answered No, the frame on its place", true, false, [&] {
             FocusOn(a);
             platform.messageBoxAnswer = IDNO;
             game->NewGame(false);
             const MemorySurface shown(Table().Handle());
             EXPECT_TRUE(shown.Pixel(141, 358) == 0x644000u && shown.Pixel(145, 368) == 0u) << "round its place";
         }},
        {"released on the bare table after the window moved", false, true, [&] {
             MoveWindow(host.Handle(), 60, 40, 706, 500, TRUE);
             MoveOver(b);
             EXPECT_TRUE(PointerClippedTo(moved)) << "the pointer follows the table";
             send(WM_LBUTTONUP, 400, 100);
             MoveWindow(host.Handle(), 0, 0, 706, 500, TRUE);
         }},
        {"the capture taken", false, false, [&] { SetCapture(host.Handle()), ReleaseCapture(); }},
        {"the focus moved", false, true, [&] { SetFocus(host.Handle()); }},
        {"the program deactivated", false, false, [&] { SetForegroundWindow(GetDesktopWindow()); }},
        {"cancel mode", false, false, [&] { SendMessageA(Table().Handle(), WM_CANCELMODE, 0, 0); }},
        {"Esc", false, false, [&] { Key(VK_ESCAPE); }},
        {"a press", false, false, [&] { send(WM_LBUTTONDOWN, 400, 100), send(WM_LBUTTONUP, 400, 100); }},
        {"a move without the button", false, false, [&] { SendMessageA(Table().Handle(), WM_MOUSEMOVE, 0, 0); }},
        {"the time up: game over", false, false, [&] { ClickNextScreenAway(), TimeUp(); }},
        {"F2 answered No", false, false, [&] {
             platform.now += 5000;
             platform.messageBoxAnswer = IDNO;
             game->NewGame(false);
             const FakePlatform::Message& asked = platform.messages.back();
             EXPECT_EQ(asked.text + "|" + asked.caption + "|" + std::to_string(asked.flags) +
                           (asked.owner == Table().Handle() ? "" : " unowned"),
                       "Do you want to abort the current game?|Morvane Solitaire|36");
             EXPECT_EQ(Table().Clock().SecondsLeft(), 165u) << "still running";
         }},
        {"by key: a stray release, a lost capture, Esc", true, true, [&] {
             MoveOver(b);
             Release();
             SetCapture(host.Handle()), ReleaseCapture();
             EXPECT_TRUE(Region(a)->IsDragging()) << "still held";
             Key(VK_ESCAPE);
         }},
        {"by key: a press", true, false, [&] { send(WM_LBUTTONDOWN, 400, 100); }},
        {"the window destroyed", false, false, [&] { DestroyWindow(Table().Handle()); }},
        {"by key: the window destroyed", true, false, [&] { DestroyWindow(Table().Handle()); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (!Table().Handle())
            SetUp(); // a game on a new table
        StartGame();
        std::tie(a, b) = FindPair();
        const auto before = std::tuple(Region(a)->CardCount(), Pile()->CardCount(), std::string());
        if (c.othersClip)
            ClipCursor(&others);
        if (c.byKey)
            FocusOn(a), Key(VK_RETURN), FocusOn(b);
        else
            Hold(a), MoveOver(b);
        ASSERT_TRUE(Region(a)->IsDragging());
        EXPECT_TRUE(c.byKey || PointerClippedTo(table));
        TakeSounds();
        c.end();
        EXPECT_FALSE(Region(a)->IsDragging() || dragRegion || GetCapture() || Table().Keyboard().HeldRegion());
        EXPECT_TRUE(PointerClippedTo(c.othersClip ? others : screen));
        const std::string sounds = TakeSounds();
        EXPECT_TRUE(sounds.find("115") == sounds.npos && sounds.find("116") == sounds.npos) << sounds;
        EXPECT_EQ(std::tuple(Region(a)->CardCount(), Pile()->CardCount(), CardsAccounted()), before);
        ClipCursor(nullptr);
    }
}

// A new game's introduction goes out onto the table as at the first start:
// after F2 and Yes in a level, without the level's number and its drained
// bar; after a game over, without the old cards or the game-over picture
// (compared there without the panels, the bar and the banner, hidden then).
TEST_F(GameFlowTest, ANewGamesIntroductionGoesOutOntoTheTableAsAtTheFirstStart)
{
    MemorySurface intros[3] = {{706, 500}, {706, 500}, {706, 500}};
    PumpMessages(); // the children paint, as before the program's first command
    platform.messageBoxAnswer = IDYES;
    for (MemorySurface& kept : intros) {
        RunInsideNextLoop([&] {
            BitBlt(kept.Context(), 0, 0, 706, 500, Table().Transition().Snapshot(), 0, 0, SRCCOPY);
            ClickScreenAway();
        });
        game->NewGame(false);
        platform.now += 80000;
        SendMessageA(Table().Clock().Window(), WM_TIMER, countdown::timerId, 0);
        if (&kept == &intros[1])
            ClickNextScreenAway(), TimeUp();
    }
    BitBlt(intros[2].Context(), 0, 0, 706, 100, intros[0].Context(), 0, 0, SRCCOPY);
    BitBlt(intros[2].Context(), 660, 0, 46, 500, intros[0].Context(), 660, 0, SRCCOPY);
    BitBlt(intros[2].Context(), 0, 450, 706, 50, intros[0].Context(), 0, 450, SRCCOPY);
    EXPECT_EQ(intros[1].CountDifferences(intros[0]), 0) << "after F2 and Yes";
    EXPECT_EQ(intros[2].CountDifferences(intros[0]), 0) << "after a game over";
}

// Outside a level a pause does nothing: not before the first game, during
// an introduction (nor the deal after it, as little in play) or after a
// game over. In play a card in hand (by keys, by mouse) goes home, sounds
// stop, Undo waits and the "Paused" screen hides the cards, the panels and
// the bar; keys play nothing. An hour away counts nothing: each way back in
// shows the bar as it stood, and a tick then leaves it there; time asleep
// counts nothing either. From a pause New game asks first: No keeps the
// pause, Yes brings the introduction over the table, not over the pause.
TEST_F(GameFlowTest, APauseOnlyInPlayHoldsTheCountdownAndHidesTheTable)
{
    const auto pauseFails = [this] { game->Pause(); EXPECT_FALSE(game->IsPaused()); };
    RunInsideNextLoop([&] { pauseFails(); ClickScreenAway(); });
    game->NewGame(false);
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
        EXPECT_FALSE(game->IsPaused() || Table().Keyboard().FocusShown());
        EXPECT_EQ(MemorySurface(Table().Clock().Window()).CountDifferences(bar), 0);
        EXPECT_EQ(Table().Clock().SecondsLeft(), left);
    }
    game->Pause();
    platform.messageBoxAnswer = IDNO;
    game->NewGame(false);
    EXPECT_TRUE(game->IsPaused() && platform.messages.size() == 1);
    MemorySurface snapshot(2, 1);
    RunInsideNextLoop([&] {
        BitBlt(snapshot.Context(), 0, 0, 2, 1, Table().Transition().Snapshot(), 550, 150, SRCCOPY);
        pauseFails(), ClickScreenAway();
    });
    platform.messageBoxAnswer = IDYES;
    game->NewGame(false);
    EXPECT_EQ(snapshot.Pixel(0, 0), snapshot.Pixel(1, 0)) << "one colour: the empty table";
    EXPECT_EQ(GetWindowLongPtrA(Table().Handle(), GWLP_WNDPROC), GetClassLongPtrA(Table().Handle(), GCLP_WNDPROC));
    ClickNextScreenAway();
    TimeUp();
    pauseFails();
}

} // namespace
