#include "cardlib/core/Rules.h"

#include <gtest/gtest.h>

namespace {

// The region pointer is only handed through; a marker stands in for one.
CardRegion* const someRegion = reinterpret_cast<CardRegion*>(static_cast<std::uintptr_t>(0x1000));

bool AllowTwoOrMore(CardRegion*, int count) { return count >= 2; }

TEST(Rules, DefaultsAndAskWithoutACallbackRefuses)
{
    RegionRules rules;
    EXPECT_EQ(rules.DragRuleValue(), DragAny);
    EXPECT_EQ(rules.DropRuleValue(), DropAccept);
    EXPECT_TRUE(rules.SetDragRule(DragAsk, nullptr));
    EXPECT_TRUE(rules.SetDropRule(DropAsk, nullptr));
    EXPECT_FALSE(rules.CanDrag(someRegion, 1, true)) << "Ask without a callback refuses";
    EXPECT_FALSE(rules.CanDrop(someRegion, nullptr, true)) << "Ask without a callback refuses";
    rules.SetDragRule(DragAsk, AllowTwoOrMore);
    EXPECT_TRUE(rules.CanDrag(someRegion, 2, true));
    EXPECT_FALSE(rules.CanDrag(someRegion, 1, true));
}

} // namespace
