#include "cardlib/CardButton.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF magenta = RGB(255, 0, 255);
// The face a tenth of the way to white from the table's green, its frame
// lines a quarter of the way to white and to black from the face.
constexpr COLORREF face = 0x26621F;
constexpr COLORREF highlight = 0x67895B;
constexpr COLORREF shadow = 0x1B4A17;

// A button of (10, 10)-(110, 40) drawn into a surface: L 10, T 10, R 109, B 39.
class ButtonPicture : public testing::Test {
protected:
    ButtonPicture() : table(200, 100), surface(200, 100)
    {
        button = table.Window().CreateButton(5, "OK", PushButton, true, 10, 10, 100, 30);
    }
    void DrawInto(bool raised)
    {
        surface.Fill(magenta);
        button->Draw(surface.Context(), raised);
    }
    TestTable table;
    MemorySurface surface;
    CardButton* button = nullptr;
};

// Raised: light top and left, black right and bottom, a shadow line inside
// them; sunken: the frame turned around. Nothing outside the rectangle.
TEST_F(ButtonPicture, RaisedAndSunkenFrames)
{
    const struct {
        bool raised;
        int x, y;
        COLORREF colour;
    } cases[] = {
        {true, 10, 38, highlight},   {true, 10, 10, highlight},   {true, 108, 10, highlight},
        {true, 109, 10, 0},          {true, 109, 39, 0},          {true, 10, 39, 0},
        {true, 11, 39, 0},           {true, 11, 38, shadow},      {true, 107, 38, shadow},
        {true, 108, 38, shadow},     {true, 108, 11, shadow},     {true, 11, 11, face},
        {true, 107, 37, face},       {true, 60, 12, face},        {true, 9, 20, magenta},
        {true, 110, 20, magenta},    {true, 50, 9, magenta},      {true, 50, 40, magenta},
        {false, 109, 11, highlight}, {false, 109, 38, highlight}, {false, 109, 39, highlight},
        {false, 11, 39, highlight},  {false, 10, 39, 0},          {false, 10, 10, 0},
        {false, 108, 10, 0},         {false, 109, 10, 0},         {false, 108, 11, shadow},
        {false, 12, 11, shadow},     {false, 11, 11, shadow},     {false, 11, 38, shadow},
        {false, 12, 12, face},       {false, 108, 38, face},      {false, 60, 37, face},
        {false, 9, 20, magenta},     {false, 110, 20, magenta},
    };
    for (bool raised : {true, false}) {
        DrawInto(raised);
        for (const auto& c : cases)
            if (c.raised == raised) {
                EXPECT_EQ(surface.Pixel(c.x, c.y), c.colour & 0xFFFFFF) << raised << " " << c.x << "," << c.y;
            }
    }
}

TEST_F(ButtonPicture, SunkenLabelMovesOnePixelRightAndDown)
{
    DrawInto(true);
    MemorySurface raised(200, 100);
    BitBlt(raised.Context(), 0, 0, 200, 100, surface.Context(), 0, 0, SRCCOPY);
    DrawInto(false);
    int ink = 0;
    for (int y = 12; y < 37; ++y)
        for (int x = 12; x < 107; ++x) {
            ASSERT_EQ(surface.Pixel(x + 1, y + 1), raised.Pixel(x, y)) << x << "," << y;
            ink += raised.Pixel(x, y) == 0xFFFFFF;
        }
    EXPECT_GT(ink, 5) << "the label is drawn in white";
}

// The first column of a flat label's rectangle that holds label ink.
int FirstInkColumn(const MemorySurface& surface, const Rect& r, COLORREF background)
{
    for (int x = r.left; x < r.right; ++x)
        for (int y = r.top; y < r.bottom; ++y)
            if (surface.Pixel(x, y) != background)
                return x;
    return -1;
}

TEST(ButtonAlignment, LeftRightCentredAndLeftWinning)
{
    TestTable table(300, 200);
    const char* text = "Level";
    HDC screen = GetDC(nullptr);
    HGDIOBJ font = SelectObject(screen, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {};
    GetTextExtentPoint32A(screen, text, 5, &extent);
    SelectObject(screen, font);
    ReleaseDC(nullptr, screen);
    struct Case {
        unsigned style;
        int shift; // label start from the rectangle's left edge
    };
    const Case cases[] = {{AlignLeft, 0}, {AlignRight, 120 - extent.cx}, {0, (120 - extent.cx) / 2},
                          {AlignLeft | AlignRight, 0}};
    MemorySurface surface(300, 200);
    CardButton* reference = table.Window().CreateButton(1, text, AlignLeft, true, 20, 20, 120, 24);
    surface.Fill(magenta);
    reference->Draw(surface.Context(), true);
    int leftInk = FirstInkColumn(surface, reference->Placement(), 0x005000);
    ASSERT_GE(leftInk, 20);
    int id = 2;
    for (const Case& c : cases) {
        CardButton* label = table.Window().CreateButton(id++, text, c.style, true, 20, 60, 120, 24);
        surface.Fill(magenta);
        label->Draw(surface.Context(), true);
        EXPECT_EQ(FirstInkColumn(surface, label->Placement(), 0x005000), leftInk + c.shift) << c.style;
        // A flat label fills its whole rectangle: no frame, no magenta left.
        EXPECT_EQ(surface.Pixel(20, 60), 0x005000u) << c.style;
        EXPECT_EQ(surface.Pixel(139, 83), 0x005000u) << c.style;
        EXPECT_EQ(surface.Pixel(19, 60), magenta) << c.style;
    }
}

TEST(ButtonVisibility, HiddenButtonIsNotDrawnUntilShownAndRepainted)
{
    TestTable table(200, 100);
    CardButton* button = table.Window().CreateButton(1, "Go", PushButton, false, 10, 10, 60, 20);
    MemorySurface screen(200, 100);
    table.Capture(screen);
    EXPECT_EQ(screen.Pixel(10, 10), 0x005000u);
    EXPECT_EQ(screen.Pixel(40, 12), 0x005000u);
    button->RedrawNow();
    screen.CopyFromWindow(table.Handle());
    EXPECT_EQ(screen.Pixel(10, 10), 0x005000u) << "a hidden button draws nothing";
    button->SetVisible(true);
    screen.CopyFromWindow(table.Handle());
    EXPECT_EQ(screen.Pixel(10, 10), 0x005000u) << "showing it repaints nothing by itself";
    table.Capture(screen);
    EXPECT_EQ(screen.Pixel(10, 10), highlight & 0xFFFFFF);
    EXPECT_EQ(screen.Pixel(69, 29), 0u);
}

} // namespace
