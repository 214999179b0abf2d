// Where released cards go and who hears of it: the visible region the cards
// cover by the largest whole percentage, the earliest on a tie, asked
// through its drop rule; the source's callback before the target's. A
// refused drop, or one over no region, slides the cards home and tells no one.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Log = std::vector<std::string>;

// A stack of `count` cards cycling through the deck, for filling a region.
CardStack ManyCards(int count)
{
    CardStack stack;
    for (int i = 0; i < count; ++i)
        stack.Push(Card{static_cast<std::uint32_t>(i % 52), true});
    return stack;
}

struct DropCase {
    std::string name;
    // Makes the regions with ids 2 and up; region 1, the source, holds
    // "AC 2C" fanned right at (20, 20).
    std::function<void(CardWindow&)> makeTargets;
    POINT press;   // (60, 50) takes 2C; (25, 50) takes both
    POINT release; // from a press at (60, 50) the image lies at (release - (28, 30))
    Log log;
    std::vector<std::string> stacks; // regions 1, 2, ... afterwards
    std::size_t sleeps;              // pauses of the slide
};

CardRegion* Region(CardWindow& window, int id, bool visible, int x, int y, const char* cards,
                   int rule = DropAccept)
{
    CardRegion* region = window.CreateRegion(id, visible, x, y, 0, 0);
    region->SetCards(ParseStack(cards));
    region->SetDropRule(rule, nullptr);
    RecordMoves(region);
    return region;
}

const DropCase dropCases[] = {
    {"dropped on a region that accepts",
     [](CardWindow& w) { Region(w, 2, true, 300, 200, "5D"); },
     {60, 50}, {328, 230},
     {"removed 1: 1, holds 1", "added 2: 5D 2C"}, {"AC", "5D 2C"}, 0},
    {"two cards dropped together",
     [](CardWindow& w) { Region(w, 2, true, 300, 200, "5D"); },
     {25, 50}, {305, 230},
     {"removed 1: 2, holds 0", "added 2: 5D AC 2C"}, {"", "5D AC 2C"}, 0},
    {"refused by the target's rule",
     [](CardWindow& w) { Region(w, 2, true, 300, 200, "5D", DropRefuse); },
     {60, 50}, {328, 230},
     {}, {"AC 2C", "5D"}, 10},
    {"asked and refused",
     [](CardWindow& w) { RecordDropRule(Region(w, 2, true, 300, 200, "5D"), false); },
     {60, 50}, {328, 230},
     {"drop rule 2: 2C"}, {"AC 2C", "5D"}, 10},
    {"asked and accepted",
     [](CardWindow& w) { RecordDropRule(Region(w, 2, true, 300, 200, "5D"), true); },
     {60, 50}, {328, 230},
     {"drop rule 2: 2C", "removed 1: 1, holds 1", "added 2: 5D 2C"}, {"AC", "5D 2C"}, 0},
    {"released over no region",
     [](CardWindow& w) { Region(w, 2, true, 300, 200, "5D"); },
     {60, 50}, {600, 450},
     {}, {"AC 2C", "5D"}, 20},
    {"released where it was taken: the source takes it back",
     [](CardWindow& w) { Region(w, 2, true, 300, 200, "5D"); },
     {60, 50}, {60, 50},
     {"removed 1: 1, holds 2", "added 1: AC 2C"}, {"AC 2C", "5D"}, 0},
    {"the source refusing its own cards",
     [](CardWindow& w) { w.FindRegion(1)->SetDropRule(DropRefuse, nullptr); },
     {60, 50}, {60, 50},
     {}, {"AC 2C"}, 0},
    {"equal scores: the earlier created wins",
     [](CardWindow& w) {
         Region(w, 2, true, 300, 200, "5D");
         Region(w, 3, true, 372, 200, "6D");
     },
     {60, 50}, {364, 230}, // image at (336, 200): 35 columns of each, 49 %
     {"removed 1: 1, holds 1", "added 2: 5D 2C"}, {"AC", "5D 2C", "6D"}, 1},
    {"equal scores: creation order, not position",
     [](CardWindow& w) {
         Region(w, 3, true, 372, 200, "6D");
         Region(w, 2, true, 300, 200, "5D");
     },
     {60, 50}, {364, 230},
     {"removed 1: 1, holds 1", "added 3: 6D 2C"}, {"AC", "5D", "6D 2C"}, 1},
    {"a higher score beats an earlier region",
     [](CardWindow& w) {
         Region(w, 2, true, 300, 200, "5D");
         Region(w, 3, true, 330, 200, "6D");
     },
     {60, 50}, {358, 230}, // image at (330, 200): 57 % and 100 %
     {"removed 1: 1, holds 1", "added 3: 6D 2C"}, {"AC", "5D", "6D 2C"}, 0},
    {"an invisible region is passed over",
     [](CardWindow& w) {
         Region(w, 2, false, 300, 200, "5D");
         Region(w, 3, true, 372, 200, "6D");
     },
     {60, 50}, {338, 230}, // image at (310, 200): 85 % of the hidden one, 49 % of the other
     {"removed 1: 1, holds 1", "added 3: 6D 2C"}, {"AC", "5D", "6D 2C"}, 1},
    {"only an invisible region under the cards",
     [](CardWindow& w) { Region(w, 2, false, 300, 200, "5D"); },
     {60, 50}, {328, 230},
     {}, {"AC 2C", "5D"}, 10},
    {"a region of 125 cards takes two more",
     [](CardWindow& w) {
         CardRegion* full = Region(w, 2, true, 300, 200, "");
         full->SetCards(ManyCards(125));
         full->SetCardsAddedCallback(nullptr);
     },
     {25, 50}, {305, 230},
     {"removed 1: 2, holds 0"}, {"", "127 cards"}, 0},
    {"a region of 126 cards refuses two more instead of losing them",
     [](CardWindow& w) {
         CardRegion* full = Region(w, 2, true, 300, 200, "");
         full->SetCards(ManyCards(126));
         full->SetCardsAddedCallback(nullptr);
     },
     {25, 50}, {305, 230},
     {}, {"AC 2C", "126 cards"}, 10},
};

// The text form of a region's cards; very full regions by their count.
std::string Contents(CardRegion* region)
{
    if (region->CardCount() > 100)
        return std::to_string(region->CardCount()) + " cards";
    return StackText(*region->Cards());
}

TEST(DropTarget, ReleasedCardsGoToTheRegionTheyCoverMost)
{
    for (const DropCase& c : dropCases) {
        SCOPED_TRACE(c.name);
        FakePlatform platform;
        ScopedPlatform installed(platform);
        TestTable table(706, 500);
        ASSERT_EQ(cardWidth, 71);
        CardRegion* source = table.Window().CreateRegion(1, true, 20, 20, 12, 0);
        source->SetCards(ParseStack("AC 2C"));
        RecordMoves(source);
        c.makeTargets(table.Window());
        CallbackLog().clear();

        table.Press(c.press.x, c.press.y);
        table.MoveTo(c.release.x, c.release.y);
        table.Release(c.release.x, c.release.y);

        EXPECT_EQ(CallbackLog(), c.log);
        for (std::size_t i = 0; i < c.stacks.size(); ++i)
            EXPECT_EQ(Contents(table.Window().FindRegion(static_cast<int>(i) + 1)), c.stacks[i]) << "region " << i + 1;
        EXPECT_EQ(platform.sleeps.size(), c.sleeps);
    }
}

} // namespace
