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
    asked.region = region;
    asked.count = count;
    ++asked.calls;
    return count >= 2;
}

bool AcceptQueens(CardRegion* region, const CardStack* dragged)
{
    asked.region = region;
    asked.dragged = dragged;
    ++asked.calls;
    return FaceValueOf(dragged->At(0)) == 12;
}

TEST(DragRules, DecideByRuleAndCount)
{
    struct Case {
        int rule;
        int count;
        bool expected;
    };
    const Case cases[] = {{DragNone, 1, false}, {DragTopCard, 1, true}, {DragTopCard, 2, false},
                          {DragAny, 1, true},   {DragAny, 5, true},     {DragAny, 0, false},
                          {DragAny, -1, false}, {DragAsk, 1, false},    {DragAsk, 2, true}};
    for (const Case& c : cases) {
        RegionRules rules;
        ASSERT_TRUE(rules.SetDragRule(c.rule, AllowTwoOrMore));
        EXPECT_EQ(rules.CanDrag(someRegion, c.count, true), c.expected) << c.rule << " " << c.count;
    }
}

TEST(DragRules, TheCallbackIsAskedWithRegionAndCount)
{
    RegionRules rules;
    rules.SetDragRule(DragAsk, AllowTwoOrMore);
    asked = Asked{};
    EXPECT_TRUE(rules.CanDrag(someRegion, 3, true));
    EXPECT_EQ(asked.region, someRegion);
    EXPECT_EQ(asked.count, 3);
    asked = Asked{};
    EXPECT_FALSE(rules.CanDrag(someRegion, 0, true));
    EXPECT_EQ(asked.calls, 0) << "nothing to take: nobody asked";
    EXPECT_FALSE(rules.CanDrag(someRegion, 3, false));
    EXPECT_EQ(asked.calls, 0) << "a held lock refuses before the callback";
}

TEST(DragRules, AskWithoutCallbackRefusesAndBadRulesChangeNothing)
{
    RegionRules rules;
    EXPECT_EQ(rules.DragRuleValue(), DragAny);
    EXPECT_TRUE(rules.SetDragRule(DragAsk, nullptr));
    EXPECT_FALSE(rules.CanDrag(someRegion, 1, true)) << "Ask without a callback refuses";
    EXPECT_TRUE(rules.SetDragRule(DragAsk, AllowTwoOrMore));
    for (int bad : {-1, 4, 100}) {
        EXPECT_FALSE(rules.SetDragRule(bad, nullptr)) << bad;
        EXPECT_EQ(rules.DragRuleValue(), DragAsk) << bad;
        EXPECT_TRUE(rules.CanDrag(someRegion, 2, true)) << "callback kept after " << bad;
    }
}

TEST(DropRules, DecideByRuleAndCallback)
{
    CardStack queen = ParseStack("QH");
    CardStack king = ParseStack("KH");
    struct Case {
        int rule;
        const CardStack* dragged;
        bool lockFree;
        bool expected;
    };
    const Case cases[] = {{DropRefuse, &queen, true, false}, {DropAccept, &king, true, true},
                          {DropAccept, &king, false, false}, {DropAsk, &queen, true, true},
                          {DropAsk, &king, true, false},     {DropAsk, &queen, false, false}};
    for (const Case& c : cases) {
        RegionRules rules;
        ASSERT_TRUE(rules.SetDropRule(c.rule, AcceptQueens));
        asked = Asked{};
        EXPECT_EQ(rules.CanDrop(someRegion, c.dragged, c.lockFree), c.expected) << c.rule;
        if (c.rule == DropAsk && c.lockFree) {
            EXPECT_EQ(asked.dragged, c.dragged);
            EXPECT_EQ(asked.region, someRegion);
        }
    }
}

TEST(DropRules, OutOfRangeRulesChangeNothing)
{
    RegionRules rules;
    EXPECT_EQ(rules.DropRuleValue(), DropAccept);
    EXPECT_TRUE(rules.SetDropRule(DropAsk, nullptr));
    EXPECT_FALSE(rules.CanDrop(someRegion, nullptr, true)) << "Ask without a callback refuses";
    EXPECT_TRUE(rules.SetDropRule(DropAsk, AcceptQueens));
    EXPECT_TRUE(rules.SetDropRule(DropRefuse, nullptr));
    EXPECT_TRUE(rules.SetDropRule(DropAccept, nullptr));
    for (int bad : {-1, 3, 9}) {
        EXPECT_FALSE(rules.SetDropRule(bad, nullptr)) << bad;
        EXPECT_EQ(rules.DropRuleValue(), DropAccept) << bad;
    }
}

TEST(EmptyStyles, UnknownValuesFallBackToBackground)
{
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {1000, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(ValidEmptyStyle(c[0]), c[1]) << c[0];
}

} // namespace
