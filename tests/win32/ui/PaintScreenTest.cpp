#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

#include <cstring>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

// The height of a text in the Georgia font of the screens.
int TextHeightIn(int height, const char* text)
{
    MemorySurface surface(1, 1);
    HFONT font = CreateFontA(height, 0, 0, 0, 700, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Georgia");
    HGDIOBJ previous = SelectObject(surface.Context(), font);
    SIZE size = {};
    GetTextExtentPoint32A(surface.Context(), text, static_cast<int>(std::strlen(text)), &size);
    DeleteObject(SelectObject(surface.Context(), previous));
    return size.cy;
}

// The first row from `top` on that holds `colour`.
int FirstRowOf(const MemorySurface& surface, COLORREF colour, int top)
{
    for (int y = top; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.Pixel(x, y) == colour)
                return y;
    return -1;
}

using PaintScreenTest = TableFixture;

// The introduction as painted when it waits: a white band of 83 rows with
// the title picture centred at (353, 41), black below, the hint at the
// bottom in dark blue.
TEST_F(PaintScreenTest, IntroBandTitleAndHint)
{
    MemorySurface screen(width, height);
    RunInsideNextLoop([&] {
        TicksUntilPhase(table, 1);
        table.PaintScreen(screen.Context());
        PostQuitMessage(0);
    });
    table.ShowScreen(IntroScreen);
    TakeQuitMessage();
    EXPECT_EQ(Mismatches(screen, {{5, 0, white}, {700, 82, white}, {5, 83, black}, {700, 499, black}}), "");
    const auto title = ResourceBitmap(IDB_TITLE);
    int wrong = 0;
    for (int y = 0; y < 69; ++y)
        for (int x = 0; x < title->Width(); ++x)
            wrong += screen.Pixel(95 + x, 7 + y) != title->Pixel(x, y);
    EXPECT_EQ(wrong, 0);
    const int u = TextHeightIn(26, "Select help->contents for more information");
    EXPECT_NEAR(FirstRowOf(screen, 0x00644000, 350), height - u - u / 2 + 5, 5);
}

} // namespace
