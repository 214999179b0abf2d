#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/LockHolder.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF highlight = 0x67895B; // the raised frame on the table's green

std::vector<CardButton*> clicked;

void RecordClick(CardButton* button)
{
    clicked.push_back(button);
}

// A push button of (20, 20)-(100, 50) on a live table: its top-left pixel
// is the light frame line while raised and the black one while sunken.
class PushButtonOnTable : public testing::Test {
protected:
    PushButtonOnTable() : table(240, 160)
    {
        clicked.clear();
        button = table.Window().CreateButton(0x12345, "Go", PushButton, true, 20, 20, 80, 30);
        button->SetClickCallback(RecordClick);
        table.Window().Redraw();
    }
    COLORREF CornerOnScreen()
    {
        MemorySurface screen(240, 160);
        screen.CopyFromWindow(table.Handle());
        return screen.Pixel(20, 20);
    }
    TestTable table;
    CardButton* button = nullptr;
};

TEST_F(PushButtonOnTable, SinksWhilePressedOverItAndPopsOutOffIt)
{
    EXPECT_EQ(CornerOnScreen(), highlight);
    table.Press(30, 30);
    EXPECT_TRUE(button->IsPressed());
    EXPECT_EQ(CornerOnScreen(), 0u) << "sunken";
    EXPECT_EQ(GetCapture(), table.Handle());
    struct Step {
        int x, y;
        bool pressed;
    };
    const Step steps[] = {{99, 49, true}, {100, 49, false}, {150, 150, false}, {-5, 30, false},
                          {20, 20, true}, {19, 20, false},  {60, 35, true}};
    for (const Step& s : steps) {
        table.MoveTo(s.x, s.y);
        EXPECT_EQ(button->IsPressed(), s.pressed) << s.x << "," << s.y;
        EXPECT_EQ(CornerOnScreen(), s.pressed ? 0u : highlight) << s.x << "," << s.y;
    }
    table.Release(60, 35);
    EXPECT_EQ(clicked.size(), 1u);
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
        EXPECT_FALSE(button->IsPressed());
        EXPECT_FALSE(button->IsTracking());
        EXPECT_EQ(pressedButton, nullptr);
        EXPECT_EQ(CornerOnScreen(), highlight) << "raised again";
        EXPECT_EQ(GetCapture(), captureTaken ? table.Parent() : nullptr);
        ReleaseCapture();
        table.Release(30, 30);
        EXPECT_TRUE(clicked.empty()) << "the release over the button comes too late";
    }
}

TEST_F(PushButtonOnTable, DoubleClickGivesTwoClicks)
{
    table.Press(30, 30);
    table.Release(30, 30);
    table.DoubleClick(30, 30);
    table.Release(30, 30);
    EXPECT_EQ(clicked.size(), 2u);
    EXPECT_EQ(clicked[0], button);
}

TEST_F(PushButtonOnTable, WithoutACallbackTheParentGetsACommand)
{
    button->SetClickCallback(nullptr);
    table.Press(30, 30);
    table.Release(30, 30);
    ASSERT_EQ(table.Host().Commands().size(), 1u);
    EXPECT_EQ(table.Host().Commands()[0], 0x2345u) << "the id's low word, high word 0";
    EXPECT_EQ(table.Host().CommandSources()[0], reinterpret_cast<LPARAM>(table.Handle()));
    button->SetClickCallback(RecordClick);
    table.Press(30, 30);
    table.Release(30, 30);
    EXPECT_EQ(table.Host().Commands().size(), 1u) << "a callback replaces the command";
    EXPECT_EQ(clicked.size(), 1u);
}

TEST_F(PushButtonOnTable, ReleaseOverALaterButtonCoveringItIsNoClick)
{
    CardButton* cover = table.Window().CreateButton(2, "Top", PushButton, true, 60, 20, 60, 30);
    table.Press(30, 30);
    table.Release(70, 30);
    EXPECT_TRUE(clicked.empty());
    cover->SetVisible(false);
    table.Press(30, 30);
    table.Release(70, 30);
    EXPECT_EQ(clicked.size(), 1u) << "a hidden button covers nothing";
}

TEST_F(PushButtonOnTable, ALockHeldElsewhereRefusesThePress)
{
    {
        LockHolder holder(button->Lock());
        ASSERT_TRUE(holder.Holding());
        table.Press(30, 30);
        EXPECT_FALSE(button->IsPressed());
        EXPECT_EQ(pressedButton, nullptr);
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(CornerOnScreen(), highlight) << "nothing drawn";
        table.Release(30, 30);
        EXPECT_TRUE(clicked.empty());
    }
    table.Press(30, 30);
    table.Release(30, 30);
    EXPECT_EQ(clicked.size(), 1u) << "the probe does not keep the lock";
}

// A press that starts nothing or a release elsewhere gives no click.
TEST_F(PushButtonOnTable, NoClickOutsideHiddenOrUnderARegion)
{
    const struct {
        const char* name;
        bool hidden, region;
        POINT release;
        bool pressed;
    } cases[] = {{"released outside", false, false, {200, 100}, true},
                 {"hidden", true, false, {30, 30}, false},
                 {"a region over it", false, true, {30, 30}, false}};
    for (const auto& c : cases) {
        button->SetVisible(!c.hidden);
        if (c.region)
            table.Window().CreateRegion(1, true, 0, 0, 0, 0);
        table.Press(30, 30);
        EXPECT_EQ(button->IsPressed(), c.pressed) << c.name;
        table.MoveTo(c.release.x, c.release.y);
        table.Release(c.release.x, c.release.y);
        EXPECT_TRUE(clicked.empty()) << c.name;
        EXPECT_FALSE(button->IsPressed()) << c.name;
        EXPECT_FALSE(button->IsTracking()) << c.name;
        EXPECT_EQ(GetCapture(), nullptr) << c.name;
    }
}

TEST(LabelButton, NeverPressedNeverClicks)
{
    TestTable table(200, 100);
    clicked.clear();
    CardButton* label = table.Window().CreateButton(9, "Level 3", 0, true, 10, 10, 100, 20);
    label->SetClickCallback(RecordClick);
    table.Press(20, 15);
    EXPECT_FALSE(label->IsPressed());
    EXPECT_EQ(GetCapture(), nullptr);
    table.Release(20, 15);
    table.DoubleClick(20, 15);
    table.Release(20, 15);
    EXPECT_TRUE(clicked.empty());
    EXPECT_TRUE(table.Host().Commands().empty());
}

} // namespace
