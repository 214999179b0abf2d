#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

// Input switched off drops presses, double clicks and releases alike.
TEST(CardWindowInput, SwitchedOffItDropsEveryPress)
{
    TestTable table(200, 100);
    CardButton* button = table.Window().CreateButton(10, "Go", PushButton, true, 60, 40, 100, 30);
    table.Window().SetInputEnabled(false);
    table.Press(130, 55);
    table.DoubleClick(130, 55);
    EXPECT_FALSE(button->IsPressed());
    table.Window().SetInputEnabled(true);
    table.Press(130, 55);
    table.Window().SetInputEnabled(false);
    table.Release(130, 55);
    EXPECT_TRUE(button->IsPressed()) << "the release is dropped too";
}

TEST(CardWindowCreate, AtMostFortyRegionsAndThirtyTwoButtons)
{
    TestTable table(100, 100);
    for (int i = 0; i < 40; ++i)
        ASSERT_NE(table.Window().CreateRegion(i, true, 0, 0, 0, 0), nullptr) << i;
    EXPECT_EQ(table.Window().CreateRegion(40, true, 0, 0, 0, 0), nullptr);
    for (int i = 0; i < 32; ++i)
        ASSERT_NE(table.Window().CreateButton(i, "b", PushButton, true, 0, 0, 10, 10), nullptr) << i;
    EXPECT_EQ(table.Window().CreateButton(32, "one too many", PushButton, true, 0, 0, 10, 10), nullptr);
}

// A move under program control that would overfill its target (128 cards
// or more), that names more cards than there are or no target, is refused
// whole. Plain moves are the game's own (its deal and its pairs).
TEST(CardRegionMove, MovesThatCannotBeMadeWholeAreRefused)
{
    TestTable table(300, 200);
    CardRegion* source = table.Region(1, 10, 10, 12, 0, "AC 2D 3H");
    CardRegion* target = table.Region(2, 150, 10, 0, 15);
    for (int i = 0; i < 125; ++i)
        target->Cards()->Push(Card{1, true});
    EXPECT_FALSE(source->MoveCards(target, 3, false));
    EXPECT_FALSE(source->MoveCards(target, 4, false));
    EXPECT_FALSE(source->MoveCards(target, -1, false));
    EXPECT_FALSE(source->MoveCards(nullptr, 1, false));
    EXPECT_EQ(source->CardCount(), 3);
    EXPECT_EQ(target->CardCount(), 125);
    EXPECT_TRUE(source->MoveCards(target, 2, false));
    EXPECT_EQ(target->CardCount(), 127);
}

int dropsSeen = 0;

// The deck, the palette and the drawing surfaces are shared by the
// windows; they go when the last window goes, and come back with the
// next. A window going forgets the press or the drag it held: no drop is
// played on a table that is being taken down.
TEST(CardWindowLifetime, SharedDeckAndGdiObjectsAndPressesGoWithTheirWindows)
{
    ASSERT_EQ(windowCount, 0);
    const long before = GdiObjectsOutstanding();
    for (const POINT press : {POINT{20, 160}, POINT{20, 50}}) {
        {
            TestTable first(300, 200);
            TestTable second(300, 200);
            for (CardWindow* window : {&first.Window(), &second.Window()}) {
                CardRegion* region = window->CreateRegion(1, true, 10, 10, 12, 0);
                region->SetCards(ParseStack("AC 2D 3H"));
                region->SetCardsAddedCallback([](CardRegion*, CardStack*) { ++dropsSeen; });
                window->CreateButton(3, "Go", PushButton, true, 10, 150, 60, 20);
                window->SetBackgroundColour(0x644000);
                window->Redraw();
            }
            second.Press(press.x, press.y);
            ASSERT_TRUE(pressedButton || dragRegion);
            EXPECT_GT(GdiObjectsOutstanding(), before + 3) << "strip, palette and surfaces are counted";
        }
        EXPECT_EQ(std::pair(pressedButton, dragRegion), (std::pair<CardButton*, CardRegion*>(nullptr, nullptr)));
        EXPECT_EQ(dropsSeen, 0);
    }
    EXPECT_EQ(windowCount, 0);
    EXPECT_EQ(GdiObjectsOutstanding(), before);
    EXPECT_EQ(cardWidth, 0);
    TestTable again(100, 100);
    EXPECT_EQ(cardWidth, 71);
}

} // namespace
