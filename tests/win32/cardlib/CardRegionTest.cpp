#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/LockHolder.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CardRegionDefaults, NewRegionIsOneCardAnyAcceptOutline)
{
    TestTable table(200, 150);
    table.Window().SetBackgroundColour(0x644000);
    CardRegion* region = table.Window().CreateRegion(7, true, 5, 6, 12, 3);
    EXPECT_EQ(region->Id(), 7);
    EXPECT_EQ(region->Width(), 71);
    EXPECT_EQ(region->Height(), 96);
    EXPECT_EQ(region->DragRuleValue(), DragAny);
    EXPECT_EQ(region->DropRuleValue(), DropAccept);
    EXPECT_EQ(region->GetEmptyStyle(), EmptyOutline);
    EXPECT_EQ(region->CardCount(), 0);
    EXPECT_FALSE(region->IsDragging());
    EXPECT_NE(region->Lock(), nullptr);
    int x = 0, y = 0;
    region->Position(x, y);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(y, 6);
    EXPECT_EQ(region->CountUnderPoint(10, 10), 0);
    EXPECT_FALSE(region->CanDrag(region->CountUnderPoint(10, 10))) << "an empty region gives nothing";
}

TEST(CardRegionConfig, EmptyStyleOutsideTheTableFallsBackToBackground)
{
    TestTable table(100, 100);
    CardRegion* region = table.Window().CreateRegion(1, true, 0, 0, 0, 0);
    const int cases[][2] = {{2, 2}, {0, 0}, {1, 1}, {3, 0}, {-4, 0}};
    for (const auto& c : cases) {
        region->SetEmptyStyle(c[0]);
        EXPECT_EQ(region->GetEmptyStyle(), c[1]) << c[0];
    }
}

TEST(CardRegionConfig, LayoutShowsEveryCardFaceUp)
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
    EXPECT_EQ(region->CardCountWithDrag(), 3);
    region->SetVisible(false);
    EXPECT_FALSE(region->HitTest(10, 10)) << "an invisible region is never hit";
    region->SetVisible(true);
    EXPECT_TRUE(region->HitTest(10, 10));
}

TEST(CardRegionLock, HeldByAnotherThreadItRefusesDragAndDrop)
{
    TestTable table(100, 100);
    CardRegion* region = table.Window().CreateRegion(1, true, 0, 0, 0, 0);
    region->SetCards(ParseStack("AC"));
    CardStack dragged = ParseStack("2C");
    EXPECT_TRUE(region->CanDrag(1));
    EXPECT_TRUE(region->CanDrop(&dragged));
    {
        LockHolder holder(region->Lock());
        ASSERT_TRUE(holder.Holding());
        EXPECT_FALSE(region->CanDrag(1));
        EXPECT_FALSE(region->CanDrop(&dragged));
    }
    EXPECT_TRUE(region->CanDrag(1)) << "the probe never keeps the lock";
    EXPECT_TRUE(region->CanDrop(&dragged));
}

struct Calls {
    CardRegion* region = nullptr;
    int count = 0;
    const CardStack* dragged = nullptr;
    int asks = 0;
};
Calls calls;

bool OnlyPairs(CardRegion* region, int count)
{
    calls.region = region;
    calls.count = count;
    ++calls.asks;
    return count == 2;
}

bool OnlyKings(CardRegion* region, const CardStack* dragged)
{
    calls.region = region;
    calls.dragged = dragged;
    ++calls.asks;
    return RankOf(dragged->At(0)) == 12;
}

TEST(CardRegionRules, CallbacksAreAskedWithTheRegion)
{
    TestTable table(100, 100);
    CardRegion* region = table.Window().CreateRegion(1, true, 0, 0, 0, 0);
    EXPECT_TRUE(region->SetDragRule(DragAsk, OnlyPairs));
    EXPECT_TRUE(region->SetDropRule(DropAsk, OnlyKings));
    calls = Calls{};
    EXPECT_TRUE(region->CanDrag(2));
    EXPECT_EQ(calls.region, region);
    EXPECT_EQ(calls.count, 2);
    EXPECT_FALSE(region->CanDrag(1));
    CardStack king = ParseStack("KD");
    CardStack queen = ParseStack("QD");
    EXPECT_TRUE(region->CanDrop(&king));
    EXPECT_EQ(calls.dragged, &king);
    EXPECT_FALSE(region->CanDrop(&queen));
    EXPECT_FALSE(region->SetDragRule(3 + 1, nullptr));
    EXPECT_TRUE(region->SetDragRule(DragAsk, nullptr));
    EXPECT_FALSE(region->CanDrag(2)) << "Ask with no callback refuses";
}

