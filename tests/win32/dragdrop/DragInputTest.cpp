// The press, the moves and the release as the window hands them on: what a
// press takes into the hand, the cursor nudge and the mouse capture, presses
// that start nothing, and the pauses of programmatic slides.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

POINT ScreenPoint(HWND window, int x, int y)
{
    POINT point = {x, y};
    ClientToScreen(window, &point);
    return point;
}

POINT CursorNow()
{
    POINT point = {0, 0};
    GetCursorPos(&point);
    return point;
}

struct PressCase {
    std::string name;
    int xOffset, yOffset;
    const char* cards;
    POINT press;
    int taken;
    const char* staying;
};

TEST(DragPress, TakesTheCardsFromThePressedOneUpNudgesTheCursorAndCaptures)
{
    // Regions at (5, 10); cards 71 x 96.
    const PressCase cases[] = {
        {"top 2 of 5 fanned right", 12, 0, "AC 2C 3C 4C 5C", {45, 30}, 2, "AC 2C 3C"},
        {"the bottom card's strip takes all", 12, 0, "AC 2C 3C 4C 5C", {5, 100}, 5, ""},
        {"the top card of a fan", 12, 0, "AC 2C 3C 4C 5C", {120, 60}, 1, "AC 2C 3C 4C"},
        {"a pile fanned down", 0, 20, "6H 7H 8H", {50, 35}, 2, "6H"},
        {"a squared pile gives its top card", 0, 0, "9S 10S JS", {40, 50}, 1, "9S 10S"},
    };
    for (const PressCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameClock clock;
        ScopedPlatform platform(clock);
        TestTable table(300, 200);
        CardRegion* region = table.Window().CreateRegion(1, true, 5, 10, c.xOffset, c.yOffset);
        region->SetCards(ParseStack(c.cards));
        const int total = region->CardCount();

        table.Press(c.press.x, c.press.y);
        ASSERT_TRUE(region->IsDragging());
        EXPECT_EQ(region->DragCount(), c.taken);
        EXPECT_EQ(StackText(*region->Cards()), c.staying);
        EXPECT_EQ(region->CardCountWithDrag(), total);
        EXPECT_EQ(GetCapture(), table.Handle());
        const POINT expected = ScreenPoint(table.Handle(), c.press.x - 3, c.press.y - 5);
        const POINT cursor = CursorNow();
        EXPECT_EQ(cursor.x, expected.x);
        EXPECT_EQ(cursor.y, expected.y);

        table.MoveTo(-20, -30); // outside the window, still ours
        EXPECT_EQ(GetCapture(), table.Handle());
        table.Release(-20, -30);
        EXPECT_FALSE(region->IsDragging());
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(StackText(*region->Cards()), c.cards);
    }
}

bool RefuseEveryDrag(CardRegion*, int)
{
    return false;
}

struct RefusedPressCase {
    std::string name;
    const char* cards;
    int dragRule;
    POINT press;
};

TEST(DragPress, APressThatTakesNothingChangesNothing)
{
    const RefusedPressCase cases[] = {
        {"drag rule None", "AC 2C", DragNone, {60, 50}},
        {"an empty region", "", DragAny, {40, 50}},
        {"top card only, pressed below it", "AC 2C", DragTopCard, {10, 50}},
        {"asked and refused", "AC 2C", DragAsk, {60, 50}},
    };
    for (const RefusedPressCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameClock clock;
        ScopedPlatform platform(clock);
        TestTable table(300, 200);
        CardRegion* region = table.Window().CreateRegion(1, true, 5, 10, 12, 0);
        region->SetCards(ParseStack(c.cards));
        region->SetDragRule(c.dragRule, RefuseEveryDrag);
        RecordAdded(region);
        RecordRemoved(region);
        CallbackLog().clear();
        table.Window().Redraw();
        MemorySurface before(300, 200);
        ReadWindow(table, before);
        const POINT parked = ScreenPoint(table.Handle(), 250, 150);
        SetCursorPos(parked.x, parked.y);

        table.Press(c.press.x, c.press.y);
        EXPECT_FALSE(region->IsDragging());
        EXPECT_EQ(GetCapture(), nullptr);
        const POINT cursor = CursorNow();
        EXPECT_EQ(cursor.x, parked.x);
        EXPECT_EQ(cursor.y, parked.y);
        table.MoveTo(200, 100);
        table.Release(200, 100);
        EXPECT_EQ(StackText(*region->Cards()), c.cards);
        EXPECT_TRUE(CallbackLog().empty());
        EXPECT_TRUE(clock.sleeps.empty());
        MemorySurface after(300, 200);
        ReadWindow(table, after);
        EXPECT_EQ(after.CountDifferences(before), 0);
    }
}

