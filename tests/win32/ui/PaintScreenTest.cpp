#include "cardlib/CardDrawing.h"
#include "cardlib/GdiHolders.h"
#include "res/ResourceIds.h"
#include "tests/win32/ui/TableFixture.h"
#include "ui/ScreenDrawing.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr COLORREF white = RGB(255, 255, 255);
constexpr COLORREF black = RGB(0, 0, 0);

// The text height of a text in a Georgia font of the screens.
int TextHeightIn(int height, int weight, const char* text)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontA(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, 0, 0, 0, 0, 0, "Georgia");
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &size);
    SelectObject(dc, previous);
    DeleteObject(font);
    DeleteDC(dc);
    return size.cy;
}

// Rows of the surface between top and bottom that hold `colour` in
// columns with x + y of the given parity (-1: any).
struct Rows {
    int first = -1;
    int last = -1;
};
Rows RowsOf(const MemorySurface& surface, COLORREF colour, int top, int bottom, int parity = -1)
{
    Rows rows;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if ((parity < 0 || (x + y) % 2 == parity) && surface.Pixel(x, y) == colour) {
                if (rows.first < 0)
                    rows.first = y;
                rows.last = y;
                break;
            }
    return rows;
}

// Pixels of a card drawn at (x, y) that differ from the card drawn alone,
// within the given rows of the card and outside its cut corners.
int CardDifferences(const MemorySurface& screen, int x, int y, int value, int rows)
{
    MemorySurface alone(71, 96);
    alone.Fill(black);
    DrawCard(alone.Context(), 0, 0, value);
    int wrong = 0;
    for (int cy = 0; cy < rows; ++cy)
        for (int cx = 0; cx < 71; ++cx) {
            bool corner = (cx < 2 || cx > 68) && (cy < 2 || cy > 93);
            if (!corner && screen.Pixel(x + cx, y + cy) != alone.Pixel(cx, cy))
                ++wrong;
        }
    return wrong;
}

class PaintScreenTest : public TableFixture {
protected:
    // Brings the screen up to `phase` and paints it into `surface`.
    void PaintAt(int mode, MemorySurface& surface, int phase = 1)
    {
        host.Refresh(); // the table, not what an earlier screen left on it
        RunInsideNextLoop([this, &surface, phase] {
            TicksUntilPhase(table, phase);
            table.PaintScreen(surface.Context());
            PostQuitMessage(0);
        });
        table.ShowScreen(mode);
        TakeQuitMessage();
    }
};

TEST_F(PaintScreenTest, IntroBandsTitleCardsAndTexts)
{
    MemorySurface screen(width, height);
    PaintAt(IntroScreen, screen);
    // The white band, 83 rows, and black below it.
    EXPECT_EQ(screen.Pixel(5, 0), white);
    EXPECT_EQ(screen.Pixel(700, 82), white);
    EXPECT_EQ(screen.Pixel(5, 83), black);
    EXPECT_EQ(screen.Pixel(700, 499), black);

    // The title picture centred at (353, 41).
    GdiObject<HBITMAP> title(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TITLE), IMAGE_BITMAP, 0, 0, 0)));
    MemoryContext source(nullptr);
    ScopedSelect selected(source.Get(), title.Get());
    int wrongTitle = 0;
    for (int y = 0; y < 69; ++y)
        for (int x = 0; x < 516; ++x)
            wrongTitle += screen.Pixel(95 + x, 7 + y) == GetPixel(source.Get(), x, y) ? 0 : 1;
    EXPECT_EQ(wrongTitle, 0);

    // Upper cards from x = 70 at y = 223, 165 apart; lower ones from x = 47 at y = 247.
    const int upper[] = {33, 37, 43, 44};
    const int lower[] = {12, 11, 5, 2};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(CardDifferences(screen, 70 + 165 * i, 223, upper[i], 24), 0) << "upper " << i;
        EXPECT_EQ(CardDifferences(screen, 47 + 165 * i, 247, lower[i], 96), 0) << "lower " << i;
    }

    // The rules from H / 12 + 3t in blue, the hint at the bottom in dark blue.
    const int t = TextHeightIn(26, 700, "Dismantle the Morvane by removing two exposed");
    Rows rules = RowsOf(screen, 0x00F6821B, 0, height);
    EXPECT_GE(rules.first, 41 + 3 * t);
    EXPECT_LE(rules.first, 41 + 3 * t + 10);
    EXPECT_GE(rules.last, 41 + 4 * t);
    EXPECT_LT(rules.last, 41 + 5 * t);
    const int u = TextHeightIn(26, 700, "Select help->contents for more information");
    Rows hint = RowsOf(screen, 0x00644000, 350, height);
    EXPECT_GE(hint.first, height - u - u / 2);
    EXPECT_LE(hint.first, height - u - u / 2 + 10);
}

