#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF tableGreen = 0x005000;

// Regions 1..3 overlapping at (50, 50) (3 hidden); button 10 overlapping
// region 1 and reaching beyond it; a later region with id 1 again.
TEST(CardWindowSearch, LaterVisibleElementsWinAndIdsFindTheFirst)
{
    TestTable table(300, 250);
    CardWindow& w = table.Window();
    CardRegion* first = w.CreateRegion(1, true, 10, 10, 0, 0);
    CardRegion* second = w.CreateRegion(2, true, 40, 40, 0, 0);
    CardRegion* third = w.CreateRegion(3, false, 45, 45, 0, 0);
    CardButton* button = w.CreateButton(10, "Go", PushButton, true, 60, 90, 100, 30);
    CardButton* label = w.CreateButton(11, "Label", 0, true, 150, 100, 40, 10);
    CardButton* hidden = w.CreateButton(12, "Hidden", PushButton, false, 60, 150, 40, 20);
    w.CreateRegion(1, true, 200, 200, 0, 0);
    const struct {
        int x, y;
        CardRegion* region;
        CardButton* button;
    } cases[] = {{50, 50, second, nullptr},   {110, 105, second, button}, {111, 105, nullptr, button},
                 {155, 105, nullptr, label},  {159, 119, nullptr, button}, {70, 160, nullptr, nullptr},
                 {80, 10, first, nullptr},    {81, 10, nullptr, nullptr},  {10, 106, nullptr, nullptr}};
    for (const auto& c : cases) {
        EXPECT_EQ(w.RegionAt(c.x, c.y), c.region) << c.x << "," << c.y;
        EXPECT_EQ(w.ButtonAt(c.x, c.y), c.button) << c.x << "," << c.y;
    }
    third->SetVisible(true);
    EXPECT_EQ(w.RegionAt(50, 50), third);
    EXPECT_EQ(w.FindRegion(1), first);
    EXPECT_EQ(w.FindRegion(4), nullptr);
    EXPECT_EQ(w.FindButton(12), hidden) << "invisible ones included";
}

// Input switched off drops presses, double clicks and releases alike.
TEST(CardWindowInput, SwitchedOffItDropsEveryPress)
{
    TestTable table(200, 100);
    CardButton* button = table.Window().CreateButton(10, "Go", PushButton, true, 60, 40, 100, 30);
    const struct {
        bool enabled;
        void (TestTable::*send)(int, int);
        bool pressed;
    } steps[] = {{false, &TestTable::Press, false},  {false, &TestTable::DoubleClick, false},
                 {true, &TestTable::Press, true},    {false, &TestTable::Release, true},
                 {true, &TestTable::Release, false}};
    for (const auto& s : steps) {
        table.Window().SetInputEnabled(s.enabled);
        (table.*s.send)(130, 55);
        EXPECT_EQ(button->IsPressed(), s.pressed) << &s - steps;
    }
}

TEST(CardWindowRegions, AtMostFortyRegions)
{
    TestTable table(100, 100);
    for (int i = 0; i < 40; ++i)
        ASSERT_NE(table.Window().CreateRegion(i, true, 0, 0, 0, 0), nullptr) << i;
    EXPECT_EQ(table.Window().CreateRegion(40, true, 0, 0, 0, 0), nullptr);
    EXPECT_EQ(table.Window().RegionCount(), 40);
}

// The new colour reaches the buttons at once and the screen at the next
// paint, the empty place engraved in it (its dither is light).
TEST(CardWindowColour, NewColourShowsAtTheNextPaintOnly)
{
    TestTable table(160, 120);
    table.Window().CreateRegion(1, true, 80, 10, 0, 0);
    CardButton* push = table.Window().CreateButton(2, "Go", PushButton, true, 10, 80, 50, 20);
    CardButton* flat = table.Window().CreateButton(3, "Flat", 0, true, 70, 80, 50, 20);
    table.Window().SetBackgroundColour(0x644000);
    EXPECT_EQ(MemorySurface(table.Handle()).Pixel(5, 5), tableGreen) << "no repaint until asked";
    EXPECT_EQ(push->FaceColour(), 0x7B531Fu);
    EXPECT_EQ(flat->FaceColour(), 0x644000u);
    MemorySurface after(160, 120);
    table.Capture(after);
    EXPECT_EQ(after.Pixel(5, 5), 0x644000u);
    EXPECT_EQ(after.Pixel(80 + 3, 10 + 3), 0x8B6638u);
}

