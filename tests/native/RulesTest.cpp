#include "cardlib/core/CardStack.h"
#include "cardlib/core/CardText.h"
#include "cardlib/core/Rules.h"

#include <gtest/gtest.h>

namespace {

// The region pointer is only handed through; a marker stands in for one.
CardRegion* const someRegion = reinterpret_cast<CardRegion*>(static_cast<std::uintptr_t>(0x1000));

struct Asked {
    CardRegion* region = nullptr;
    int count = -1;
    const CardStack* dragged = nullptr;
    int calls = 0;
};
Asked asked;

bool AllowTwoOrMore(CardRegion* region, int count)
{
    asked = {region, count, nullptr, asked.calls + 1};
    return count >= 2;
}

bool AcceptQueens(CardRegion* region, const CardStack* dragged)
{
    asked = {region, -1, dragged, asked.calls + 1};
    return FaceValueOf(dragged->At(0)) == 12;
}

// The callback is asked only when the lock is free and there is something
// to take; it sees the region and the count.
TEST(DragRules, DecideByRuleLockAndCount)
{
    const struct {
        int rule, count;
        bool lockFree, expected;
        int asks;
    } cases[] = {{DragNone, 1, true, false, 0}, {DragTopCard, 1, true, true, 0}, {DragTopCard, 2, true, false, 0},
                 {DragAny, 5, true, true, 0},   {DragAny, 0, true, false, 0},    {DragAny, -1, true, false, 0},
                 {DragAny, 1, false, false, 0}, {DragAsk, 1, true, false, 1},    {DragAsk, 3, true, true, 1},
                 {DragAsk, 0, true, false, 0},  {DragAsk, 3, false, false, 0}};
    for (const auto& c : cases) {
        RegionRules rules;
        ASSERT_TRUE(rules.SetDragRule(c.rule, AllowTwoOrMore));
        asked = Asked{};
        EXPECT_EQ(rules.CanDrag(someRegion, c.count, c.lockFree), c.expected) << c.rule << " " << c.count;
        EXPECT_EQ(asked.calls, c.asks) << c.rule << " " << c.count;
        if (c.asks) {
            EXPECT_EQ(asked.region, someRegion);
            EXPECT_EQ(asked.count, c.count);
        }
    }
}

TEST(DropRules, DecideByRuleLockAndCallback)
{
    CardStack queen = ParseStack("QH");
    CardStack king = ParseStack("KH");
    const struct {
        int rule;
        const CardStack* dragged;
        bool lockFree, expected;
    } cases[] = {{DropRefuse, &queen, true, false}, {DropAccept, &king, true, true},
                 {DropAccept, &king, false, false}, {DropAsk, &queen, true, true},
                 {DropAsk, &king, true, false},     {DropAsk, &queen, false, false}};
    for (const auto& c : cases) {
        RegionRules rules;
        ASSERT_TRUE(rules.SetDropRule(c.rule, AcceptQueens));
        asked = Asked{};
        EXPECT_EQ(rules.CanDrop(someRegion, c.dragged, c.lockFree), c.expected) << c.rule;
        EXPECT_EQ(asked.dragged, c.rule == DropAsk && c.lockFree ? c.dragged : nullptr) << c.rule;
    }
}

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
