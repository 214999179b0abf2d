#include "cardlib/CardRegion.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
