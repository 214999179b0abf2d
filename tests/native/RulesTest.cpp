#include "cardlib/core/Rules.h"

#include <gtest/gtest.h>

namespace {

// The region pointer is only handed through; a marker stands in for one.
CardRegion* const someRegion = reinterpret_cast<CardRegion*>(static_cast<std::uintptr_t>(0x1000));

bool AllowTwoOrMore(CardRegion*, int count) { return count >= 2; }

TEST(Rules, DefaultsAskWithoutCallbackAndOutOfRangeValues)
{
    RegionRules rules;
    EXPECT_EQ(rules.DragRuleValue(), DragAny);
    EXPECT_EQ(rules.DropRuleValue(), DropAccept);
    EXPECT_TRUE(rules.SetDragRule(DragAsk, nullptr));
    EXPECT_TRUE(rules.SetDropRule(DropAsk, nullptr));
    EXPECT_FALSE(rules.CanDrag(someRegion, 1, true)) << "Ask without a callback refuses";
    EXPECT_FALSE(rules.CanDrop(someRegion, nullptr, true)) << "Ask without a callback refuses";
    rules.SetDragRule(DragAsk, AllowTwoOrMore);
    for (int bad : {-1, 4, 100}) {
        EXPECT_FALSE(rules.SetDragRule(bad, nullptr)) << bad;
        EXPECT_FALSE(rules.SetDropRule(bad == 4 ? 3 : bad, nullptr)) << bad;
        EXPECT_EQ(rules.DragRuleValue(), DragAsk) << bad;
        EXPECT_EQ(rules.DropRuleValue(), DropAsk) << bad;
        EXPECT_TRUE(rules.CanDrag(someRegion, 2, true)) << "callback kept after " << bad;
    }
    const int styles[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {1000, 0}};
    for (const auto& s : styles)
        EXPECT_EQ(ValidEmptyStyle(s[0]), s[1]) << "empty style " << s[0];
}

} // namespace
