// What the window shows during and after a drag: at every step the table as
// a fresh paint gives it with the dragged cards over it, and afterwards the
// table as a fresh paint gives it. Nothing is left behind, nothing is missing.
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A 706 x 500 table with the platform under the test's control.
struct DragScene {
    FakePlatform platform;
    ScopedPlatform installed{platform};
    TestTable table{706, 500};
    MemorySurface before{706, 500};
    POINT press = {0, 0};
    std::vector<FloatingCard> hand;

    DragScene() { CallbackLog().clear(); }

    // Remembers the window after a full paint of the table as set up. With
    // `asDealt`, the regions are first shown one after another as a deal puts
    // them down: overlapping rows leave a few pixels no paint touches (the
    // cut corners of a card over the covered part of a card above), which
    // keep what the card above showed before it was covered.
    void Settle(bool asDealt = false)
    {
        CardWindow& window = table.Window();
        for (int i = 0; asDealt && i < window.RegionCount(); ++i)
            window.RegionByIndex(i)->SetVisible(false);
        for (int i = 0; asDealt && i < window.RegionCount(); ++i) {
            window.RegionByIndex(i)->SetVisible(true);
            window.Redraw();
        }
        window.Redraw();
        before.CopyFromWindow(table.Handle());
    }

    // Presses at (x, y), taking `cards` that lie at the given places.
    void PressOn(POINT at, std::vector<FloatingCard> cards)
    {
        press = at;
        hand = std::move(cards);
        table.Press(at.x, at.y);
    }

    // Moves the pointer from `from` to `to` in small steps, checking the
    // whole window after each step.
    void DragAndCheck(POINT from, POINT to, int steps)
    {
        for (int i = 1; i <= steps; ++i) {
            const int px = from.x + (to.x - from.x) * i / steps;
            const int py = from.y + (to.y - from.y) * i / steps;
            table.MoveTo(px, py);
            std::vector<FloatingCard> moved = hand;
            for (FloatingCard& card : moved) {
                card.x += px - press.x;
                card.y += py - press.y;
            }
            ASSERT_EQ(DifferenceFromFreshPaint(table, before, moved), "") << "pointer at (" << px << ", " << py << ")";
        }
    }

    // Drags along `path` in steps of a few pixels, checking every step.
    void DragAlong(const std::vector<POINT>& path)
    {
        for (std::size_t i = 1; i < path.size(); ++i) {
            const int length = std::abs(path[i].x - path[i - 1].x) + std::abs(path[i].y - path[i - 1].y);
            DragAndCheck(path[i - 1], path[i], std::max(1, length / 12));
        }
    }
};

struct DragPictureTest : DragScene, testing::Test {};

TEST_F(DragPictureTest, TwoCardsDraggedOverEveryKindOfRegionDropCleanly)
{
    CardWindow& window = table.Window();
    CardRegion* source = window.CreateRegion(1, true, 5, 10, 12, 0);
    source->SetCards(ParseStack("AC 2D 3H 4S 5C"));
    CardRegion* target = window.CreateRegion(2, true, 300, 40, 12, 0);
    target->SetCards(ParseStack("9H 10S"));
    window.CreateRegion(3, true, 150, 200, 0, 15)->SetCards(ParseStack("JC QD KH"));
    window.CreateRegion(4, true, 520, 330, 0, 0); // an empty place
    RecordMoves(source);
    RecordMoves(target);
    Settle();

    // The 4th card's strip (x 41..52) takes the top two; over the pile, the
    // empty place and the target, where the image at (336, 50) lands.
    PressOn({45, 30}, Fan("4S 5C", 41, 10, 12, 0));
    DragAlong({{45, 30}, {180, 260}, {560, 360}, {340, 70}});
    table.Release(340, 70);
    EXPECT_EQ(StackText(*source->Cards()), "AC 2D 3H");
    EXPECT_EQ(StackText(*target->Cards()), "9H 10S 4S 5C");
    EXPECT_EQ(CallbackLog(), (std::vector<std::string>{"removed 1: 2, holds 3", "added 2: 9H 10S 4S 5C"}));
    EXPECT_EQ(DifferenceFromFreshPaint(table, before), "");
}

// A card of a triangle's bottom row, as the game lays it out: each card
// covers the lower two thirds of the two above it, each a region of its own.
void MakeTriangle(CardWindow& window, int emptyStyle)
{
    static const char* const faces[6] = {"AH", "2S", "3D", "4C", "5H", "6S"};
    for (int r = 0, id = 1; r < 3; ++r)
        for (int j = 0; j <= r; ++j, ++id) {
            const int x = 5 + static_cast<int>(71.0 * (j + 5 - r / 2.0));
            CardRegion* region = window.CreateRegion(id, true, x, 178 + 32 * r, 0, 15);
            region->SetCards(ParseStack(faces[id - 1]));
            region->SetEmptyStyle(emptyStyle);
        }
}

