// What the window shows during and after a drag: at every step the table as
// a fresh paint gives it with the dragged cards over it, and afterwards the
// table as a fresh paint gives it. Nothing is left behind, nothing is missing.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr int tableWidth = 706;
constexpr int tableHeight = 500;

struct DragPictureTest : testing::Test {
    FrameClock clock;
    ScopedPlatform platform{clock};
    TestTable table{tableWidth, tableHeight};
    MemorySurface before{tableWidth, tableHeight};
    POINT press = {0, 0};
    std::vector<FloatingCard> hand;

    void SetUp() override
    {
        ASSERT_EQ(cardWidth, 71);
        ASSERT_EQ(cardHeight, 96);
        CallbackLog().clear();
    }

    // Remembers the window after a full paint of the table as set up.
    void Settle()
    {
        table.Window().Redraw();
        ReadWindow(table, before);
    }

    // As Settle, with the regions shown one after another as a deal puts
    // them down. Overlapping rows leave a few pixels that no paint touches
    // (the cut corners of a card over the covered part of a card above):
    // they keep what the card above showed before it was covered.
    void SettleAsDealt()
    {
        CardWindow& window = table.Window();
        for (int i = 0; i < window.RegionCount(); ++i)
            window.RegionByIndex(i)->SetVisible(false);
        for (int i = 0; i < window.RegionCount(); ++i) {
            window.RegionByIndex(i)->SetVisible(true);
            window.Redraw();
        }
        Settle();
    }

    // Presses at (x, y), taking `cards` that lie at the given places.
    void PressOn(int x, int y, std::vector<FloatingCard> cards)
    {
        press = {x, y};
        hand = std::move(cards);
        table.Press(x, y);
    }

    // The cards in hand with the pointer at (x, y).
    std::vector<FloatingCard> HandAt(int x, int y) const
    {
        std::vector<FloatingCard> moved = hand;
        for (FloatingCard& card : moved) {
            card.x += x - press.x;
            card.y += y - press.y;
        }
        return moved;
    }

    // Moves the pointer from `from` to `to` in small steps, checking the
    // whole window after each step.
    void DragAndCheck(POINT from, POINT to, int steps)
    {
        for (int i = 1; i <= steps; ++i) {
            const int px = from.x + (to.x - from.x) * i / steps;
            const int py = from.y + (to.y - from.y) * i / steps;
            table.MoveTo(px, py);
            PictureDifference difference = CompareWithWindow(table, before, HandAt(px, py));
            ASSERT_EQ(difference.count, 0) << "pointer at (" << px << ", " << py << "):" << difference.where;
        }
    }

    void ExpectFreshTable(const char* when)
    {
        PictureDifference difference = CompareWithWindow(table, before);
        EXPECT_EQ(difference.count, 0) << when << ":" << difference.where;
    }
};

TEST_F(DragPictureTest, TwoCardsDraggedOverEveryKindOfRegionDropCleanly)
{
    CardWindow& window = table.Window();
    CardRegion* source = window.CreateRegion(1, true, 5, 10, 12, 0);
    source->SetCards(ParseStack("AC 2D 3H 4S 5C"));
    CardRegion* target = window.CreateRegion(2, true, 300, 40, 12, 0);
    target->SetCards(ParseStack("9H 10S"));
    CardRegion* pile = window.CreateRegion(3, true, 150, 200, 0, 15);
    pile->SetCards(ParseStack("JC QD KH"));
    window.CreateRegion(4, true, 520, 330, 0, 0); // an empty place
    RecordRemoved(source);
    RecordAdded(target);
    Settle();

    // The 4th card's strip (x 41..52) takes the top two.
    PressOn(45, 30, Fan(Cells(ParseStack("4S 5C")), 41, 10, 12, 0));
    ASSERT_TRUE(source->IsDragging());
    DragAndCheck({45, 30}, {180, 260}, 30);   // over the pile
    DragAndCheck({180, 260}, {560, 360}, 40); // over the empty place
    DragAndCheck({560, 360}, {340, 70}, 40);  // over the target

    // The image lies at (336, 50): the target covers it most.
    table.Release(340, 70);
    EXPECT_FALSE(source->IsDragging());
    EXPECT_EQ(StackText(*source->Cards()), "AC 2D 3H");
    EXPECT_EQ(StackText(*target->Cards()), "9H 10S 4S 5C");
    EXPECT_EQ(CallbackLog(), (std::vector<std::string>{"removed 1: 2, holds 3", "added 2: 9H 10S 4S 5C"}));
    ExpectFreshTable("after the drop");
}

