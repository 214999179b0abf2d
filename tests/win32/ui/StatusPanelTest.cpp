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

// Unscaled and at 200 %: the label band in the table colour with white
// lettering; the picture below it (at 200 % the finer art's own, not the
// standard one enlarged) clipped to the oval on every colour but its own
// dark blue, where it shows whole; the number in blue on the picture's
// lower part, across the middle, none for -1.
TEST_F(StatusPanelTest, LabelPictureAndNumberUnscaledAndAt200Percent)
{
    constexpr COLORREF numberBlue = 0x00FE1414;
    const struct {
        int factor;
        Rect oval;
        int top, numberTop, letters, leftInk, rightInk;
    } cases[] = {{1, {6, 36, 49, 73}, 30, 43, 10, 10, 10}, {2, {12, 72, 98, 146}, 60, 86, 20, 20, 200}};
    MoveWindow(host.Handle(), 0, 0, 300, 200, TRUE);
    for (const auto& c : cases) {
        panel.SetScale(DisplayScale(96 * c.factor, 100));
        panel.Place(RectAt(10, 5, 54, 65));
        const int w = 54 * c.factor, h = 65 * c.factor;
        const auto picture = ResourceBitmap(IDB_PANEL, c.factor);
        GdiObject<HRGN> oval(CreateRoundRectRgn(c.oval.left, c.oval.top, c.oval.right, c.oval.bottom,
                                                picture->Width(), picture->Height()));
        for (COLORREF colour : {COLORREF{0x00E9B185}, pictureBlue}) {
            const auto pixels = Show(colour, -1);
            ASSERT_EQ(std::pair(pixels->Width(), pixels->Height()), std::pair(w, h));
            EXPECT_GT(pixels->CountOf(RGB(255, 255, 255), 0, c.top / 2, w, c.top), c.letters) << c.factor;
            EXPECT_EQ(pixels->CountOf(numberBlue, 0, 0, w, h), 0) << c.factor;
            int wrong = 0;
            for (int y = c.top; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const bool shown = colour == pictureBlue || PtInRegion(oval.Get(), x, y);
                    wrong += pixels->Pixel(x, y) != (shown ? picture->Pixel(x, y - c.top) : hostGrey);
                }
            EXPECT_EQ(wrong, 0) << c.factor << " " << std::hex << colour;
        }
        for (int value : {7, 42, 123}) {
            const auto pixels = Show(pictureBlue, value);
            EXPECT_EQ(pixels->CountOf(numberBlue, 0, 0, w, c.numberTop), 0) << c.factor << " " << value;
            EXPECT_GT(pixels->CountOf(numberBlue, 0, c.numberTop, w / 2, h), c.leftInk) << c.factor << " " << value;
            EXPECT_GT(pixels->CountOf(numberBlue, w / 2, c.numberTop, w, h), c.rightInk) << c.factor << " " << value;
        }
    }
    panel.SetValue(7); // shows at once, without the host's repaint
    EXPECT_EQ(MemorySurface(panel.Window()).CountDifferences(*Show(pictureBlue, 7)), 0);
}

} // namespace
