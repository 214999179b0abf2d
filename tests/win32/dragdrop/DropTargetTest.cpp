// Where released cards go and who hears of it: the visible region the cards
// cover by the largest whole percentage, the earliest created on a tie,
// asked through its drop rule; the source's callback before the target's. A
// refused drop, or one over no region, slides the cards home and tells no one.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

enum Answer { Accepts, Refuses, AsksYes, AsksNo };

// A region created after the source, at (x, 200), holding `cards` or, when
// `fill` is set, that many cards and no added-callback.
struct Target {
    int id;
    bool visible;
    int x;
    const char* cards;
    Answer answer = Accepts;
    int fill = 0;
};

// The text form of a region's cards; very full regions by their count.
std::string Contents(CardRegion* region)
{
    if (region->CardCount() > 100)
        return std::to_string(region->CardCount()) + " cards";
    return StackText(*region->Cards());
}

// The source, region 1, holds "AC 2C" fanned right at (20, 20): a press at
// (60, 50) takes 2C, at (25, 50) both. From a press at (60, 50) the image
// lies at the release less (28, 30); a region at (300, 200) is covered by
// 100 % at a release at (328, 230).
TEST(DropTarget, ReleasedCardsGoToTheRegionTheyCoverMost)
{
    const Target d5{2, true, 300, "5D"};
    const Target d6{3, true, 372, "6D"};
    const Log toD5 = {"removed 1: 1, holds 1", "added 2: 5D 2C"};
    const Log toD6 = {"removed 1: 1, holds 1", "added 3: 6D 2C"};
    const struct {
        const char* name;
        std::vector<Target> targets;
        POINT press, release;
        Log log;
        std::vector<std::string> stacks; // regions 1, 2, ... afterwards
        std::size_t sleeps;              // pauses of the slide
        bool sourceRefuses = false;
    } cases[] = {
        {"dropped on a region that accepts", {d5}, {60, 50}, {328, 230}, toD5, {"AC", "5D 2C"}, 0},
        {"two cards dropped together", {d5}, {25, 50}, {305, 230},
         {"removed 1: 2, holds 0", "added 2: 5D AC 2C"}, {"", "5D AC 2C"}, 0},
        {"refused by the target's rule", {{2, true, 300, "5D", Refuses}}, {60, 50}, {328, 230},
         {}, {"AC 2C", "5D"}, 10},
        {"asked and refused", {{2, true, 300, "5D", AsksNo}}, {60, 50}, {328, 230},
         {"drop rule 2: 2C"}, {"AC 2C", "5D"}, 10},
        {"asked and accepted", {{2, true, 300, "5D", AsksYes}}, {60, 50}, {328, 230},
         {"drop rule 2: 2C", "removed 1: 1, holds 1", "added 2: 5D 2C"}, {"AC", "5D 2C"}, 0},
        {"released over no region", {d5}, {60, 50}, {600, 450}, {}, {"AC 2C", "5D"}, 20},
        {"released where it was taken: the source takes it back", {d5}, {60, 50}, {60, 50},
         {"removed 1: 1, holds 2", "added 1: AC 2C"}, {"AC 2C", "5D"}, 0},
        {"the source refusing its own cards", {}, {60, 50}, {60, 50}, {}, {"AC 2C"}, 0, true},
        // The image at (336, 200): 35 columns of each, 49 %.
        {"equal scores: the earlier created wins", {d5, d6}, {60, 50}, {364, 230}, toD5, {"AC", "5D 2C", "6D"}, 1},
        {"equal scores: creation order, not position", {d6, d5}, {60, 50}, {364, 230}, toD6, {"AC", "5D", "6D 2C"}, 1},
        // The image at (330, 200): 57 % and 100 %.
        {"a higher score beats an earlier region", {d5, {3, true, 330, "6D"}}, {60, 50}, {358, 230}, toD6,
         {"AC", "5D", "6D 2C"}, 0},
        // The image at (310, 200): 85 % of the hidden one, 49 % of the other.
        {"an invisible region is passed over", {{2, false, 300, "5D"}, d6}, {60, 50}, {338, 230}, toD6,
         {"AC", "5D", "6D 2C"}, 1},
        {"a region of 125 cards takes two more", {{2, true, 300, "", Accepts, 125}}, {25, 50}, {305, 230},
         {"removed 1: 2, holds 0"}, {"", "127 cards"}, 0},
        {"a region of 126 cards refuses two more instead of losing them", {{2, true, 300, "", Accepts, 126}},
         {25, 50}, {305, 230}, {}, {"AC 2C", "126 cards"}, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragScene scene;
        CardRegion* source = scene.Region(1, 20, 20, 12, 0, "AC 2C");
        source->SetDropRule(c.sourceRefuses ? DropRefuse : DropAccept, nullptr);
        for (const Target& t : c.targets) {
            CardRegion* region = scene.Region(t.id, t.x, 200, 0, 0, t.cards, t.visible);
            for (int i = 0; i < t.fill; ++i)
                region->Cards()->Push(Card{static_cast<std::uint32_t>(i % 52), true});
            if (t.fill)
                region->SetCardsAddedCallback(nullptr);
            region->SetDropRule(t.answer == Refuses ? DropRefuse : DropAccept, nullptr);
            if (t.answer == AsksYes || t.answer == AsksNo)
                RecordDropRule(region, t.answer == AsksYes);
        }
        scene.table.Press(c.press.x, c.press.y);
        scene.table.MoveTo(c.release.x, c.release.y);
        scene.table.Release(c.release.x, c.release.y);
        EXPECT_EQ(CallbackLog(), c.log);
        for (std::size_t i = 0; i < c.stacks.size(); ++i)
            EXPECT_EQ(Contents(scene.table.Window().FindRegion(static_cast<int>(i) + 1)), c.stacks[i]) << "region " << i + 1;
        EXPECT_EQ(scene.platform.sleeps.size(), c.sleeps);
    }
}

} // namespace
