// The press, the moves and the release as the window hands them on: what a
// press takes into the hand, the cursor nudge and the mouse capture, and
// presses that start nothing.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

namespace {

POINT ScreenPoint(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    return point;
}

bool RefuseEveryDrag(CardRegion*, int)
{
    return false;
}

// A region at (5, 10). A press that takes cards nudges the cursor 3 left and
// 5 up and captures the mouse, also while the pointer is outside the
// window; one that takes nothing changes nothing: no capture, no cursor
// move, no callback, no slide, no pixel.
TEST(DragPress, TakesTheCardsFromThePressedOneUpOrNothing)
{
    const struct {
        const char* name;
        int xOffset, yOffset;
        const char* cards;
        int dragRule;
        POINT press;
        int taken;
        const char* staying;
    } cases[] = {
        {"top 2 of 5 fanned right", 12, 0, "AC 2C 3C 4C 5C", DragAny, {45, 30}, 2, "AC 2C 3C"},
        {"the bottom card's strip takes all", 12, 0, "AC 2C 3C 4C 5C", DragAny, {5, 100}, 5, ""},
        {"the top card of a fan", 12, 0, "AC 2C 3C 4C 5C", DragAny, {120, 60}, 1, "AC 2C 3C 4C"},
        {"a pile fanned down", 0, 20, "6H 7H 8H", DragAny, {50, 35}, 2, "6H"},
        {"a squared pile gives its top card", 0, 0, "9S 10S JS", DragAny, {40, 50}, 1, "9S 10S"},
        {"drag rule None", 12, 0, "AC 2C", DragNone, {60, 50}, 0, "AC 2C"},
        {"an empty region", 12, 0, "", DragAny, {40, 50}, 0, ""},
        {"top card only, pressed below it", 12, 0, "AC 2C", DragTopCard, {10, 50}, 0, "AC 2C"},
        {"asked and refused", 12, 0, "AC 2C", DragAsk, {60, 50}, 0, "AC 2C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        ScopedPlatform installed(platform);
        TestTable table(300, 200);
        CardRegion* region = table.Window().CreateRegion(1, true, 5, 10, c.xOffset, c.yOffset);
        region->SetCards(ParseStack(c.cards));
        region->SetDragRule(c.dragRule, RefuseEveryDrag);
        RecordMoves(region);
        CallbackLog().clear();
        table.Window().Redraw();
        MemorySurface before(table.Handle());
        const POINT parked = ScreenPoint(table.Handle(), 250, 150);
        SetCursorPos(parked.x, parked.y);

        table.Press(c.press.x, c.press.y);
        EXPECT_EQ(region->IsDragging(), c.taken > 0);
        if (c.taken) {
            EXPECT_EQ(region->DragCount(), c.taken);
        }
        EXPECT_EQ(StackText(*region->Cards()), c.staying);
        EXPECT_EQ(GetCapture(), c.taken ? table.Handle() : nullptr);
        const POINT expected = c.taken ? ScreenPoint(table.Handle(), c.press.x - 3, c.press.y - 5) : parked;
        POINT cursor = {0, 0};
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, expected.x);
        EXPECT_EQ(cursor.y, expected.y);
        table.MoveTo(-20, -30);
        EXPECT_EQ(GetCapture(), c.taken ? table.Handle() : nullptr);
        table.Release(-20, -30);
        EXPECT_FALSE(region->IsDragging());
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(StackText(*region->Cards()), c.cards);
        if (!c.taken) {
            EXPECT_TRUE(CallbackLog().empty());
            EXPECT_TRUE(platform.sleeps.empty());
            EXPECT_EQ(MemorySurface(table.Handle()).CountDifferences(before), 0);
        }
    }
}

// A double click only notes the cards under the pointer. Two presses
// without a release between them (the release went elsewhere when the
// capture was taken away): the first drag ends where its cards are.
TEST(DragPress, DoubleClicksAndPressesWithCardsStillInHand)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    TestTable table(400, 300);
    CardRegion* region = table.Window().CreateRegion(1, true, 5, 10, 12, 0);
    region->SetCards(ParseStack("AC 2C 3C"));
    RecordMoves(region);
    CallbackLog().clear();
    table.DoubleClick(20, 50);
    EXPECT_EQ(region->DragCount(), 2);
    EXPECT_FALSE(region->IsDragging());
    EXPECT_EQ(GetCapture(), nullptr);
    table.Release(20, 50);
    EXPECT_TRUE(CallbackLog().empty());