// The ten entries of the table colour's palette, selected for a paint and put back.
TEST(CardWindowColour, PaletteOfTenEntriesSelectedForAPaintAndPutBack)
{
    GdiObject<HPALETTE> palette(BuildPalette(0x02644000));
    PALETTEENTRY entries[16] = {};
    ASSERT_EQ(GetPaletteEntries(palette.Get(), 0, 16, entries), 10u);
    EXPECT_EQ(RGB(entries[3].peRed, entries[3].peGreen, entries[3].peBlue), 0x937045u) << "a quarter to white";
    TestTable table(50, 50);
    MemorySurface surface(10, 10);
    HGDIOBJ before = GetCurrentObject(surface.Context(), OBJ_PAL);
    table.PaintInto(surface);
    EXPECT_EQ(GetCurrentObject(surface.Context(), OBJ_PAL), before) << "Paint restores the palette";
}

TEST(CardWindowRegions, EmptyAllRegionsClearsAndRepaints)
{
    TestTable table(200, 150);
    CardRegion* a = table.Region(1, 10, 10, 12, 0, "AC 2C 3C");
    table.Region(2, 120, 10, 0, 0, "KS");
    for (int i = 0; i < 2; ++i)
        table.Window().RegionByIndex(i)->SetEmptyStyle(EmptyBackground);
    table.Window().Redraw();
    table.Window().EmptyAllRegions();
    EXPECT_EQ(a->CardCount() + table.Window().FindRegion(2)->CardCount(), 0);
    EXPECT_EQ(a->Width(), 71) << "laid out again";
    MemorySurface green(200, 150);
    green.Fill(tableGreen);
    EXPECT_EQ(MemorySurface(table.Handle()).CountDifferences(green), 0) << "repainted before it returns";
}

// The window class, the deck, the palette and the drawing surfaces are
// made by the first window and shared; they go, a press with them, when the
// last window goes, and come back with the next one.
TEST(CardWindowLifetime, SharedClassDeckAndGdiObjectsGoWithTheLastWindow)
{
    ASSERT_EQ(windowCount, 0);
    const long before = GdiObjectsOutstanding();
    {
        TestTable first(300, 200);
        const HBITMAP strip = cardStrip.Get();
        ASSERT_NE(strip, nullptr);
        TestTable second(300, 200);
        EXPECT_EQ(cardStrip.Get(), strip) << "a second window does not load the deck again";
        EXPECT_EQ(windowCount, 2);
        EXPECT_EQ(classRegistrations, 1);
        char name[32] = {};
        GetClassNameA(first.Handle(), name, sizeof(name));
        EXPECT_STREQ(name, "CardWnd32");
        EXPECT_EQ(GetClassLongPtrA(first.Handle(), GCL_STYLE), CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS);
        EXPECT_EQ(GetClassLongPtrA(first.Handle(), GCLP_HBRBACKGROUND), 0) << "the window paints all of itself";
        for (CardWindow* window : {&first.Window(), &second.Window()}) {
            window->CreateRegion(1, true, 10, 10, 12, 0)->SetCards(ParseStack("AC 2D 3H"));
            window->CreateRegion(2, true, 150, 10, 0, 0);
            window->CreateButton(3, "Go", PushButton, true, 10, 150, 60, 20);
            window->SetBackgroundColour(0x644000);
            window->Redraw();
        }
        first.Window().FindRegion(1)->MoveCards(first.Window().FindRegion(2), 2, false);
        first.Press(20, 160);
        ASSERT_NE(pressedButton, nullptr);
        EXPECT_GT(GdiObjectsOutstanding(), before + 3) << "strip, palette and surfaces are counted while alive";
    }
    EXPECT_EQ(windowCount, 0);
    EXPECT_EQ(pressedButton, nullptr);
    EXPECT_EQ(GdiObjectsOutstanding(), before);
    for (HGDIOBJ gone : {static_cast<HGDIOBJ>(cardStrip.Get()), static_cast<HGDIOBJ>(libraryPalette.Get()),
                         static_cast<HGDIOBJ>(sharedSurface.Get()), static_cast<HGDIOBJ>(emptyPlaceImage.Get())})
        EXPECT_EQ(gone, nullptr);
    EXPECT_EQ(cardWidth, 0);
    TestTable again(100, 100);
    EXPECT_EQ(cardWidth, 71);
    EXPECT_EQ(classRegistrations, 1);
}

} // namespace
