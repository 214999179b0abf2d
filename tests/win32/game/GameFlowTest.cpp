#include "tests/win32/game/GameFixture.h"

#include "cardlib/core/CardText.h"

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

// A level that ends while a card is held: the card goes home first, with
// no move made; Undo while holding does nothing. New game asks first.
TEST_F(GameFlowTest, ACardInHandGoesHomeWhenTheLevelEnds)
{
    StartGame();
    platform.now += 5000;
    const auto [a, b] = FindPair();
    Drag(a, b);
    const int held = a == 22 || b == 22 ? 23 : 22;
    Hold(held);
    game->Undo();
    EXPECT_EQ(Pile()->CardCount(), 2) << "no undo mid-drag";
    platform.messageBoxAnswer = IDNO;
    game->NewGame(false);
    ASSERT_EQ(platform.messages.size(), 1u);
    const FakePlatform::Message& asked = platform.messages[0];
    EXPECT_EQ(asked.text + "|" + asked.caption, "Do you want to abort the current game?|Morvane Solitaire");
    EXPECT_EQ(std::pair(asked.flags, asked.owner), std::pair(0x24u, static_cast<void*>(Table().Handle())));
    EXPECT_EQ(Table().Clock().SecondsLeft(), 165u) << "still running";
    EXPECT_EQ(std::tuple(Region(held)->IsDragging(), Region(held)->CardCount(), GetCapture()), std::tuple(false, 1, HWND{}));

    Hold(held);
    TakeSounds();
    RunInsideNextLoop([&] {
        EXPECT_EQ(std::pair(Region(held)->CardCount(), Region(held)->IsDragging()), std::pair(1, false));
        ClickScreenAway();
    });
    TimeUp();
    Release();
    EXPECT_EQ(TakeSounds(), "138@7");
    ExpectPanels(-1, -1);
    EXPECT_EQ(std::to_string(Region(held)->CardCount()) + CardsAccounted(), "1");

    // A capture lost while input is off: home, no rule asked.
    StartGame();
    Hold(held);
    Table().SetInputEnabled(false);
    ReleaseCapture();
    Table().SetInputEnabled(true);
    EXPECT_EQ(std::pair(Region(held)->CardCount(), game->CanUndo()), std::pair(1, false));
    EXPECT_EQ(TakeSounds(), "137@15 stop@0");
}

// After a game over the next introduction goes out onto the same empty
// table as the first: not the old cards, nor the game-over picture.
// Compared below the panels, above the banner (hidden after a game over)
// and left of the bar.
TEST_F(GameFlowTest, AfterAGameOverTheIntroductionGoesOutOntoTheEmptyTable)
{
    MemorySurface snapshots[2] = {{660, 350}, {660, 350}};
    for (MemorySurface& kept : snapshots) {
        RunInsideNextLoop([&] {
            BitBlt(kept.Context(), 0, 0, 660, 350, Table().Transition().Snapshot(), 0, 100, SRCCOPY);
            ClickScreenAway();
        });
        game->NewGame(false);
        ClickNextScreenAway();
        TimeUp();
    }
    EXPECT_EQ(snapshots[1].CountDifferences(snapshots[0]), 0);
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
