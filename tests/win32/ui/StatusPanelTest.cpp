#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/StatusPanel.h"
#include "ui/core/PanelLayout.h"

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

// The number's leftmost ink lies where the placement puts text of its
// measured width (up to its first ink column); three digits are centred
// over the panel and cut at its left edge instead of landing far outside.
// -1 takes the number away and leaves the picture.
TEST_F(StatusPanelTest, NumberPlacementForOneTwoAndThreeDigitsAndNoneForMinusOne)
{
    for (int value : {7, 42, 123, -1}) {
        MemorySurface pixels = Show(pictureBlue, value);
        const std::string text = std::to_string(value);
        SIZE measured = {};
        HDC dc = GetDC(panel.Window());
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &measured);
        ReleaseDC(panel.Window(), dc);
        const int origin = panel::NumberOrigin(54, 45, static_cast<int>(text.size()), measured.cx).x;
        int count = 0, left = 1000, top = 1000;
        for (int y = 0; y < 65; ++y)
            for (int x = 0; x < 54; ++x)
                if (pixels.Pixel(x, y) == numberColour) {
                    ++count;
                    left = std::min(left, x);
                    top = std::min(top, y);
                }
        EXPECT_EQ(panel.Value(), value);
        if (value < 0) {
            EXPECT_EQ(count, 0);
            EXPECT_EQ(pixels.Pixel(0, 40), picture.Pixel(0, 10));
            continue;
        }
        EXPECT_GT(count, 20) << value;
        EXPECT_GE(top, 43) << value;
        EXPECT_GE(left, std::max(origin, 0)) << value;
        EXPECT_LE(left, std::max(origin, 0) + (origin < 0 ? 2 : 4)) << value;
    }
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