TEST_F(DragPictureTest, AFanPulledDownwardFromAPileSlidesBackWhole)
{
    CardWindow& window = table.Window();
    CardRegion* pile = window.CreateRegion(1, true, 200, 50, 0, 20);
    pile->SetCards(ParseStack("2C 3C 4C 5C 6C"));
    window.CreateRegion(2, true, 400, 300, 8, 0)->SetCards(ParseStack("7D 8D 9D"));
    RecordRemoved(pile);
    Settle();

    // The 3rd card's strip (y 90..109) takes 4C 5C 6C.
    PressOn(230, 100, Fan(Cells(ParseStack("4C 5C 6C")), 200, 90, 0, 20));
    DragAndCheck({230, 100}, {460, 340}, 35);
    DragAndCheck({460, 340}, {650, 440}, 20);
    table.Release(650, 440); // over nothing
    EXPECT_EQ(StackText(*pile->Cards()), "2C 3C 4C 5C 6C");
    EXPECT_TRUE(CallbackLog().empty());
    ExpectFreshTable("after sliding back");
}

// Three rows of a triangle as the game lays them out: each card covers the
// lower two thirds of the two cards above it, each a region of its own.
struct TriangleRows {
    CardRegion* regions[6];
};

TriangleRows MakeTriangle(CardWindow& window, int emptyStyle = EmptyNothing)
{
    static const char* const faces[6] = {"AH", "2S", "3D", "4C", "5H", "6S"};
    TriangleRows rows{};
    int id = 1;
    for (int r = 0; r < 3; ++r) {
        for (int j = 0; j <= r; ++j, ++id) {
            const int x = 5 + static_cast<int>(71.0 * (j + 5 - r / 2.0));
            CardRegion* region = window.CreateRegion(id, true, x, 178 + 32 * r, 0, 15);
            region->SetCards(ParseStack(faces[id - 1]));
            region->SetEmptyStyle(emptyStyle);
            rows.regions[id - 1] = region;
        }
    }
    return rows;
}

// The table under a card of a triangle's bottom row is the two cards above
// it: they are drawn again when the card is picked up.
TEST_F(DragPictureTest, ACardOverTwoRowsRevealsThemAndSlidesBack)
{
    TriangleRows rows = MakeTriangle(table.Window());
    CardRegion* middle = rows.regions[4]; // row 2 at (360, 242)
    SettleAsDealt();

    PressOn(400, 320, Fan(Cells(ParseStack("5H")), 360, 242, 0, 0));
    ASSERT_TRUE(middle->IsDragging());
    MemorySurface afterPress(tableWidth, tableHeight);
    ReadWindow(table, afterPress);
    EXPECT_EQ(afterPress.CountDifferences(before), 0) << "the press alone changes nothing on screen";
    // While the card is in hand its place shows what lies beneath, as if its
    // region were not there.
    middle->SetVisible(false);
    DragAndCheck({400, 320}, {330, 200}, 12); // over the cards above
    DragAndCheck({330, 200}, {600, 450}, 30);
    middle->SetVisible(true);

    table.Release(600, 450);
    EXPECT_EQ(StackText(*middle->Cards()), "5H");
    ExpectFreshTable("after sliding back");
}

// A card taken from under later rows leaves its place showing its empty
// outline, and the later rows stay over that outline as a paint draws them.
TEST_F(DragPictureTest, AnEmptiedPlaceUnderLaterRowsShowsItsOutlineUnderThem)
{
    TriangleRows rows = MakeTriangle(table.Window(), EmptyOutline);
    SettleAsDealt();

    PressOn(395, 185, Fan(Cells(ParseStack("AH")), 360, 178, 0, 0)); // the apex, by its top band
    ASSERT_TRUE(rows.regions[0]->IsDragging());
    DragAndCheck({395, 185}, {395, 60}, 8);
    DragAndCheck({395, 60}, {600, 120}, 10);
    table.Release(600, 120);
    EXPECT_EQ(StackText(*rows.regions[0]->Cards()), "AH");
    ExpectFreshTable("after sliding back");
}

// A card dragged out of a fan that lies over cards of other regions: the
// saved table under the card is taken from where the card is, not from
// where the fan starts.
TEST_F(DragPictureTest, TheTopCardOfAFanLyingOverOtherCards)
{
    CardWindow& window = table.Window();
    window.CreateRegion(1, true, 100, 100, 0, 0)->SetCards(ParseStack("KS"));  // under the fan's corner
    window.CreateRegion(2, true, 200, 230, 0, 0)->SetCards(ParseStack("QH")); // under its top card only
    CardRegion* fan = window.CreateRegion(3, true, 120, 150, 12, 0);
    fan->SetCards(ParseStack("2H 3H 4H"));
    Settle();

    PressOn(190, 200, Fan(Cells(ParseStack("4H")), 144, 150, 0, 0));
    DragAndCheck({190, 200}, {400, 420}, 20);
    table.Release(400, 420);
    EXPECT_EQ(StackText(*fan->Cards()), "2H 3H 4H");
    ExpectFreshTable("after sliding back");
}

