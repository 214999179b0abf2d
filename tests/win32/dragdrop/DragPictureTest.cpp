// What the window shows during and after a drag: at every step the table as
// a fresh paint gives it with the dragged cards over it, and afterwards the
// table as a fresh paint gives it. Nothing is left behind, nothing is missing.
#include "cardlib/CardLibrary.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/dragdrop/DragTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A 706 x 500 table whose window is checked against fresh paints.
struct PictureScene : DragScene {
    MemorySurface before{706, 500};
    POINT press = {0, 0};
    std::vector<FloatingCard> hand;

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
        BitBlt(before.Context(), 0, 0, 706, 500, MemorySurface(table.Handle()).Context(), 0, 0, SRCCOPY);
    }

    // Presses at (x, y), taking `cards` that lie at the given places.
    void PressOn(POINT at, std::vector<FloatingCard> cards)
    {
        press = at;
        hand = std::move(cards);
        table.Press(at.x, at.y);
    }

    // Drags along `path` (device pixels) in steps of a few pixels, checking
    // the whole window after each step: the cards follow the logical points.
    void DragAlong(const std::vector<POINT>& path)
    {
        for (std::size_t leg = 1; leg < path.size(); ++leg) {
            const POINT from = path[leg - 1], to = path[leg];
            const int steps = std::max(1, static_cast<int>(std::abs(to.x - from.x) + std::abs(to.y - from.y)) / 12);
            for (int i = 1; i <= steps; ++i) {
                const int px = from.x + (to.x - from.x) * i / steps, py = from.y + (to.y - from.y) * i / steps;
                table.MoveTo(px, py);
                std::vector<FloatingCard> moved = hand;
                const DisplayScale& scale = table.Window().Scale();
                for (FloatingCard& card : moved) {
                    card.x += scale.ToLogical(px) - scale.ToLogical(press.x);
                    card.y += scale.ToLogical(py) - scale.ToLogical(press.y);
                }
                ASSERT_EQ(DifferencesFromFreshPaint(table, before, moved), 0) << "pointer at " << px << "," << py;
            }
        }
    }
};

struct DragPictureTest : PictureScene, testing::Test {};

// Three rows of a triangle as the game lays it out: each card covers the
// lower two thirds of the two above it, each a region of its own.
void MakeTriangle(PictureScene& scene)
{
    static const char* const faces[6] = {"AH", "2S", "3D", "4C", "5H", "6S"};
    for (int r = 0, id = 1; r < 3; ++r)
        for (int j = 0; j <= r; ++j, ++id)
            scene.Region(id, 5 + static_cast<int>(71.0 * (j + 5 - r / 2.0)), 178 + 32 * r, 0, 15, faces[id - 1])
                ->SetEmptyStyle(EmptyNothing);
}

// Cards dragged away and released over no region slide home whole; the
// window never shows a trail or a hole. The saved table under a card is
// taken from where the card is (not where its fan starts), the cards it lay
// over are drawn again when it is picked up, and positions left of and
// above the window arrive as negative numbers while the mouse is captured.
// On a table at 175 % each frame is where its logical place maps to.
TEST(DragPicture, DraggedAwayAndSlidBackWithoutTrails)
{
    const auto triangle = [](PictureScene& s) { MakeTriangle(s); return s.table.Window().FindRegion(5); };
    const struct {
        const char* name;
        std::function<CardRegion*(PictureScene&)> makeTable;
        POINT press;
        std::vector<FloatingCard> taken;
        std::vector<POINT> path;
        const char* home;
        bool triangle = false;
        int zoom = 100;
    } cases[] = {
        {"the top card of a fan lying over other cards",
         [](PictureScene& s) {
             s.Region(1, 100, 100, 0, 0, "KS");
             s.Region(2, 200, 230, 0, 0, "QH");
             return s.Region(3, 120, 150, 12, 0, "2H 3H 4H");
         },
         {190, 200}, Held("4H", 144, 150), {{190, 200}, {400, 420}}, "2H 3H 4H"},
        {"leaving the window above and left of it",
         [](PictureScene& s) {
             s.Region(2, 0, 200, 0, 0, "10D");
             return s.Region(1, 20, 30, 0, 0, "8C 9C");
         },
         {30, 40}, Held("9C", 20, 30), {{30, 40}, {-45, -70}, {100, 120}, {-60, 230}, {-80, -110}, {-5, 330}}, "8C 9C"},
        {"a card over two rows of a triangle", triangle, {400, 320}, Held("5H", 360, 242),
         {{400, 320}, {330, 200}, {600, 450}}, "5H", true},
        {"the same at 175 %", triangle, {660, 460}, Held("5H", 360, 242), {{660, 460}, {300, 200}, {100, 150}}, "5H",
         true, 175},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureScene scene;
        scene.table.Window().SetScale(DisplayScale(96, c.zoom));
        CardRegion* source = c.makeTable(scene);
        scene.Settle(c.triangle);
        scene.PressOn(c.press, c.taken);
        ASSERT_TRUE(source->IsDragging());
        // The press alone shows nothing.
        EXPECT_EQ(scene.before.CountDifferences(MemorySurface(scene.table.Handle())), 0);
        // An emptied place of the style Nothing shows what lies beneath, as if its region were not there.
        source->SetVisible(source->GetEmptyStyle() != EmptyNothing);
        scene.DragAlong(c.path);
        source->SetVisible(true);
        scene.table.Release(c.path.back().x, c.path.back().y);
        EXPECT_EQ(StackText(*source->Cards()), c.home);
        EXPECT_TRUE(CallbackLog().empty());
        EXPECT_EQ(DifferencesFromFreshPaint(scene.table, scene.before), 0);
    }
}

// The slide itself: at each pause between frames the card stands on the
// straight line from the release to its place, and nothing else changed.
// The release comes away from the last move, as it may when moves are
// coalesced: the slide starts from the release. A step of 0 is ignored.
TEST_F(DragPictureTest, EveryFrameOfTheSlideBackShowsTheCardOnItsWay)
{
    Region(1, 100, 100, 0, 0, "7H");
    Settle();
    SetAnimationStep(40);
    SetAnimationStep(0);
    PressOn({110, 110}, Held("7H", 100, 100));
    DragAlong({{110, 110}, {250, 300}});
    // 192 x 256 pixels back at 40 a step: (-24, -32) per frame.
    std::vector<int> wrongFrames;
    platform.onSleep = [&](int frame) {
        if (DifferencesFromFreshPaint(table, before, Held("7H", 292 - 24 * frame, 356 - 32 * frame)) != 0)
            wrongFrames.push_back(frame);
    };
    table.Release(302, 366); // the image at (292, 356)
    SetAnimationStep(32);
    EXPECT_EQ(platform.sleeps, std::vector<std::uint32_t>(7, 10)); // 8 frames
    EXPECT_EQ(wrongFrames, std::vector<int>());
    EXPECT_EQ(DifferencesFromFreshPaint(table, before), 0);
}

} // namespace
