#include "cardlib/CardDrawing.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"

#include <cstring>

namespace {

constexpr COLORREF black = RGB(0, 0, 0);
constexpr COLORREF yellow = 0x0000FFFF;

// The height of a text in a Georgia font of the screens.
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

// The first row from `top` on that holds `colour` in a column with x + y of the given parity (-1: any).
int FirstRowOf(const MemorySurface& surface, COLORREF colour, int top, int parity = -1)
{
    for (int y = top; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if ((parity < 0 || (x + y) % 2 == parity) && surface.Pixel(x, y) == colour)
                return y;
    return -1;
}

// Pixels of the first `rows` of a picture at (x, y) of the screen that differ
// from `picture`, outside the cut corners of a card when `card` is set.
int Differences(const MemorySurface& screen, int x, int y, const MemorySurface& picture, int rows, bool card)
{
    int wrong = 0;
    for (int py = 0; py < rows; ++py)
        for (int px = 0; px < picture.Width(); ++px) {
            const bool corner = card && (px < 2 || px > 68) && (py < 2 || py > 93);
            wrong += !corner && screen.Pixel(x + px, y + py) != picture.Pixel(px, py);
        }
    return wrong;
}

class PaintScreenTest : public TableFixture {
protected:
    // Brings the screen up to its waiting phase and paints it into `screen`.
    void PaintAt(int mode)
    {
        host.Refresh();
        RunInsideNextLoop([this] {
            TicksUntilPhase(table, 1);
            table.PaintScreen(screen.Context());
            PostQuitMessage(0);
        });
        table.ShowScreen(mode);
        TakeQuitMessage();
    }
    MemorySurface screen{width, height};
};

TEST_F(PaintScreenTest, IntroBandsTitleCardsAndTexts)
{
    PaintAt(IntroScreen);
    // The white band, 83 rows, and black below it; the title picture centred at (353, 41).
    EXPECT_EQ(Mismatches(screen, {{5, 0, RGB(255, 255, 255)}, {700, 82, RGB(255, 255, 255)}, {5, 83, black},
                                  {700, 499, black}}),
              "");
    EXPECT_EQ(Differences(screen, 95, 7, *ResourceBitmap(IDB_TITLE), 69, false), 0);
    // Upper cards from x = 70 at y = 223, 165 apart, their top 24 rows showing; lower ones from x = 47 at y = 247.
    const int upper[] = {33, 37, 43, 44}, lower[] = {12, 11, 5, 2};
    MemorySurface card(71, 96);
    for (int i = 0; i < 8; ++i) {
        card.Fill(black);
        DrawCard(card.Context(), 0, 0, i < 4 ? upper[i] : lower[i - 4]);
        EXPECT_EQ(Differences(screen, i < 4 ? 70 + 165 * i : 47 + 165 * (i - 4), i < 4 ? 223 : 247, card,
                              i < 4 ? 24 : 96, true), 0) << i;
    }
    // The hint at the bottom in dark blue.
    const int u = TextHeightIn(26, "Select help->contents for more information");
    EXPECT_NEAR(FirstRowOf(screen, 0x00644000, 350), height - u - u / 2 + 5, 5);
}

TEST_F(PaintScreenTest, LevelCheckerboardTitleAndLines)
{
    const COLORREF light = GetSysColor(COLOR_HIGHLIGHT);
    table.SetLevel(2);
    table.SetCardsRemaining(20);
    PaintAt(LevelScreen);
    EXPECT_EQ(Mismatches(screen, {{0, 0, light}, {1, 0, tableColour}, {300, 400, light}, {300, 401, tableColour}}),
              "");
    // "Well Done!!!" in dark blue from y = 62 over highlight pixels; two yellow
    // lines spaced by the first line's height in the title font.
    EXPECT_NEAR(FirstRowOf(screen, 0x00644000, 0, 0), 62 + 7, 8);
    const int t = TextHeightIn(60, "get ready for level 3");
    EXPECT_NEAR(FirstRowOf(screen, yellow, 0), 62 + 2 * t + 5, 5);
    EXPECT_NEAR(FirstRowOf(screen, yellow, 62 + 3 * t), 62 + 3 * t + 5, 5);
}

} // namespace
