#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/StatusPanel.h"

namespace {

constexpr COLORREF hostGrey = RGB(128, 128, 128);
constexpr COLORREF pictureBlue = 0x00644000;

class StatusPanelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(panel.Create(host.Handle(), 20, 10, 54, 65));
        panel.SetLabel("level");
    }
    std::unique_ptr<MemorySurface> Show(COLORREF colour, int value)
    {
        panel.SetColour(colour);
        panel.SetValue(value);
        host.Refresh();
        return std::make_unique<MemorySurface>(panel.Window());
    }

    TestHost host{200, 100, hostGrey};
    StatusPanel panel;
};

// The label band is the table colour with white lettering; the picture
// below it is clipped to the oval on every colour but its own dark blue,
// where it shows whole.
TEST_F(StatusPanelTest, LabelBandAndOvalClipOfThePicture)
{
    const auto picture = ResourceBitmap(IDB_PANEL);
    GdiObject<HRGN> oval(CreateRoundRectRgn(6, 36, 49, 73, 54, 45));
    for (COLORREF colour : {COLORREF{0x00E9B185}, pictureBlue}) {
        const auto pixels = Show(colour, -1);
        EXPECT_GT(pixels->CountOf(RGB(255, 255, 255), 0, 0, 54, 30), 10);
        int wrong = 0;
        for (int y = 30; y < 65; ++y)
            for (int x = 0; x < 54; ++x) {
                const bool shown = colour == pictureBlue || PtInRegion(oval.Get(), x, y);
                wrong += pixels->Pixel(x, y) != (shown ? picture->Pixel(x, y - 30) : hostGrey);
            }
        EXPECT_EQ(wrong, 0) << std::hex << colour;
    }
}

// The number is measured in the panel's own default font; text of that
// width is centred over the picture, one digit 2 pixels left of centre,
// more 2 pixels right (three digits start left of the panel and are cut at
// its edge), 43 rows down, in bold Verdana 22. Drawn so over the bare
// picture (-1 leaves it bare), it matches the panel pixel for pixel.
TEST_F(StatusPanelTest, NumberPlacementForOneTwoAndThreeDigitsAndNoneForMinusOne)
{
    const auto bare = Show(pictureBlue, -1);
    GdiObject<HFONT> font(CreateFontA(22, 0, 0, 0, 700, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Verdana"));
    for (int value : {7, 42, 123}) {
        const auto pixels = Show(pictureBlue, value);
        const std::string text = std::to_string(value);
        const int characters = static_cast<int>(text.size());
        SIZE measured = {};
        HDC dc = GetDC(panel.Window());
        GetTextExtentPoint32A(dc, text.c_str(), characters, &measured);
        ReleaseDC(panel.Window(), dc);
        const int origin = (54 - characters * static_cast<int>(measured.cx)) / 2 + (characters >= 2 ? 2 : -2);
        MemorySurface expected(54, 65);
        BitBlt(expected.Context(), 0, 0, 54, 65, bare->Context(), 0, 0, SRCCOPY);
        ScopedSelect selected(expected.Context(), font.Get());
        SetBkMode(expected.Context(), TRANSPARENT);
        SetTextColor(expected.Context(), 0x00FE1414);
        TextOutA(expected.Context(), origin, 43, text.c_str(), characters);
        EXPECT_EQ(pixels->CountDifferences(expected), 0) << value << " measured " << measured.cx;
    }
    panel.SetValue(7); // shows at once, without the host's repaint
    EXPECT_EQ(MemorySurface(panel.Window()).CountDifferences(*Show(pictureBlue, 7)), 0);
}

} // namespace
