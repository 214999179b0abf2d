// The press, the moves and the release as the window hands them on: what a
// press takes into the hand and the mouse capture, and which region
// released cards go to. Plain drops that the game's rules accept or refuse,
// and drags cut short, are played by the game's own tests.
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

// The source's fan and its drag rule.
struct Source {
    int xOffset, yOffset;
    const char* cards;
    int dragRule = DragAny;
};

// A region created after the source, at (x, 200), holding `cards` or, when
// `fill` is set, that many cards and no added-callback.
struct Target {
    int id;
    bool visible;
    int x;
    const char* cards;
    int fill = 0;
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
// bottom one up. A press that takes cards captures the mouse, also while
// the pointer is outside the window; one that takes nothing does not. On release the cards go to the
// visible region they cover by the largest whole percentage, the earliest
// created on a tie, the source's callback before the target's; a refused
// drop slides them home and tells no one. Targets lie at (x, 200); from a
// press at (60, 50) the image lies at the release less (28, 30), covering a
// target at (300, 200) whole at a release at (328, 230). A slide takes one
// frame per 32 pixels.
TEST(DragAndDrop, PressesTakeCardsAndReleasesSendThemWhereTheyCoverMost)
{
    const Source fan{12, 0, "AC 2C"};
    const Target d5{2, true, 300, "5D"};
    const Target d6{3, true, 372, "6D"};
    const Log toD5 = {"removed 1: 1, holds 1", "added 2: 5D 2C"};
    const Log toD6 = {"removed 1: 1, holds 1", "added 3: 6D 2C"};
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
        {"the bottom card's strip takes all", {12, 0, "AC 2C 3C 4C 5C"}, {}, {25, 50}, away, 5, {},
         {"AC 2C 3C 4C 5C"}, 14},
        {"drag rule None", {12, 0, "AC 2C", DragNone}, {}, {60, 50}, away, 0, {}, {"AC 2C"}, 0},
        {"top card only, pressed below it", {12, 0, "AC 2C", DragTopCard}, {}, {25, 50}, away, 0, {}, {"AC 2C"}, 0},
        {"released where it was taken: the source takes it back", fan, {d5}, {60, 50}, {60, 50}, 1,
         {"removed 1: 1, holds 2", "added 1: AC 2C"}, {"AC 2C", "5D"}, 0},
        // The image at (336, 200): 35 columns of each, 49 %.
        {"equal scores: the earlier created wins", fan, {d5, d6}, {60, 50}, {364, 230}, 1, toD5,
         {"AC", "5D 2C", "6D"}, 1},
        // The image at (330, 200): 57 % and 100 %.
        {"a higher score beats an earlier region", fan, {d5, {3, true, 330, "6D"}}, {60, 50}, {358, 230}, 1, toD6,
         {"AC", "5D", "6D 2C"}, 0},
        // The image at (310, 200): 85 % of the hidden one, 49 % of the other.
        {"an invisible region is passed over", fan, {{2, false, 300, "5D"}, d6}, {60, 50}, {338, 230}, 1, toD6,
         {"AC", "5D", "6D 2C"}, 1},
        {"a region of 125 cards takes two more", fan, {{2, true, 300, "", 125}}, {25, 50}, {305, 230}, 2,
         {"removed 1: 2, holds 0"}, {"", "127 cards"}, 0},
        {"a region of 126 cards refuses two more instead of losing them", fan, {{2, true, 300, "", 126}},
         {25, 50}, {305, 230}, 2, {}, {"AC 2C", "126 cards"}, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragScene scene;
        TestTable& table = scene.table;
        CardRegion* source = scene.Region(1, 20, 20, c.source.xOffset, c.source.yOffset, c.source.cards);
        source->SetDragRule(c.source.dragRule, nullptr);
        for (const Target& t : c.targets) {
            CardRegion* target = scene.Region(t.id, t.x, 200, 0, 0, t.cards, t.visible);
            for (int i = 0; i < t.fill; ++i)
                target->Cards()->Push(Card{static_cast<std::uint32_t>(i % 52), true});
            if (t.fill)
                target->SetCardsAddedCallback(nullptr);
        }
        table.Press(c.press.x, c.press.y);
        EXPECT_EQ(source->IsDragging() ? source->DragCount() : 0, c.taken);
        POINT cursor = {};
        EXPECT_TRUE(!c.taken || (GetCursorPos(&cursor) && cursor.x == c.press.x - 3 && cursor.y == c.press.y - 5))
            << "nudged 3 left, 5 up";
        table.MoveTo(-20, -30);
        EXPECT_EQ(GetCapture(), c.taken ? table.Handle() : nullptr);
        table.MoveTo(c.release.x, c.release.y);
        table.Release(c.release.x, c.release.y);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(CallbackLog(), c.log);
        for (std::size_t i = 0; i < c.stacks.size(); ++i)
            EXPECT_EQ(Contents(table.Window().FindRegion(static_cast<int>(i) + 1)), c.stacks[i]) << "region " << i + 1;
        EXPECT_EQ(scene.platform.sleeps.size(), c.sleeps);
    }
}

} // namespace
