#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF highlight = 0x67895B; // the raised frame on the table's green

int clicks = 0;

// A button of (20, 20)-(100, 50) on a live table: its top-left pixel is the
// light frame line while raised and the black one while sunken.
struct ButtonScene {
    ButtonScene() : table(240, 160)
    {
        clicks = 0;
        button = table.Window().CreateButton(0x12345, "Go", PushButton, true, 20, 20, 80, 30);
        button->SetClickCallback([](CardButton*) { ++clicks; });
        table.Window().Redraw();
    }
    COLORREF CornerOnScreen() const { return MemorySurface(table.Handle()).Pixel(20, 20); }
    TestTable table;
    CardButton* button = nullptr;
};

struct PushButtonOnTable : ButtonScene, testing::Test {};

TEST_F(PushButtonOnTable, SinksWhilePressedOverItAndPopsOutOffIt)
{
    EXPECT_EQ(CornerOnScreen(), highlight);
    table.Press(30, 30);
    EXPECT_EQ(GetCapture(), table.Handle());
    const struct {
        int x, y;
        bool pressed;
    } steps[] = {{30, 30, true}, {99, 49, true}, {100, 49, false}, {-5, 30, false},
                 {20, 20, true}, {19, 20, false}, {60, 35, true}};
    for (const auto& s : steps) {
        table.MoveTo(s.x, s.y);
        EXPECT_EQ(button->IsPressed(), s.pressed) << s.x << "," << s.y;
        EXPECT_EQ(CornerOnScreen(), s.pressed ? 0u : highlight) << s.x << "," << s.y;
    }
    table.Release(60, 35);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(CornerOnScreen(), highlight);
    EXPECT_EQ(GetCapture(), nullptr);
}

// A press whose release never comes, because another window took the
// capture or the next press arrives first, ends raised and without a click.
TEST_F(PushButtonOnTable, ALostCaptureOrANewPressEndsThePressWithoutAClick)
{
    for (const bool captureTaken : {true, false}) {
        SCOPED_TRACE(captureTaken ? "capture taken" : "a new press on bare table");
        table.Press(30, 30);
        ASSERT_TRUE(button->IsPressed());
        if (captureTaken)
            SetCapture(table.Parent());
        else
            table.Press(200, 120);
        EXPECT_FALSE(button->IsTracking());
        EXPECT_EQ(pressedButton, nullptr);
        EXPECT_EQ(CornerOnScreen(), highlight) << "raised again";
        EXPECT_EQ(GetCapture(), captureTaken ? table.Parent() : nullptr);
        ReleaseCapture();
        table.Release(30, 30);
        EXPECT_EQ(clicks, 0) << "the release over the button comes too late";
    }
}

// Presses that start nothing, or end where the button is not the one on
// top, give no click, no capture and no sunken picture.
TEST(ButtonPress, RefusedOrMissedPressesNeverClick)
{
    enum Setup { Outside, Hidden, UnderRegion, CoveredAtRelease };
    const struct {
        const char* name;
        Setup setup;
        POINT release;
        bool pressed;
    } cases[] = {{"released outside", Outside, {200, 100}, true},
                 {"hidden", Hidden, {30, 30}, false},
                 {"a region over it", UnderRegion, {30, 30}, false},
                 {"released over a later button", CoveredAtRelease, {70, 30}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonScene scene;
        TestTable& table = scene.table;
        scene.button->SetVisible(c.setup != Hidden);
        if (c.setup == UnderRegion)
            table.Window().CreateRegion(1, true, 0, 0, 0, 0);
        if (c.setup == CoveredAtRelease)
            table.Window().CreateButton(2, "Top", PushButton, true, 60, 20, 60, 30);
        table.Press(30, 30);
        EXPECT_EQ(scene.button->IsPressed(), c.pressed);
        EXPECT_EQ(GetCapture(), c.pressed ? table.Handle() : nullptr);
        table.MoveTo(c.release.x, c.release.y);
        table.Release(c.release.x, c.release.y);
        EXPECT_EQ(clicks, 0);
        EXPECT_FALSE(scene.button->IsTracking());
        EXPECT_EQ(GetCapture(), nullptr);
    }
}

} // namespace
