#include "cardlib/CardButton.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr COLORREF magenta = RGB(255, 0, 255);
// The face a tenth of the way to white from the table's green, its frame
// lines a quarter of the way to white and to black from the face.
constexpr COLORREF face = 0x26621F;
constexpr COLORREF highlight = 0x67895B;
constexpr COLORREF shadow = 0x1B4A17;

// A raised frame is light on top and left, black on right and bottom with a
// shadow line inside; a sunken one turns that round. (x, y) from the
// button's corner, w x h its size; face inside, magenta outside.
COLORREF FramePixel(bool raised, int x, int y, int w, int h)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return magenta;
    const bool farEdge = x == w - 1 || y == h - 1, nearEdge = x == 0 || y == 0;
    if (raised)
        return farEdge ? 0 : nearEdge ? highlight : (x == w - 2 || y == h - 2) ? shadow : face;
    return nearEdge ? 0 : farEdge ? highlight : (x == 1 || y == 1) ? shadow : face;
}

// The frame pixel by pixel; the label, white on the face, one pixel right
// and down when sunken.
TEST(ButtonPicture, RaisedAndSunkenFramesAndLabel)
{
    TestTable table(200, 100);
    CardButton* button = table.Window().CreateButton(5, "OK", PushButton, true, 10, 10, 100, 30);
    MemorySurface raised(200, 100), sunken(200, 100);
    raised.Fill(magenta);
    sunken.Fill(magenta);
    button->Draw(raised.Context(), true);
    button->Draw(sunken.Context(), false);
    int ink = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            for (bool up : {true, false}) {
                const COLORREF expected = FramePixel(up, x - 10, y - 10, 100, 30);
                if (expected != face) {
                    ASSERT_EQ((up ? raised : sunken).Pixel(x, y), expected) << up << " at " << x << "," << y;
                }
            }
            if (x >= 12 && x < 107 && y >= 12 && y < 37) {
                ASSERT_EQ(sunken.Pixel(x + 1, y + 1), raised.Pixel(x, y)) << x << "," << y;
                ink += raised.Pixel(x, y) == 0xFFFFFF ? 1 : 0;
            }
        }
    EXPECT_GT(ink, 5) << "the label is drawn in white";
}

// Labels are printed without arguments: a conversion that would read one is
// kept as written, and nothing runs past the 63-character field.
TEST(ButtonLabel, FormattedWithoutArgumentsAndCutToTheField)
{
    TestTable table(100, 100);
    const std::string sixtyThree(63, 'x');
    const struct {
        std::string label, text;
    } cases[] = {{"100%%", "100%"},
                 {"%d cards %s", "%d cards %s"},
                 {"50%", "50%"},
                 {sixtyThree + "z", sixtyThree},
                 {std::string(300, '%'), std::string(63, '%')}};
    for (const auto& c : cases) {
        CardButton* button = table.Window().CreateButton(1, c.label.c_str(), PushButton, true, 0, 0, 10, 10);
        EXPECT_EQ(std::string(button->Text()), c.text) << c.label.substr(0, 20);
    }
    EXPECT_STREQ(table.Window().CreateButton(2, nullptr, PushButton, true, 0, 0, 10, 10)->Text(), "");
}

} // namespace
