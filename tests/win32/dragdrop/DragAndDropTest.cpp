// The press, the moves and the release as the window hands them on: what a
// press takes into the hand, the cursor nudge and the mouse capture, where
// released cards go and who hears of it, and drags cut short.
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

enum Answer { Accepts, Refuses, AsksYes, AsksNo };

// The source's fan, its drag rule, and whether it refuses its own cards back.
struct Source {
    int xOffset, yOffset;
    const char* cards;
    int dragRule = DragAny;
    bool refusesOwnCards = false;
};

// A region created after the source, at (x, 200), holding `cards` or, when
// `fill` is set, that many cards and no added-callback.
struct Target {
    int id;
    bool visible;
    int x;
    const char* cards;
    Answer answer = Accepts;
    int fill = 0;

    void MakeOn(DragScene& scene) const
    {
        CardRegion* region = scene.Region(id, x, 200, 0, 0, cards, visible);
        for (int i = 0; i < fill; ++i)
            region->Cards()->Push(Card{static_cast<std::uint32_t>(i % 52), true});
        if (fill)
            region->SetCardsAddedCallback(nullptr);
        region->SetDropRule(answer == Refuses ? DropRefuse : DropAccept, nullptr);
        if (answer == AsksYes || answer == AsksNo)
            RecordDropRule(region, answer == AsksYes);
    }
};

// The text form of a region's cards; very full regions by their count.
std::string Contents(CardRegion* region)
{
    if (region->CardCount() > 100)
        return std::to_string(region->CardCount()) + " cards";
    return StackText(*region->Cards());
}

