#include "tests/win32/game/GameFixture.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/CardText.h"

namespace {

class GameFlowTest : public GameFixture {
protected:
    CardRegion* Pile() { return Region(removedPileId); }
    // Lays `count` cards of the side stacks (29 first) on the removed pile
    // and hides the stacks they empty.
    void RemoveFromStacks(int count)
    {
        for (int id = firstSideStack; id <= lastSideStack && count > 0; ++id) {
            while (count > 0 && Region(id)->CardCount() > 0) {
                Region(id)->MoveCards(Pile(), 1, false);
                --count;
            }
            Region(id)->SetVisible(Region(id)->CardCount() > 0);
        }
    }
    // Leaves one open pair on the table, every other card on the removed pile.
    std::pair<int, int> LeaveOnePair()
    {
        const std::pair<int, int> pair = FindPair();
        for (int id = 1; id <= lastSideStack; ++id) {
            CardRegion* region = Region(id);
            const int keep = id == pair.first || id == pair.second ? 1 : 0;
            const CardStack top = region->Cards()->PopTop(keep);
            region->MoveCards(Pile(), region->CardCount(), false);
            region->SetCards(top);
            region->SetVisible(keep != 0);
        }
        return pair;
    }
    void ClickNextLevelButton()
    {
        const Rect place = Table().FindButton(nextLevelButtonId)->Placement();
        const LPARAM at = MAKELPARAM(place.left + 5, place.top + 5);
        SendMessageA(Table().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(Table().Handle(), WM_LBUTTONUP, 0, at);
    }
    void ExpectPanels(int level, int remaining)
    {
        EXPECT_EQ(Table().LevelPanel().Value(), level);
        EXPECT_EQ(Table().CardsPanel().Value(), remaining);
    }
};

TEST_F(GameFlowTest, DealPairsRefusalsAndUndo)
{
    StartGame();
    EXPECT_EQ(TakeSounds(), "137@15 stop@0");
    const int dealt[] = {4, 4, 3, 3, 3, 3};
    for (int id = firstSideStack; id <= lastSideStack; ++id)
        EXPECT_EQ(Region(id)->CardCount(), dealt[id - firstSideStack]) << id;
    EXPECT_EQ(CardsAccounted(), "");
    ExpectPanels(1, 16);
    EXPECT_EQ(Table().Clock().SecondsLeft(), 170u);
    EXPECT_TRUE(game->IsPlaying());
    EXPECT_FALSE(game->CanUndo());

    Hold(1); // covered: nothing to pick up, no sound
    EXPECT_FALSE(Region(1)->IsDragging());
    Release();
    Drag(22, 22); // back onto its own, now empty, place
    EXPECT_EQ(TakeSounds(), "115@23");
    EXPECT_EQ(Region(22)->CardCount(), 1);
    int other = 23;
    while (Face(22) + Face(other) == 13)
        ++other;
    Drag(22, other);
    EXPECT_EQ(TakeSounds(), "115@23");
    EXPECT_EQ(Region(22)->CardCount(), 1);
    EXPECT_FALSE(game->CanUndo());

    const auto [a, b] = FindPair();
    ASSERT_NE(a, 0);
    const std::string before = StackText(*Region(a)->Cards()) + "|" + StackText(*Region(b)->Cards());
    Drag(a, b);
    EXPECT_EQ(TakeSounds(), "116@23");
    EXPECT_EQ(Pile()->CardCount(), 2);
    ExpectPanels(1, 14);
    EXPECT_TRUE(game->CanUndo());
    game->Undo();
    EXPECT_EQ(TakeSounds(), "115@23");
    EXPECT_EQ(StackText(*Region(a)->Cards()) + "|" + StackText(*Region(b)->Cards()), before);
    EXPECT_TRUE(Region(a)->IsVisible() && Region(b)->IsVisible());
    ExpectPanels(1, 16);
    EXPECT_FALSE(game->CanUndo());
    EXPECT_EQ(CardsAccounted(), "");
}

// Easy: the first emptied stack stays for one card; a second one goes.
TEST_F(GameFlowTest, EasyKeepsOnePlaceholder)
{
    game->SetDifficulty(difficultyEasy);
    StartGame();
    Region(29)->SetCards(ParseStack("QS"));
    Region(30)->SetCards(ParseStack("4C"));
    Region(31)->SetCards(ParseStack("AD"));
    Region(22)->SetCards(ParseStack("9H"));
    Region(23)->SetCards(ParseStack("4D"));
    Region(28)->SetCards(ParseStack("9S"));
    TakeSounds();
    Drag(29, 31);
    EXPECT_EQ(TakeSounds(), "116@23");
    EXPECT_TRUE(Region(29)->IsVisible()) << "the placeholder";
    EXPECT_FALSE(Region(31)->IsVisible());
    Drag(22, 29); // placement: no sound
    EXPECT_EQ(TakeSounds(), "");
    EXPECT_EQ(StackText(*Region(29)->Cards()), "9H");
    EXPECT_FALSE(Region(22)->IsVisible());
    Drag(23, 29); // 4 + 9: the placed card pairs away, 29 stays
    EXPECT_TRUE(Region(29)->IsVisible());
    Drag(30, 29); // the last card of 30 on the placeholder: 30 takes over
    EXPECT_TRUE(Region(30)->IsVisible());
    EXPECT_EQ(StackText(*Region(29)->Cards()), "4C");
    game->Undo();
    EXPECT_EQ(TakeSounds(), "116@23 115@23");
    EXPECT_EQ(StackText(*Region(29)->Cards()) + "|" + StackText(*Region(30)->Cards()), "|4C");
    EXPECT_TRUE(Region(29)->IsVisible() && Region(30)->IsVisible());
    game->SetDifficulty(difficultyNormal);
    TakeSounds();
    Drag(28, 29); // placed on the placeholder, then paired away in Normal
    Drag(30, 29);
    EXPECT_FALSE(Region(29)->IsVisible());
    EXPECT_FALSE(Region(30)->IsVisible());
}

TEST_F(GameFlowTest, TargetReachedUndoneThenTheButtonFails)
{
    StartGame();
    RemoveFromStacks(14);
    ExpectPanels(1, 16);
    const auto [a, b] = FindPair();
    ASSERT_NE(a, 0);
    TakeSounds();
    Drag(a, b);
    EXPECT_EQ(TakeSounds(), "116@23 119@7");
    EXPECT_TRUE(ButtonShown());
    ExpectPanels(1, 0);
    game->Undo();
    ExpectPanels(1, 2);
    EXPECT_TRUE(ButtonShown()) << "undo leaves the button";
    TakeSounds();
    RunInsideNextLoop([this] {
        EXPECT_EQ(Table().ScreenMode(), GameOverScreen);
        EXPECT_FALSE(game->IsPlaying());
        game->NewGame(false); // a new game waits until the screen has gone
        ClickScreenAway(Table());
    });
    ClickNextLevelButton();
    EXPECT_EQ(TakeSounds(), "138@7");
    ExpectPanels(-1, -1);
    EXPECT_FALSE(ButtonShown());
    EXPECT_FALSE(Table().Clock().IsRunning());
    EXPECT_TRUE(game->IsPlaying()) << "New game stays open";
    EXPECT_FALSE(game->CanUndo());
    StartGame(IDNO); // no question after a game over
    EXPECT_TRUE(platform.messages.empty());
    ExpectPanels(1, 16);
    EXPECT_TRUE(game->IsPlaying());
}

TEST_F(GameFlowTest, ButtonPassesTheLevelAndTheLastCardPassesAtOnce)
{
    StartGame();
    RemoveFromStacks(14);
    Drag(FindPair().first, FindPair().second);
    TakeSounds();
    RunInsideNextLoop([this] {
        EXPECT_EQ(Table().ScreenMode(), LevelScreen);
        ExpectPanels(1, 18);
        EXPECT_FALSE(game->IsPlaying());
        ClickScreenAway(Table());
    });
    ClickNextLevelButton();
    EXPECT_EQ(TakeSounds(), "119@7 137@15 stop@0");
    ExpectPanels(2, 18);
    EXPECT_EQ(Table().Clock().SecondsLeft(), 160u);
    EXPECT_EQ(CardsAccounted(), "");

    const auto [a, b] = LeaveOnePair();
    platform.now += 30000;
    ClickNextScreenAway(Table());
    Drag(a, b);
    EXPECT_EQ(TakeSounds(), "116@23 119@7 137@15 stop@0");
    ExpectPanels(3, 20);
    EXPECT_EQ(Table().Clock().SecondsLeft(), 150u);
    EXPECT_FALSE(game->CanUndo());
    for (int id = 1; id <= lastSideStack; ++id)
        EXPECT_TRUE(Region(id)->IsVisible()) << id;
    EXPECT_EQ(CardsAccounted(), "");
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(GameFlowTest, QuitWhileTheScreenAfterTheLastCardWaits)
{
    StartGame();
    const auto [a, b] = LeaveOnePair();
    RunInsideNextLoop([] { PostQuitMessage(3); });
    Drag(a, b);
    WPARAM code = 0;
    EXPECT_TRUE(TakeQuitMessage(&code));
    EXPECT_EQ(code, 3u);
    EXPECT_FALSE(game->IsPlaying());
    EXPECT_FALSE(game->CanUndo());
    EXPECT_EQ(Pile()->CardCount(), 48);
    EXPECT_EQ(CardsAccounted(), "");
}

TEST_F(GameFlowTest, TimeRunsOutAndTheQuestionOnNewGame)
{
    StartGame();
    platform.now += 5000;
    platform.messageBoxAnswer = IDNO;
    game->NewGame(false);
    ASSERT_EQ(platform.messages.size(), 1u);
    const FakePlatform::Message& asked = platform.messages[0];
    EXPECT_EQ(asked.text, "Do you want to abort the current game?");
    EXPECT_EQ(asked.caption, "Morvane Solitaire");
    EXPECT_EQ(asked.flags, 0x24u);
    EXPECT_EQ(asked.owner, static_cast<void*>(Table().Handle()));
    platform.messageBoxAnswer = IDCANCEL; // any answer but Yes goes on playing
    game->NewGame(false);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_TRUE(Table().Clock().IsRunning());
    EXPECT_EQ(Table().Clock().SecondsLeft(), 165u);
    TakeSounds();
    ClickNextScreenAway(Table());
    TimeUp();
    EXPECT_EQ(TakeSounds(), "138@7");
    ExpectPanels(-1, -1);
}

// A level that ends while a card is held: the card goes home first, with
// no move made; Undo while holding does nothing.
TEST_F(GameFlowTest, ACardInHandGoesHomeWhenTheLevelEnds)
{
    StartGame();
    const auto [a, b] = FindPair();
    Drag(a, b);
    Hold(22 + (a == 22 || b == 22));
    const int held = 22 + (a == 22 || b == 22);
    game->Undo();
    EXPECT_EQ(Pile()->CardCount(), 2) << "no undo mid-drag";
    platform.messageBoxAnswer = IDNO;
    game->NewGame(false);
    EXPECT_FALSE(Region(held)->IsDragging());
    EXPECT_EQ(Region(held)->CardCount(), 1);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(game->CanUndo()) << "the pair, not the held card";

    Hold(held);
    TakeSounds();
    RunInsideNextLoop([&] {
        EXPECT_EQ(Region(held)->CardCount(), 1);
        EXPECT_FALSE(Region(held)->IsDragging());
        ClickScreenAway(Table());
    });
    TimeUp();
    Release();
    SendMessageA(Table().Handle(), WM_CAPTURECHANGED, 0, 0);
    EXPECT_EQ(TakeSounds(), "138@7");
    EXPECT_EQ(Region(held)->CardCount(), 1);
    EXPECT_TRUE(Region(held)->IsVisible());
    EXPECT_EQ(CardsAccounted(), "");

    // A capture lost while input is off: home, no rule asked.
    StartGame();
    Hold(held);
    Table().SetInputEnabled(false);
    ReleaseCapture();
    Table().SetInputEnabled(true);
    EXPECT_EQ(Region(held)->CardCount(), 1);
    EXPECT_FALSE(game->CanUndo());
    EXPECT_EQ(CardsAccounted(), "");
}

} // namespace