    table.Press(40, 50);
    table.MoveTo(300, 250); // over no region
    table.Press(20, 50);    // the strip of 2C: with 3C home again, two cards
    EXPECT_EQ(region->DragCount(), 2);
    EXPECT_EQ(StackText(*region->Cards()), "AC");
    EXPECT_EQ(region->CardCountWithDrag(), 3);
    table.Release(20, 50);
    EXPECT_EQ(StackText(*region->Cards()), "AC 2C 3C");
    EXPECT_EQ(CallbackLog(), (std::vector<std::string>{"removed 1: 2, holds 3", "added 1: AC 2C 3C"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

// Cards still in hand when the capture is taken away, or when a press on
// another region comes (its release went elsewhere): the drag ends first,
// as if released where the cards are, and the window holds no drag.
TEST(DragPress, ALostCaptureOrAPressOnAnotherRegionEndsTheDragFirst)
{
    const struct {
        const char* name;
        POINT carriedTo;
        bool pressOther; // else another window takes the capture
        const char* source;
        const char* target;
        std::vector<std::string> log;
    } cases[] = {
        {"capture taken over a region that takes them", {230, 190}, false, "AC 2C", "3C",
         {"removed 1: 1, holds 2", "added 2: 3C"}},
        {"capture taken over bare table", {60, 260}, false, "AC 2C 3C", "", {}},
        {"a press on another region", {230, 190}, true, "AC 2C", "3C", {"removed 1: 1, holds 2", "added 2: 3C"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        ScopedPlatform installed(platform);
        TestTable table(400, 300);
        CardRegion* source = table.Window().CreateRegion(1, true, 5, 10, 12, 0);
        source->SetCards(ParseStack("AC 2C 3C"));
        CardRegion* target = table.Window().CreateRegion(2, true, 200, 150, 0, 0);
        CardRegion* other = table.Window().CreateRegion(3, true, 300, 20, 0, 0);
        other->SetCards(ParseStack("KS"));
        for (CardRegion* region : {source, target, other})
            RecordMoves(region);
        CallbackLog().clear();

        table.Press(40, 50); // 3C, 11 right of its corner
        table.MoveTo(c.carriedTo.x, c.carriedTo.y);
        if (c.pressOther)
            table.Press(320, 60);
        else
            SetCapture(table.Parent());
        EXPECT_FALSE(source->IsDragging());
        EXPECT_EQ(StackText(*source->Cards()), c.source);
        EXPECT_EQ(StackText(*target->Cards()), c.target);
        EXPECT_EQ(CallbackLog(), c.log);
        EXPECT_EQ(dragRegion, c.pressOther ? other : nullptr);
        EXPECT_EQ(other->IsDragging(), c.pressOther);
        EXPECT_EQ(GetCapture(), c.pressOther ? table.Handle() : table.Parent()) << "a capture taken stays taken";
        if (!c.pressOther)
            ReleaseCapture();
        table.Release(320, 60);
        EXPECT_EQ(StackText(*other->Cards()), "KS");
        EXPECT_EQ(dragRegion, nullptr);
    }
}

TEST(DragPress, NothingIsLeftBehindInTheDrawingSystem)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    TestTable table(400, 300);
    CardRegion* source = table.Window().CreateRegion(1, true, 5, 10, 12, 0);
    source->SetCards(ParseStack("AC 2C 3C"));
    CardRegion* target = table.Window().CreateRegion(2, true, 200, 150, 0, 0);
    const long outstanding = GdiObjectsOutstanding();
    table.Press(40, 50); // a drop
    table.MoveTo(230, 190);
    table.Release(230, 190);
    table.Press(210, 160); // a slide back
    table.MoveTo(350, 20);
    table.Release(350, 20);
    ASSERT_TRUE(target->MoveCards(source, 1, true));
    ASSERT_TRUE(source->MoveCards(target, 2, true));
    EXPECT_EQ(StackText(*target->Cards()), "2C 3C");
    EXPECT_EQ(GdiObjectsOutstanding(), outstanding);
}

} // namespace