TEST_F(PaintScreenTest, LevelScreenCheckerboardTitleAndLines)
{
    table.SetLevel(2);
    table.SetCardsRemaining(20);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    MemorySurface screen(width, height);
    PaintAt(LevelScreen, screen);
    EXPECT_EQ(screen.Pixel(0, 0), highlight);
    EXPECT_EQ(screen.Pixel(1, 0), tableColour);
    EXPECT_EQ(screen.Pixel(300, 400), highlight);
    EXPECT_EQ(screen.Pixel(300, 401), tableColour);

    // "Well Done!!!" in dark blue from y = 62: it covers highlight pixels.
    Rows title = RowsOf(screen, 0x00644000, 0, 200, 0);
    EXPECT_GE(title.first, 62);
    EXPECT_LE(title.first, 62 + 15);
    // The two yellow lines, spaced by the first line's height in the title font.
    const int t = TextHeightIn(60, 700, "get ready for level 3");
    Rows first = RowsOf(screen, 0x0000FFFF, 0, 62 + 3 * t);
    EXPECT_GE(first.first, 62 + 2 * t);
    EXPECT_LE(first.first, 62 + 2 * t + 10);
    Rows second = RowsOf(screen, 0x0000FFFF, 62 + 3 * t, height);
    EXPECT_GE(second.first, 62 + 3 * t);
    EXPECT_LE(second.first, 62 + 3 * t + 10);
}

TEST_F(PaintScreenTest, GameOverCheckerboardAndBlackTitle)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    MemorySurface screen(width, height);
    PaintAt(GameOverScreen, screen);
    EXPECT_EQ(screen.Pixel(704, 498), highlight);
    EXPECT_EQ(screen.Pixel(705, 498), tableColour);
    Rows title = RowsOf(screen, black, 0, height);
    EXPECT_GE(title.first, 62);
    EXPECT_LE(title.first, 62 + 15);
    EXPECT_LT(title.last, 62 + 70);
    EXPECT_EQ(RowsOf(screen, 0x0000FFFF, 0, height).first, -1); // no level lines
}

// The prompt is erased by copying the rendered screen over twice its
// measured width in the default font, centred, five rows taller than it.
TEST(Prompt, ErasedFromTheRenderedScreen)
{
    MemorySurface window(706, 500);
    MemorySurface rendered(706, 500);
    window.Fill(RGB(255, 0, 0));
    rendered.Fill(RGB(0, 0, 255));
    SIZE measured = {};
    GetTextExtentPoint32A(window.Context(), promptText, static_cast<int>(std::strlen(promptText)), &measured);
    ErasePrompt(window.Context(), rendered.Context(), 706, 500);
    const int left = 353 - measured.cx, right = 353 + measured.cx, bottom = 416 + measured.cy + 5;
    EXPECT_EQ(window.CountOf(RGB(0, 0, 255), 0, 0, 706, 500), (right - left) * (bottom - 416));
    EXPECT_EQ(window.CountOf(RGB(0, 0, 255), left, 416, right, bottom), (right - left) * (bottom - 416));
}

} // namespace