// Cards dragged away and released over no region slide home whole; the
// window never shows a trail or a hole. The saved table under a card is
// taken from where the card is (not where its fan starts), the cards it lay
// over are drawn again when it is picked up (while it is in hand its place
// shows what lies beneath, as if its region were not there), a place
// emptied under later rows shows its outline beneath them, and positions
// left of and above the window arrive as negative numbers while the mouse
// is captured. Triangles are settled as a deal lays them down.
TEST(DragPicture, DraggedAwayAndSlidBackWithoutTrails)
{
    const struct {
        const char* name;
        std::function<CardRegion*(CardWindow&)> makeTable;
        POINT press;
        std::vector<FloatingCard> taken;
        std::vector<POINT> path;
        const char* home;
        bool triangle = false;
    } cases[] = {
        {"a fan pulled downward from a pile",
         [](CardWindow& w) {
             w.CreateRegion(2, true, 400, 300, 8, 0)->SetCards(ParseStack("7D 8D 9D"));
             CardRegion* pile = w.CreateRegion(1, true, 200, 50, 0, 20);
             pile->SetCards(ParseStack("2C 3C 4C 5C 6C"));
             return pile;
         },
         {230, 100}, Fan("4C 5C 6C", 200, 90, 0, 20), {{230, 100}, {460, 340}, {650, 440}}, "2C 3C 4C 5C 6C"},
        {"the top card of a fan lying over other cards",
         [](CardWindow& w) {
             w.CreateRegion(1, true, 100, 100, 0, 0)->SetCards(ParseStack("KS"));
             w.CreateRegion(2, true, 200, 230, 0, 0)->SetCards(ParseStack("QH"));
             CardRegion* fan = w.CreateRegion(3, true, 120, 150, 12, 0);
             fan->SetCards(ParseStack("2H 3H 4H"));
             return fan;
         },
         {190, 200}, Fan("4H", 144, 150), {{190, 200}, {400, 420}}, "2H 3H 4H"},
        {"leaving the window above and left of it",
         [](CardWindow& w) {
             w.CreateRegion(2, true, 0, 200, 0, 0)->SetCards(ParseStack("10D"));
             CardRegion* source = w.CreateRegion(1, true, 20, 30, 0, 0);
             source->SetCards(ParseStack("8C 9C"));
             return source;
         },
         {30, 40}, Fan("9C", 20, 30), {{30, 40}, {-45, -70}, {100, 120}, {-60, 230}, {-80, -110}, {-5, 330}}, "8C 9C"},
        {"a card over two rows of a triangle",
         [](CardWindow& w) {
             MakeTriangle(w, EmptyNothing);
             return w.FindRegion(5);
         },
         {400, 320}, Fan("5H", 360, 242), {{400, 320}, {330, 200}, {600, 450}}, "5H", true},
        {"the apex taken from over its emptied outline",
         [](CardWindow& w) {
             MakeTriangle(w, EmptyOutline);
             return w.FindRegion(1);
         },
         {395, 185}, Fan("AH", 360, 178), {{395, 185}, {395, 60}, {600, 120}}, "AH", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DragScene scene;
        CardRegion* source = c.makeTable(scene.table.Window());
        scene.Settle(c.triangle);
        scene.PressOn(c.press, c.taken);
        ASSERT_TRUE(source->IsDragging());
        EXPECT_EQ(MemorySurface(scene.table.Handle()).CountDifferences(scene.before), 0) << "the press alone shows nothing";
        // An emptied place of the style Nothing shows what lies beneath, as if its region were not there.
        source->SetVisible(source->GetEmptyStyle() != EmptyNothing);
        scene.DragAlong(c.path);
        source->SetVisible(true);
        scene.table.Release(c.path.back().x, c.path.back().y);
        EXPECT_EQ(StackText(*source->Cards()), c.home);
        EXPECT_TRUE(CallbackLog().empty());
        EXPECT_EQ(DifferenceFromFreshPaint(scene.table, scene.before), "");
    }
}

// The slide itself: at each pause between frames the card stands on the
// straight line from the release to its place, and nothing else changed.
// The release comes away from the last move, as it may when moves are
// coalesced: the slide starts from the release. A step of 0 is ignored.
TEST_F(DragPictureTest, EveryFrameOfTheSlideBackShowsTheCardOnItsWay)
{
    CardRegion* source = table.Window().CreateRegion(1, true, 100, 100, 0, 0);
    source->SetCards(ParseStack("7H"));
    Settle();
    SetAnimationStep(40);
    SetAnimationStep(0);
    PressOn({110, 110}, Fan("7H", 100, 100));
    DragAndCheck({110, 110}, {250, 300}, 16);
    std::vector<std::string> failures;
    platform.onSleep = [&](int frame) {
        // 192 x 256 pixels back at 40 a step: (-24, -32) per frame.
        std::string difference = DifferenceFromFreshPaint(table, before, Fan("7H", 292 - 24 * frame, 356 - 32 * frame));
        if (!difference.empty())
            failures.push_back("frame " + std::to_string(frame) + ": " + difference);
    };
    table.Release(302, 366); // the image at (292, 356)
    SetAnimationStep(32);
    EXPECT_EQ(platform.sleeps, std::vector<std::uint32_t>(7, 10)); // 8 frames
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(DifferenceFromFreshPaint(table, before), "");
}

// A programmatic move slides without any repaint of the whole table: the
// first frame takes the card off its pile, the last puts it in place.
TEST_F(DragPictureTest, AnAnimatedMoveLeavesTheTableAsAFreshPaint)
{
    CardRegion* deck = table.Window().CreateRegion(1, true, 100, 100, 0, 0);
    deck->SetCards(ParseStack("AS 2S 3S"));
    CardRegion* target = table.Window().CreateRegion(2, true, 420, 100, 12, 0);
    target->SetCards(ParseStack("JD"));
    Settle();
    std::vector<std::string> failures;
    platform.onSleep = [&](int frame) {
        std::string difference = DifferenceFromFreshPaint(table, before, Fan("3S", 100 + 32 * frame, 100));
        if (!difference.empty())
            failures.push_back("frame " + std::to_string(frame) + ": " + difference);
    };
    ASSERT_TRUE(deck->MoveCards(target, 1, true));
    EXPECT_EQ(platform.sleeps, std::vector<std::uint32_t>(10, 10)); // 332 pixels at 32: 11 frames
    EXPECT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(StackText(*target->Cards()), "JD 3S");
    EXPECT_EQ(DifferenceFromFreshPaint(table, before), "");
}

} // namespace
