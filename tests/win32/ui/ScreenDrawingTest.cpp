#include "res/ResourceIds.h"
#include "tests/win32/support/MemorySurface.h"
#include "ui/ScreenDrawing.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr COLORREF ground = RGB(10, 120, 30);

TEST(StippleRect, HighlightWhereXPlusYIsEvenFromTheContextOrigin)
{
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    ASSERT_NE(highlight, ground);
    struct Case {
        RECT area;
    };
    const Case cases[] = {{{0, 0, 40, 30}}, {{3, 5, 22, 17}}, {{7, 0, 8, 1}}};
    for (const Case& c : cases) {
        MemorySurface surface(48, 36);
        surface.Fill(ground);
        StippleRect(surface.Context(), c.area);
        int wrong = 0;
        for (int y = 0; y < 36; ++y)
            for (int x = 0; x < 48; ++x) {
                bool inside = x >= c.area.left && x < c.area.right && y >= c.area.top && y < c.area.bottom;
                COLORREF expected = inside && (x + y) % 2 == 0 ? highlight : ground;
                wrong += surface.Pixel(x, y) == expected ? 0 : 1;
            }
        EXPECT_EQ(wrong, 0) << c.area.left << "," << c.area.top;
    }
}

TEST(DrawImageCentred, TitleCentredOnTheGivenPoint)
{
    MemorySurface surface(706, 120);
    surface.Fill(ground);
    DrawImageCentred(surface.Context(), 353, 41, IDB_TITLE);

    HBITMAP title = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_TITLE), IMAGE_BITMAP, 0, 0, 0));
    BITMAP info = {};
    GetObjectA(title, sizeof(info), &info);
    ASSERT_EQ(info.bmWidth, 516);
    ASSERT_EQ(info.bmHeight, 69);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, title);
    int wrong = 0;
    for (int y = 0; y < 69; ++y)
        for (int x = 0; x < 516; ++x)
            wrong += surface.Pixel(353 - 258 + x, 41 - 34 + y) == GetPixel(source, x, y) ? 0 : 1;
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(title);
    EXPECT_EQ(wrong, 0);
    // Nothing outside the picture.
    EXPECT_EQ(surface.Pixel(94, 41), ground);
    EXPECT_EQ(surface.Pixel(95 + 516, 41), ground);
    EXPECT_EQ(surface.Pixel(353, 6), ground);
    EXPECT_EQ(surface.Pixel(353, 76), ground);
}

TEST(Prompt, ErasedFromTheRenderedScreenOverTwiceItsDefaultFontWidth)
{
    MemorySurface window(706, 500);
    MemorySurface rendered(706, 500);
    window.Fill(RGB(255, 0, 0));
    rendered.Fill(RGB(0, 0, 255));
    SIZE measured = {};
    GetTextExtentPoint32A(window.Context(), promptText, static_cast<int>(std::strlen(promptText)), &measured);
    ASSERT_GT(measured.cx, 0);
    ErasePrompt(window.Context(), rendered.Context(), 706, 500);
    const int left = 353 - measured.cx;
    const int right = 353 + measured.cx;
    const int top = 416;
    const int bottom = 416 + measured.cy + 5;
    EXPECT_EQ(window.Pixel(left, top), RGB(0, 0, 255));
    EXPECT_EQ(window.Pixel(right - 1, bottom - 1), RGB(0, 0, 255));
    EXPECT_EQ(window.Pixel(left - 1, top), RGB(255, 0, 0));
    EXPECT_EQ(window.Pixel(right, top), RGB(255, 0, 0));
    EXPECT_EQ(window.Pixel(left, top - 1), RGB(255, 0, 0));
    EXPECT_EQ(window.Pixel(left, bottom), RGB(255, 0, 0));
}

TEST(Prompt, DrawnInWhiteCentredFromItsTop)
{
    MemorySurface window(706, 500);
    window.Fill(RGB(0, 0, 0));
    DrawPrompt(window.Context(), 706, 500);
    int left = 706, right = -1, top = 500;
    for (int y = 0; y < 500; ++y)
        for (int x = 0; x < 706; ++x)
            if (window.Pixel(x, y) == RGB(255, 255, 255)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_GE(top, 416);
    EXPECT_LE(top, 416 + 8);
    EXPECT_NEAR((left + right) / 2.0, 353.0, 3.0);
    EXPECT_GT(right - left, 100); // a 20-pixel font: well over 100 pixels wide
}

} // namespace
