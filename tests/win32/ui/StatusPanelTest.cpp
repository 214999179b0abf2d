#include "res/ResourceIds.h"
#include "tests/win32/ui/HostWindow.h"
#include "ui/StatusPanel.h"
#include "ui/core/PanelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {

constexpr COLORREF hostGrey = RGB(128, 128, 128);
constexpr COLORREF tableBlue = 0x00E9B185;
constexpr COLORREF pictureBlue = 0x00644000;
constexpr COLORREF numberColour = 0x00FE1414;

// The panel picture as the program loads it, to compare pixels with.
class Picture {
public:
    Picture()
    {
        bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_PANEL),
                                                 IMAGE_BITMAP, 0, 0, LR_LOADTRANSPARENT));
        dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, bitmap);
    }
    ~Picture()
    {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }

private:
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};

struct Extent {
    int count = 0;
    int left = 1000;
    int top = 1000;
};

Extent NumberPixels(const WindowPixels& pixels)
{
    Extent extent;
    for (int y = 0; y < 65; ++y)
        for (int x = 0; x < 54; ++x)
            if (pixels.At(x, y) == numberColour) {
                ++extent.count;
                extent.left = std::min(extent.left, x);
                extent.top = std::min(extent.top, y);
            }
    return extent;
}

SIZE MeasureInDefaultFont(HWND window, const std::string& text)
{
    SIZE size = {};
    HDC dc = GetDC(window);
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    ReleaseDC(window, dc);
    return size;
}

int LabelHeight(const char* label)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(16, 0, 0, 0, 700, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Verdana");
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, label, static_cast<int>(std::strlen(label)), &size);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    return size.cy;
}

class StatusPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.Create(host.Handle(), 20, 10, 54, 65));
        panel.SetLabel("level");
    }

    void Show(COLORREF colour, int value)
    {
        panel.SetColour(colour);
        panel.SetValue(value);
        host.Refresh();
    }

    HostWindow host{200, 100, hostGrey};
    StatusPanel panel;
    Picture picture;
};

TEST_F(StatusPanelTest, LabelBandInTheTableColourWithWhiteText)
{
    Show(tableBlue, -1);
    WindowPixels pixels(panel.Window());
    const int band = LabelHeight("level");
    ASSERT_GT(band, 10);
    EXPECT_EQ(pixels.At(0, 0), tableBlue);
    EXPECT_EQ(pixels.At(53, 0), tableBlue);
    EXPECT_EQ(pixels.At(0, band - 1), tableBlue);
    EXPECT_EQ(pixels.At(0, band), hostGrey);
    EXPECT_GT(pixels.CountOf(RGB(255, 255, 255), 0, 0, 54, 2 * band), 10);
}

TEST_F(StatusPanelTest, OvalOnlyOnOtherColoursWholePictureOnItsOwnBlue)
{
    HRGN oval = CreateRoundRectRgn(6, 36, 49, 73, 54, 45);
    struct Case {
        COLORREF colour;
        bool clipped;
    };
    for (const Case& c : {Case{tableBlue, true}, Case{pictureBlue, false}}) {
        Show(c.colour, -1);
        WindowPixels pixels(panel.Window());
        int wrong = 0;
        for (int y = 30; y < 65; ++y)
            for (int x = 0; x < 54; ++x) {
                bool shown = !c.clipped || PtInRegion(oval, x, y);
                COLORREF expected = shown ? picture.At(x, y - 30) : hostGrey;
                wrong += pixels.At(x, y) == expected ? 0 : 1;
            }
        EXPECT_EQ(wrong, 0) << std::hex << c.colour;
    }
    DeleteObject(oval);
    EXPECT_EQ(picture.At(0, 0), pictureBlue);
}

TEST_F(StatusPanelTest, NumberPlacementForOneTwoAndThreeDigits)
{
    for (int value : {7, 42, 123}) {
        Show(pictureBlue, value);
        const std::string text = std::to_string(value);
        const SIZE measured = MeasureInDefaultFont(panel.Window(), text);
        const Point origin = panel::NumberOrigin(54, 45, static_cast<int>(text.size()), measured.cx);
        Extent number = NumberPixels(WindowPixels(panel.Window()));
        EXPECT_GT(number.count, 20) << value;
        EXPECT_GE(number.top, 43) << value;
        if (origin.x >= 0) {
            EXPECT_GE(number.left, origin.x) << value;
            EXPECT_LE(number.left, origin.x + 4) << value;
        } else {
            EXPECT_LE(number.left, 2) << value; // centred over the panel, cut at its left edge
        }
    }
}

TEST_F(StatusPanelTest, MinusOneShowsNoNumberAndKeepsPictureAndLabel)
{
    Show(pictureBlue, 42);
    ASSERT_GT(NumberPixels(WindowPixels(panel.Window())).count, 20);
    panel.SetValue(-1);
    WindowPixels pixels(panel.Window());
    EXPECT_EQ(NumberPixels(pixels).count, 0);
    EXPECT_EQ(pixels.At(0, 40), picture.At(0, 10));
    EXPECT_EQ(pixels.At(0, 0), pictureBlue);
    EXPECT_EQ(panel.Value(), -1);
}

TEST_F(StatusPanelTest, ColourTakenAtTheNextPaintOnly)
{
    Show(tableBlue, -1);
    panel.SetColour(0x00328032);
    EXPECT_EQ(WindowPixels(panel.Window()).At(0, 0), tableBlue);
    panel.Repaint();
    EXPECT_EQ(WindowPixels(panel.Window()).At(0, 0), 0x00328032u);
}

TEST_F(StatusPanelTest, OverlongLabelKeepsTheOldOneButRepaints)
{
    Show(tableBlue, -1);
    HDC dc = GetDC(panel.Window());
    RECT band = {0, 0, 54, 5};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &band, red);
    DeleteObject(red);
    ReleaseDC(panel.Window(), dc);

    panel.SetLabel(std::string(32, 'x').c_str());
    EXPECT_STREQ(panel.Label(), "level");
    EXPECT_EQ(WindowPixels(panel.Window()).At(0, 0), tableBlue);
    panel.SetLabel(std::string(31, 'y').c_str());
    EXPECT_EQ(std::string(panel.Label()), std::string(31, 'y'));
}

TEST_F(StatusPanelTest, SecondCreateIsRefused)
{
    HWND first = panel.Window();
    EXPECT_FALSE(panel.Create(host.Handle(), 0, 0, 54, 65));
    EXPECT_EQ(panel.Window(), first);
}

} // namespace
