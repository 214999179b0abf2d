// The press, the moves and the release as the window hands them on: what a
// press takes into the hand, the cursor nudge and the mouse capture, and
// presses that start nothing.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

using Log = std::vector<std::string>;

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
        {"a pile fanned down", 0, 20, "6H 7H 8H", DragAny, {50, 35}, 2, "6H"},
        {"a squared pile gives its top card", 0, 0, "9S 10S JS", DragAny, {40, 50}, 1, "9S 10S"},
        {"drag rule None", 12, 0, "AC 2C", DragNone, {60, 50}, 0, "AC 2C"},
        {"an empty region", 12, 0, "", DragAny, {40, 50}, 0, ""},
        {"top card only, pressed below it", 12, 0, "AC 2C", DragTopCard, {10, 50}, 0, "AC 2C"},
        {"asked and refused", 12, 0, "AC 2C", DragAsk, {60, 50}, 0, "AC 2C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragScene scene(300, 200);
        const HWND window = scene.table.Handle();
        CardRegion* region = scene.Region(1, 5, 10, c.xOffset, c.yOffset, c.cards);
        region->SetDragRule(c.dragRule, RefuseEveryDrag);
        scene.table.Window().Redraw();
        MemorySurface before(window);
        const POINT parked = ScreenPoint(window, 250, 150);
        SetCursorPos(parked.x, parked.y);

        scene.table.Press(c.press.x, c.press.y);
        EXPECT_EQ(region->IsDragging() ? region->DragCount() : 0, c.taken);
        EXPECT_EQ(StackText(*region->Cards()), c.staying);
        const POINT expected = c.taken ? ScreenPoint(window, c.press.x - 3, c.press.y - 5) : parked;
        POINT cursor = {0, 0};
        GetCursorPos(&cursor);
        EXPECT_EQ(std::make_pair(cursor.x, cursor.y), std::make_pair(expected.x, expected.y));
        scene.table.MoveTo(-20, -30);
        EXPECT_EQ(GetCapture(), c.taken ? window : nullptr);
        scene.table.Release(-20, -30);
        EXPECT_FALSE(region->IsDragging());
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(StackText(*region->Cards()), c.cards);
        if (!c.taken) {
            EXPECT_TRUE(CallbackLog().empty());
            EXPECT_TRUE(scene.platform.sleeps.empty());
            EXPECT_EQ(MemorySurface(window).CountDifferences(before), 0);
        }
    }
}

// A double click only notes the cards under the pointer. A second press on
// the same region while cards are in hand (the release went elsewhere):
// the first drag ends where its cards are, and the press counts afresh.
TEST(DragPress, DoubleClicksAndPressesWithCardsStillInHand)
{
    DragScene scene(400, 300);
    TestTable& table = scene.table;
    CardRegion* region = scene.Region(1, 5, 10, 12, 0, "AC 2C 3C");
    table.DoubleClick(20, 50);
    EXPECT_EQ(region->DragCount(), 2);
    EXPECT_FALSE(region->IsDragging());
    table.Release(20, 50);
    EXPECT_TRUE(CallbackLog().empty());

    table.Press(40, 50);
    table.MoveTo(300, 250); // over no region
    table.Press(20, 50);    // the strip of 2C: with 3C home again, two cards
    EXPECT_EQ(region->DragCount(), 2);
    EXPECT_EQ(region->CardCountWithDrag(), 3);
    table.Release(20, 50);
    EXPECT_EQ(StackText(*region->Cards()), "AC 2C 3C");
    EXPECT_EQ(CallbackLog(), (Log{"removed 1: 2, holds 3", "added 1: AC 2C 3C"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

// Cards still in hand when the capture is taken away, or when a press on
// another region comes (its release went elsewhere): the drag ends first,
// as if released where the cards are, and the window holds no drag.
TEST(DragPress, ALostCaptureOrAPressOnAnotherRegionEndsTheDragFirst)
{
    const Log dropped = {"removed 1: 1, holds 2", "added 2: 3C"};
    const struct {
        const char* name;
        POINT carriedTo;
        bool pressOther; // else another window takes the capture
        const char* source;
        const char* target;
        Log log;
    } cases[] = {
        {"capture taken over a region that takes them", {230, 190}, false, "AC 2C", "3C", dropped},
        {"capture taken over bare table", {60, 260}, false, "AC 2C 3C", "", {}},
        {"a press on another region", {230, 190}, true, "AC 2C", "3C", dropped},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragScene scene(400, 300);
        TestTable& table = scene.table;
        CardRegion* source = scene.Region(1, 5, 10, 12, 0, "AC 2C 3C");
        CardRegion* target = scene.Region(2, 200, 150, 0, 0, "");
        CardRegion* other = scene.Region(3, 300, 20, 0, 0, "KS");
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
    DragScene scene(400, 300);
    TestTable& table = scene.table;
    CardRegion* source = scene.Region(1, 5, 10, 12, 0, "AC 2C 3C");
    CardRegion* target = scene.Region(2, 200, 150, 0, 0, "");
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
