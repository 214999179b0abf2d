#include "tests/win32/game/GameFixture.h"

#include "cardlib/core/CardText.h"
#include "tests/win32/support/MemorySurface.h"

namespace {

// Seed 1 deals, among others, the ace of hearts to 22, the nine of clubs to
// 23, the jack of clubs to 24 and the queen of spades to 27.
class KeyboardPlayTest : public GameFixture {
protected:
    void Move(int from, int to) { FocusOn(from), Key(VK_RETURN), FocusOn(to), Key(VK_RETURN); }
};

TEST_F(KeyboardPlayTest, ARefusalAPutBackAndAPairByKeys)
{
    StartGame();
    TakeSounds();
    Move(22, 23);
    EXPECT_EQ(TakeSounds(), "115@23");
    EXPECT_TRUE(Region(22)->CardCount() == 1 && !Region(22)->IsDragging() && !game->CanUndo());
    FocusOn(22);
    Key(VK_RETURN);
    EXPECT_TRUE(Region(22)->IsDragging() && Region(22)->CardCount() == 0);
    FocusOn(23); // the frame leaves the lifted card: the table shows again below it
    EXPECT_TRUE(MemorySurface(Table().Handle()).Pixel(150, 456) == 0x644000u);
    FocusOn(22);
    Key(VK_SPACE); // on its own place: put back, no refusal
    EXPECT_TRUE(Region(22)->CardCount() == 1 && !Region(22)->IsDragging() && TakeSounds().empty());
    FocusOn(24);
    Key(VK_RETURN);
    Key(VK_TAB);
    EXPECT_EQ(Table().Keyboard().FocusedRegion(), Region(25)) << "the held card reads in its own row";
    Key(VK_ESCAPE);
    Move(22, 27);
    EXPECT_EQ(TakeSounds(), "116@23");
    EXPECT_TRUE(Pile()->CardCount() == 2 && !Region(22)->IsVisible() && !Region(27)->IsVisible() && game->CanUndo());
    ExpectPanels(1, 14);
    EXPECT_NE(Table().Keyboard().FocusedRegion(), nullptr) << "the frame stays on the table";
}

// Easy's placeholder takes a card by key; a card held by key stays in hand
// through Undo.
TEST_F(KeyboardPlayTest, APlacementInEasyAndNoUndoWhileACardIsHeld)
{
    game->SetDifficulty(difficultyEasy);
    StartGame();
    Region(31)->MoveCards(Pile(), 3, false);
    game->UpdatePlaceholder(Region(31));
    TakeSounds();
    Move(23, 31);
    EXPECT_TRUE(StackText(*Region(31)->Cards()) == "9C" && !Region(23)->IsVisible() && game->CanUndo());
    FocusOn(24);
    Key(VK_RETURN);
    game->Undo();
    EXPECT_TRUE(Region(31)->CardCount() == 1 && Region(24)->IsDragging()) << "no undo while a card is held";
}

// The frame (yellow and black dashes round stack 29's top card at (41, 10),
// first in reading order) and the hint's (cyan, round 22 at (147, 370)) go
// at a mouse press, leaving the table as it was. H with a card held shows
// where that card may go; H with no move only sounds.
TEST_F(KeyboardPlayTest, TheMarksLeaveNothingBehindAndHintsForTheTableOrTheHeldCard)
{
    StartGame();
    TakeSounds();
    InvalidateRect(Table().Handle(), nullptr, FALSE); // the table as a whole paint shows it
    UpdateWindow(Table().Handle());
    const MemorySurface before(Table().Handle());
    Key(VK_TAB);
    Key('H');
    const MemorySurface marked(Table().Handle());
    EXPECT_TRUE(marked.Pixel(39, 14) == 0x00FFFFu && marked.Pixel(40, 10) == 0u);
    EXPECT_TRUE(marked.Pixel(145, 374) == 0xFFFF00u && marked.Pixel(146, 370) == 0u);
    Click(Table().Handle(), 400, 100);
    SendMessageA(Table().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(400, 100));
    EXPECT_EQ(MemorySurface(Table().Handle()).CountDifferences(before), 0);
    EXPECT_TRUE(TakeSounds().empty() && !game->CanUndo() && CardsAccounted().empty());
    FocusOn(23), Key(VK_RETURN), Key('H'); // the nine's partner is 33's four, not the first pair's
    int x = 0, y = 0;
    Region(33)->Position(x, y);
    EXPECT_EQ(MemorySurface(Table().Handle()).Pixel(x + 22, y + 4), 0xFFFF00u) << "round 33's top card";
    Key(VK_ESCAPE);
    for (int id = 22; id <= lastSideStack; ++id)
        Region(id)->SetCards(ParseStack("5C"));
    Key('H');
    EXPECT_EQ(TakeSounds(), "115@23");
}

} // namespace
