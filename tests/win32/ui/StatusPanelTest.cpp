#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/StatusPanel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr COLORREF hostGrey = RGB(128, 128, 128);
constexpr COLORREF tableBlue = 0x00E9B185;
constexpr COLORREF pictureBlue = 0x00644000;
constexpr COLORREF numberColour = 0x00FE1414;

class StatusPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.Create(host.Handle(), 20, 10, 54, 65));
        panel.SetLabel("level");
        GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PANEL), IMAGE_BITMAP, 0, 0, 0)));
        MemoryContext source(picture.Context());
        ScopedSelect selected(source.Get(), bitmap.Get());
        BitBlt(picture.Context(), 0, 0, 54, 45, source.Get(), 0, 0, SRCCOPY);
    }

    MemorySurface Show(COLORREF colour, int value)
    {
        panel.SetColour(colour);
        panel.SetValue(value);
        host.Refresh();
        return MemorySurface(panel.Window());
    }

    TestHost host{200, 100, hostGrey};
    StatusPanel panel;
    MemorySurface picture{54, 45};
};

// The label band is the table colour (with white lettering); the picture
// below it is clipped to the oval on every colour but its own dark blue,
// where it shows whole.
TEST_F(StatusPanelTest, LabelBandAndOvalClipOfThePicture)
{
    GdiObject<HRGN> oval(CreateRoundRectRgn(6, 36, 49, 73, 54, 45));
    GdiObject<HFONT> font(CreateFontA(16, 0, 0, 0, 700, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Verdana"));
    ScopedSelect selected(picture.Context(), font.Get());
    SIZE label = {};
    GetTextExtentPoint32A(picture.Context(), "level", 5, &label);
    const int band = label.cy;
    for (COLORREF colour : {tableBlue, pictureBlue}) {
        MemorySurface pixels = Show(colour, -1);
        EXPECT_EQ(pixels.CountOf(colour, 0, 0, 1, 30) + pixels.CountOf(hostGrey, 0, 0, 1, 30), 30);
        EXPECT_EQ(pixels.CountOf(colour, 0, 0, 1, 30), band) << "the band is as high as the label's text";
        EXPECT_GT(pixels.CountOf(RGB(255, 255, 255), 0, 0, 54, band), 10);
        int wrong = 0;
        for (int y = 30; y < 65; ++y)
            for (int x = 0; x < 54; ++x) {
                bool shown = colour == pictureBlue || PtInRegion(oval.Get(), x, y);
                wrong += pixels.Pixel(x, y) == (shown ? picture.Pixel(x, y - 30) : hostGrey) ? 0 : 1;
            }
        EXPECT_EQ(wrong, 0) << std::hex << colour;
    }
    EXPECT_EQ(picture.Pixel(0, 0), pictureBlue);
}

// The first and last columns and the top row where a surface differs from `bare`.
struct Ink {
    int first = 1000, last = -1, top = 1000;
};
Ink InkOf(const MemorySurface& pixels, const MemorySurface& bare)
{
    Ink ink;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if (pixels.Pixel(x, y) != bare.Pixel(x, y)) {
                ink = {std::min(ink.first, x), std::max(ink.last, x), std::min(ink.top, y)};
            }
    return ink;
}

// The number is measured in the panel's own default font; text of that
// width is centred over the picture, one digit 2 pixels left of centre,
// more 2 pixels right (signed: three digits start left of the panel and are
// cut at its edge), 43 rows down, in bold Verdana 22. The right end of its
// ink is compared with the same text drawn by the test at a known place,
// with a pixel of slack for rendering; -1 takes the number away.
TEST_F(StatusPanelTest, NumberPlacementForOneTwoAndThreeDigitsAndNoneForMinusOne)
{
    const MemorySurface bare = Show(pictureBlue, -1);
    EXPECT_EQ(panel.Value(), -1);
    GdiObject<HFONT> font(CreateFontA(22, 0, 0, 0, 700, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Verdana"));
    for (int value : {7, 42, 123}) {
        const MemorySurface pixels = Show(pictureBlue, value);
        EXPECT_EQ(panel.Value(), value);
        const std::string text = std::to_string(value);
        const int characters = static_cast<int>(text.size());
        SIZE measured = {};
        HDC dc = GetDC(panel.Window());
        GetTextExtentPoint32A(dc, text.c_str(), characters, &measured);
        ReleaseDC(panel.Window(), dc);
        const int origin = (54 - characters * static_cast<int>(measured.cx)) / 2 + (characters >= 2 ? 2 : -2);
        MemorySurface reference(120, 65), blank(120, 65);
        reference.Fill(pictureBlue);
        blank.Fill(pictureBlue);
        ScopedSelect selected(reference.Context(), font.Get());
        SetBkMode(reference.Context(), TRANSPARENT);
        SetTextColor(reference.Context(), numberColour);
        TextOutA(reference.Context(), 40, 10, text.c_str(), characters);
        const Ink drawn = InkOf(reference, blank);
        const Ink ink = InkOf(pixels, bare);
        EXPECT_GT(pixels.CountOf(numberColour, 0, 0, 54, 65), 20) << value;
        EXPECT_NEAR(ink.last, origin + drawn.last - 40, 1) << value << " measured " << measured.cx;
        EXPECT_NEAR(ink.top, 43 + drawn.top - 10, 1) << value;
    }
    panel.SetValue(7); // shows at once, without the host's repaint
    const MemorySurface direct(panel.Window());
    EXPECT_EQ(direct.CountDifferences(Show(pictureBlue, 7)), 0);
}

// A label too long for the panel is refused and the old one kept.
TEST_F(StatusPanelTest, OverlongLabelsAreRefused)
{
    panel.SetLabel(std::string(32, 'x').c_str());
    EXPECT_STREQ(panel.Label(), "level");
    panel.SetLabel(std::string(31, 'y').c_str());
    EXPECT_EQ(std::string(panel.Label()), std::string(31, 'y'));
}

} // namespace