// The source is region 1 at (20, 20); fanned right by 12, a press at
// (60, 50) takes its top card of two, at (25, 50) the cards from the
// bottom one up. A press that takes cards nudges the cursor 3 left and 5
// up and captures the mouse, also while the pointer is outside the window;
// one that takes nothing changes nothing: no capture, no cursor move, no
// callback, no slide, no pixel. On release the cards go to the visible
// region they cover by the largest whole percentage, the earliest created
// on a tie, asked through its drop rule, the source's callback before the
// target's; a refused drop, or one over no region, slides them home and
// tells no one. Targets lie at (x, 200); from a press at (60, 50) the image
// lies at the release less (28, 30), covering a target at (300, 200) whole
// at a release at (328, 230). A slide takes one frame per 32 pixels.
TEST(DragAndDrop, PressesTakeCardsAndReleasesSendThemWhereTheyCoverMost)
{
    const Source five{12, 0, "AC 2C 3C 4C 5C"}, fan{12, 0, "AC 2C"};
    const Target d5{2, true, 300, "5D"}, d6{3, true, 372, "6D"};
    const Log toD5 = {"removed 1: 1, holds 1", "added 2: 5D 2C"}, toD6 = {"removed 1: 1, holds 1", "added 3: 6D 2C"};
    const POINT away = {400, 300};
    const struct {
        const char* name;
        Source source;
        std::vector<Target> targets;
        POINT press, release;
        int taken;
        Log log;
        std::vector<std::string> stacks; // regions 1, 2, ... afterwards
        std::size_t sleeps;              // pauses of the slide
    } cases[] = {
        {"top 2 of 5 fanned right", five, {}, {60, 50}, away, 2, {}, {"AC 2C 3C 4C 5C"}, 13},
        {"the bottom card's strip takes all", five, {}, {25, 50}, away, 5, {}, {"AC 2C 3C 4C 5C"}, 14},
        {"a pile fanned down", {0, 20, "6H 7H 8H"}, {}, {60, 45}, away, 2, {}, {"6H 7H 8H"}, 13},
        {"a squared pile gives its top card", {0, 0, "9S 10S JS"}, {}, {60, 50}, away, 1, {}, {"9S 10S JS"}, 13},
        {"drag rule None", {12, 0, "AC 2C", DragNone}, {}, {60, 50}, away, 0, {}, {"AC 2C"}, 0},
        {"an empty region", {12, 0, ""}, {}, {60, 50}, away, 0, {}, {""}, 0},
        {"top card only, pressed below it", {12, 0, "AC 2C", DragTopCard}, {}, {25, 50}, away, 0, {}, {"AC 2C"}, 0},
        {"asked and refused", {12, 0, "AC 2C", DragAsk}, {}, {60, 50}, away, 0, {}, {"AC 2C"}, 0},
        {"dropped on a region that accepts", fan, {d5}, {60, 50}, {328, 230}, 1, toD5, {"AC", "5D 2C"}, 0},
        {"two cards dropped together", fan, {d5}, {25, 50}, {305, 230}, 2,
         {"removed 1: 2, holds 0", "added 2: 5D AC 2C"}, {"", "5D AC 2C"}, 0},
        {"refused by the target's rule", fan, {{2, true, 300, "5D", Refuses}}, {60, 50}, {328, 230}, 1,
         {}, {"AC 2C", "5D"}, 10},
        {"asked and refused", fan, {{2, true, 300, "5D", AsksNo}}, {60, 50}, {328, 230}, 1,
         {"drop rule 2: 2C"}, {"AC 2C", "5D"}, 10},
        {"asked and accepted", fan, {{2, true, 300, "5D", AsksYes}}, {60, 50}, {328, 230}, 1,
         {"drop rule 2: 2C", "removed 1: 1, holds 1", "added 2: 5D 2C"}, {"AC", "5D 2C"}, 0},
        {"released over no region", fan, {d5}, {60, 50}, {600, 450}, 1, {}, {"AC 2C", "5D"}, 20},
        {"released where it was taken: the source takes it back", fan, {d5}, {60, 50}, {60, 50}, 1,
         {"removed 1: 1, holds 2", "added 1: AC 2C"}, {"AC 2C", "5D"}, 0},
        {"the source refusing its own cards", {12, 0, "AC 2C", DragAny, true}, {}, {60, 50}, {60, 50}, 1, {},
         {"AC 2C"}, 0},
        // The image at (336, 200): 35 columns of each, 49 %.
        {"equal scores: the earlier created wins", fan, {d5, d6}, {60, 50}, {364, 230}, 1, toD5,
         {"AC", "5D 2C", "6D"}, 1},
        {"equal scores: creation order, not position", fan, {d6, d5}, {60, 50}, {364, 230}, 1, toD6,
         {"AC", "5D", "6D 2C"}, 1},
        // The image at (330, 200): 57 % and 100 %.
        {"a higher score beats an earlier region", fan, {d5, {3, true, 330, "6D"}}, {60, 50}, {358, 230}, 1, toD6,
         {"AC", "5D", "6D 2C"}, 0},
        // The image at (310, 200): 85 % of the hidden one, 49 % of the other.
        {"an invisible region is passed over", fan, {{2, false, 300, "5D"}, d6}, {60, 50}, {338, 230}, 1, toD6,
         {"AC", "5D", "6D 2C"}, 1},
        {"a region of 125 cards takes two more", fan, {{2, true, 300, "", Accepts, 125}}, {25, 50}, {305, 230}, 2,
         {"removed 1: 2, holds 0"}, {"", "127 cards"}, 0},
        {"a region of 126 cards refuses two more instead of losing them", fan, {{2, true, 300, "", Accepts, 126}},
         {25, 50}, {305, 230}, 2, {}, {"AC 2C", "126 cards"}, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragScene scene;
        TestTable& table = scene.table;
        CardRegion* source = scene.Region(1, 20, 20, c.source.xOffset, c.source.yOffset, c.source.cards);
        source->SetDragRule(c.source.dragRule, RefuseEveryDrag);
        source->SetDropRule(c.source.refusesOwnCards ? DropRefuse : DropAccept, nullptr);
        for (const Target& t : c.targets)
            t.MakeOn(scene);
        table.Window().Redraw();
        MemorySurface before(table.Handle());
        const long outstanding = GdiObjectsOutstanding();
        const POINT parked = ScreenPoint(table.Handle(), 650, 450);
        SetCursorPos(parked.x, parked.y);

        table.Press(c.press.x, c.press.y);
        EXPECT_EQ(source->IsDragging() ? source->DragCount() : 0, c.taken);
        const POINT nudged = c.taken ? ScreenPoint(table.Handle(), c.press.x - 3, c.press.y - 5) : parked;
        POINT cursor = {0, 0};
        GetCursorPos(&cursor);
        EXPECT_EQ(std::make_pair(cursor.x, cursor.y), std::make_pair(nudged.x, nudged.y));
        table.MoveTo(-20, -30);
        EXPECT_EQ(GetCapture(), c.taken ? table.Handle() : nullptr);
        table.MoveTo(c.release.x, c.release.y);
        table.Release(c.release.x, c.release.y);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(CallbackLog(), c.log);
        for (std::size_t i = 0; i < c.stacks.size(); ++i)
            EXPECT_EQ(Contents(table.Window().FindRegion(static_cast<int>(i) + 1)), c.stacks[i]) << "region " << i + 1;
        EXPECT_EQ(scene.platform.sleeps.size(), c.sleeps);
        EXPECT_EQ(GdiObjectsOutstanding(), outstanding) << "nothing left behind in the drawing system";
        if (!c.taken) {
            EXPECT_EQ(MemorySurface(table.Handle()).CountDifferences(before), 0);
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

} // namespace
