#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

TEST(CardRegionConfig, EveryCardShowsFaceUpAndInvisibleRegionsAreNeverHit)
{
    TestTable table(100, 100);
    CardRegion* region = table.Window().CreateRegion(1, true, 0, 0, 0, 20);
    CardStack stack = ParseStack("AC 2D 3H");
    stack.At(0).faceUp = false;
    stack.At(2).faceUp = false;
    region->SetCards(stack);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(region->Cards()->At(i).faceUp) << i;
    EXPECT_EQ(region->Height(), 136);
    region->SetVisible(false);
    EXPECT_FALSE(region->HitTest(10, 10));
}

// "AC 2D 3H" fanned right at (10, 10) moved onto "KS" fanned down, or onto
// itself; a move that would overfill the target (125 + 3 cards) or names no
// target is refused and loses nothing. Both regions are laid out again.
TEST(CardRegionMove, MovesTheTopCardsUnderProgramControl)
{
    const struct {
        int count;
        bool animate, toItself;
        int targetCards;
        bool result;
        const char* source;
        const char* target;
    } cases[] = {{2, true, false, 1, true, "AC", "KS 2D 3H"},        {0, true, false, 1, true, "AC 2D 3H", "KS"},
                 {3, false, false, 1, true, "", "KS AC 2D 3H"},      {4, false, false, 1, false, "AC 2D 3H", "KS"},
                 {-1, false, false, 1, false, "AC 2D 3H", "KS"},     {2, true, true, 1, true, "AC 2D 3H", "AC 2D 3H"},
                 {3, false, false, 125, false, "AC 2D 3H", "125"},   {2, false, false, 125, true, "AC", "127"}};
    for (const auto& c : cases) {
        TestTable table(300, 200);
        CardRegion* source = table.Region(1, 10, 10, 12, 0, "AC 2D 3H");
        CardRegion* target = c.toItself ? source : table.Region(2, 150, 10, 0, 15);
        CardStack cards = ParseStack("KS");
        while (cards.Count() < c.targetCards)
            cards.Push(Card{1, true});
        if (!c.toItself)
            target->SetCards(cards);
        EXPECT_EQ(source->MoveCards(target, c.count, c.animate), c.result) << c.count;
        EXPECT_EQ(StackText(*source->Cards()), c.source) << c.count;
        std::string held = target->CardCount() > 100 ? std::to_string(target->CardCount()) : StackText(*target->Cards());
        EXPECT_EQ(held, c.target) << c.count;
        if (!c.toItself) {
            EXPECT_EQ(target->Height(), 96 + 15 * (target->CardCount() - 1)) << c.count;
            EXPECT_EQ(source->Width(), 71 + 12 * std::max(source->CardCount() - 1, 0)) << c.count;
        }
    }
    TestTable table(100, 100);
    EXPECT_FALSE(table.Window().CreateRegion(1, true, 0, 0, 0, 0)->MoveCards(nullptr, 1, false));
}

} // namespace