TEST(DragPress, ADoubleClickOnlyNotesTheCardsUnderThePointer)
{
    FrameClock clock;
    ScopedPlatform platform(clock);
    TestTable table(300, 200);
    CardRegion* region = table.Window().CreateRegion(1, true, 5, 10, 12, 0);
    region->SetCards(ParseStack("AC 2C 3C"));
    RecordAdded(region);
    RecordRemoved(region);
    CallbackLog().clear();

    table.DoubleClick(20, 50);
    EXPECT_EQ(region->DragCount(), 2);
    EXPECT_FALSE(region->IsDragging());
    EXPECT_EQ(GetCapture(), nullptr);
    table.MoveTo(200, 150);
    table.Release(200, 150);
    EXPECT_EQ(StackText(*region->Cards()), "AC 2C 3C");
    EXPECT_TRUE(CallbackLog().empty());
}

// Two presses without a release between them (the release went elsewhere
// when the capture was taken away): the first drag ends where its cards are.
TEST(DragPress, APressWithCardsStillInHandFirstLetsThemGo)
{
    FrameClock clock;
    ScopedPlatform platform(clock);
    TestTable table(400, 300);
    CardRegion* region = table.Window().CreateRegion(1, true, 5, 10, 12, 0);
    region->SetCards(ParseStack("AC 2C 3C"));
    RecordAdded(region);
    RecordRemoved(region);
    CallbackLog().clear();

    table.Press(40, 50);
    table.MoveTo(300, 250); // over no region
    table.Press(20, 50);    // the strip of 2C: with 3C home again, two cards
    EXPECT_TRUE(region->IsDragging());
    EXPECT_EQ(region->DragCount(), 2);
    EXPECT_EQ(StackText(*region->Cards()), "AC");
    EXPECT_EQ(region->CardCountWithDrag(), 3);
    table.Release(20, 50);
    EXPECT_EQ(StackText(*region->Cards()), "AC 2C 3C");
    EXPECT_EQ(CallbackLog(), (std::vector<std::string>{"removed 1: 2, holds 3", "added 1: AC 2C 3C"}));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(DragPress, NothingIsLeftBehindInTheDrawingSystem)
{
    FrameClock clock;
    ScopedPlatform platform(clock);
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

    EXPECT_EQ(StackText(*source->Cards()), "AC");
    EXPECT_EQ(StackText(*target->Cards()), "2C 3C");
    EXPECT_EQ(GdiObjectsOutstanding(), outstanding);
}

struct MoveCase {
    std::string name;
    int step;
    POINT from, to;
    bool animate;
    std::size_t sleeps;
};

TEST(AnimatedMove, PausesTenMillisecondsBetweenFrames)
{
    const MoveCase cases[] = {
        {"320 pixels at 32", 32, {20, 20}, {340, 20}, true, 9},
        {"321 pixels at 32: one more frame", 32, {20, 20}, {341, 20}, true, 10},
        {"downward at 80, as a deal", 80, {20, 20}, {20, 340}, true, 3},
        {"a 3-4-5 diagonal at 40", 40, {20, 20}, {212, 276}, true, 7},
        {"to the same place: one frame", 32, {20, 20}, {20, 20}, true, 0},
        {"without animation", 32, {20, 20}, {340, 20}, false, 0},
    };
    for (const MoveCase& c : cases) {
        SCOPED_TRACE(c.name);
        FrameClock clock;
        ScopedPlatform platform(clock);
        TestTable table(500, 400);
        CardRegion* source = table.Window().CreateRegion(1, true, c.from.x, c.from.y, 0, 0);
        source->SetCards(ParseStack("QC KC"));
        CardRegion* target = table.Window().CreateRegion(2, true, c.to.x, c.to.y, 0, 0);
        SetAnimationStep(c.step);

        ASSERT_TRUE(source->MoveCards(target, 1, c.animate));
        SetAnimationStep(32);
        EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(c.sleeps, 10));
        EXPECT_EQ(StackText(*source->Cards()), "QC");
        EXPECT_EQ(StackText(*target->Cards()), "KC");
    }
}

} // namespace