TEST(CardRegionMove, MovesTheTopCardsUnderProgramControl)
{
    struct Case {
        int count;
        bool animate;
        bool result;
        const char* source;
        const char* target;
    };
    const Case cases[] = {{2, false, true, "AC", "KS 2D 3H"}, {2, true, true, "AC", "KS 2D 3H"},
                          {0, true, true, "AC 2D 3H", "KS"},  {3, false, true, "", "KS AC 2D 3H"},
                          {4, false, false, "AC 2D 3H", "KS"}, {-1, false, false, "AC 2D 3H", "KS"}};
    for (const Case& c : cases) {
        TestTable table(300, 200);
        CardRegion* source = table.Window().CreateRegion(1, true, 10, 10, 12, 0);
        CardRegion* target = table.Window().CreateRegion(2, true, 150, 10, 0, 15);
        source->SetCards(ParseStack("AC 2D 3H"));
        target->SetCards(ParseStack("KS"));
        EXPECT_EQ(source->MoveCards(target, c.count, c.animate), c.result) << c.count;
        EXPECT_EQ(StackText(*source->Cards()), c.source) << c.count;
        EXPECT_EQ(StackText(*target->Cards()), c.target) << c.count;
        EXPECT_EQ(target->Height(), 96 + 15 * (target->CardCount() - 1)) << "the target is laid out";
        EXPECT_EQ(source->Width(), source->CardCount() > 1 ? 71 + 12 * (source->CardCount() - 1) : 71);
    }
}

TEST(CardRegionMove, RefusesANullTargetAndAMoveThatWouldOverfillIt)
{
    TestTable table(300, 200);
    CardRegion* source = table.Window().CreateRegion(1, true, 10, 10, 0, 0);
    CardRegion* target = table.Window().CreateRegion(2, true, 150, 10, 0, 0);
    source->SetCards(ParseStack("AC 2D 3H"));
    EXPECT_FALSE(source->MoveCards(nullptr, 1, false));
    EXPECT_EQ(source->CardCount(), 3);
    CardStack full;
    for (int i = 0; i < 125; ++i)
        full.Push(Card{static_cast<std::uint32_t>(i % 52), true});
    target->SetCards(full);
    // 125 + 3 would be 128: the stack would not take them and they would be lost.
    EXPECT_FALSE(source->MoveCards(target, 3, false));
    EXPECT_EQ(source->CardCount(), 3);
    EXPECT_EQ(target->CardCount(), 125);
    EXPECT_TRUE(source->MoveCards(target, 2, false));
    EXPECT_EQ(target->CardCount(), 127);
    EXPECT_EQ(StackText(*source->Cards()), "AC");
}

TEST(CardRegionMove, MovesOntoItselfKeepTheOrder)
{
    TestTable table(300, 200);
    CardRegion* region = table.Window().CreateRegion(1, true, 10, 10, 12, 0);
    region->SetCards(ParseStack("AC 2D 3H"));
    EXPECT_TRUE(region->MoveCards(region, 2, true));
    EXPECT_EQ(StackText(*region->Cards()), "AC 2D 3H");
}

TEST(CardRegionMove, TheTargetIsDrawnAtOnce)
{
    TestTable table(300, 200);
    CardRegion* source = table.Window().CreateRegion(1, true, 10, 10, 0, 0);
    CardRegion* target = table.Window().CreateRegion(2, true, 150, 10, 0, 0);
    source->SetCards(ParseStack("AC"));
    table.Window().Redraw();
    MemorySurface before(300, 200);
    before.CopyFromWindow(table.Handle());
    source->MoveCards(target, 1, false);
    MemorySurface after(300, 200);
    after.CopyFromWindow(table.Handle());
    MemorySurface card(71, 96);
    BitBlt(card.Context(), 0, 0, 71, 96, cardStripSurface.Get(), 0, 0, SRCCOPY);
    for (int y = 0; y < 96; y += 7)
        for (int x = 2; x < 69; x += 5)
            ASSERT_EQ(after.Pixel(150 + x, 10 + y), card.Pixel(x, y)) << x << "," << y;
    EXPECT_NE(before.Pixel(150 + 35, 10 + 48), after.Pixel(150 + 35, 10 + 48));
    EXPECT_EQ(after.Pixel(10 + 35, 10 + 48), before.Pixel(10 + 35, 10 + 48))
        << "the source is not repainted by the move itself";
}

} // namespace