// With the mouse captured the pointer may leave the window: positions left
// of and above the client area arrive as negative numbers.
TEST_F(DragPictureTest, LeavingTheWindowAboveAndLeftOfIt)
{
    CardWindow& window = table.Window();
    CardRegion* source = window.CreateRegion(1, true, 20, 30, 0, 0);
    source->SetCards(ParseStack("8C 9C"));
    window.CreateRegion(2, true, 0, 200, 0, 0)->SetCards(ParseStack("10D"));
    Settle();

    PressOn(30, 40, Fan(Cells(ParseStack("9C")), 20, 30, 0, 0));
    DragAndCheck({30, 40}, {-45, -70}, 15);
    DragAndCheck({-45, -70}, {100, 120}, 15);
    DragAndCheck({100, 120}, {-60, 230}, 15);
    DragAndCheck({-60, 230}, {-80, -110}, 5); // wholly outside
    DragAndCheck({-80, -110}, {-5, 330}, 10);
    // The image lies at (-15, 320), over no region: back to the pile.
    table.Release(-5, 330);
    EXPECT_EQ(StackText(*source->Cards()), "8C 9C");
    ExpectFreshTable("after sliding back");
}

// The slide itself: at each pause between frames the card stands on the
// straight line from the release to its place, and nothing else changed.
// The release comes away from the last move, as it may when moves are
// coalesced: the slide starts from the release, and nothing stays behind
// where the last move left the card.
TEST_F(DragPictureTest, EveryFrameOfTheSlideBackShowsTheCardOnItsWay)
{
    CardRegion* source = table.Window().CreateRegion(1, true, 100, 100, 0, 0);
    source->SetCards(ParseStack("7H"));
    Settle();
    SetAnimationStep(40);
    SetAnimationStep(0); // ignored: a slide must make progress

    PressOn(110, 110, Fan(Cells(ParseStack("7H")), 100, 100, 0, 0));
    DragAndCheck({110, 110}, {250, 300}, 16);
    std::vector<std::string> frameFailures;
    clock.onSleep = [&](int frame) {
        // 192 x 256 pixels back at 40 a step: (-24, -32) per frame.
        std::vector<FloatingCard> card = Fan(Cells(ParseStack("7H")), 292 - 24 * frame, 356 - 32 * frame, 0, 0);
        PictureDifference difference = CompareWithWindow(table, before, card);
        if (difference.count != 0)
            frameFailures.push_back("frame " + std::to_string(frame) + ":" + difference.where);
    };
    table.Release(302, 366); // the image at (292, 356)
    SetAnimationStep(32);

    EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(7, 10)); // 8 frames, a pause between each two
    EXPECT_TRUE(frameFailures.empty()) << frameFailures.front();
    ExpectFreshTable("after sliding back");
}

// A programmatic move slides without any repaint of the whole table: the
// first frame takes the card off its pile, the last puts it in place.
TEST_F(DragPictureTest, AnAnimatedMoveLeavesTheTableAsAFreshPaint)
{
    CardWindow& window = table.Window();
    CardRegion* deck = window.CreateRegion(1, true, 100, 100, 0, 0);
    deck->SetCards(ParseStack("AS 2S 3S"));
    CardRegion* target = window.CreateRegion(2, true, 420, 100, 12, 0);
    target->SetCards(ParseStack("JD"));
    Settle();

    std::vector<std::string> frameFailures;
    clock.onSleep = [&](int frame) {
        // 332 pixels right at 32 a step.
        PictureDifference difference =
            CompareWithWindow(table, before, Fan(Cells(ParseStack("3S")), 100 + 32 * frame, 100, 0, 0));
        if (difference.count != 0)
            frameFailures.push_back("frame " + std::to_string(frame) + ":" + difference.where);
    };
    ASSERT_TRUE(deck->MoveCards(target, 1, true));

    EXPECT_EQ(clock.sleeps, std::vector<std::uint32_t>(10, 10)); // 11 frames
    EXPECT_TRUE(frameFailures.empty()) << frameFailures.front();
    EXPECT_EQ(StackText(*target->Cards()), "JD 3S");
    PictureDifference difference = CompareWithWindow(table, before);
    EXPECT_EQ(difference.count, 0) << difference.where;
}

} // namespace
