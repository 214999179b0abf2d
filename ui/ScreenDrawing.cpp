#include "ui/ScreenDrawing.h"

#include "cardlib/GdiHolders.h"
#include "ui/Fonts.h"
#include "ui/core/ScreenLayout.h"

#include <algorithm>
#include <cstring>

const char* const promptText = "click to continue...";

void DrawImageCentred(HDC context, int centreX, int centreY, int resourceId)
{
    GdiObject<HBITMAP> image(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    BITMAP info = {};
    if (!image || !GetObjectA(image.Get(), sizeof(info), &info))
        return;
    MemoryContext memory(context);
    ScopedSelect selected(memory.Get(), image.Get());
    BitBlt(context, centreX - info.bmWidth / 2, centreY - info.bmHeight / 2, info.bmWidth, info.bmHeight,
           memory.Get(), 0, 0, SRCCOPY);
}

void StippleRect(HDC context, const RECT& area)
{
    // Rows from the top, most significant bit leftmost; each row padded to 16 bits.
    static const WORD checkerboard[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    GdiObject<HBITMAP> pattern(CreateBitmap(8, 8, 1, 1, checkerboard));
    GdiObject<HBRUSH> brush(CreatePatternBrush(pattern.Get()));
    if (!brush)
        return;
    ScopedSelect selected(context, brush.Get());
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    COLORREF previousBack = SetBkColor(context, RGB(255, 255, 255));
    COLORREF previousText = SetTextColor(context, RGB(0, 0, 0));
    // Destination AND pattern: the pixels under a 0 bit turn black ...
    PatBlt(context, area.left, area.top, width, height, 0x00A000C9);
    // ... destination OR pattern: and then take the highlight colour.
    SetBkColor(context, RGB(0, 0, 0));
    SetTextColor(context, GetSysColor(COLOR_HIGHLIGHT));
    PatBlt(context, area.left, area.top, width, height, 0x00FA0089);
    SetBkColor(context, previousBack);
    SetTextColor(context, previousText);
}

void DrawCentredText(HDC context, int x, int y, const char* text)
{
    SetTextAlign(context, TA_CENTER | TA_TOP);
    SetBkMode(context, TRANSPARENT);
    TextOutA(context, x, y, text, static_cast<int>(std::strlen(text)));
}

int TextHeight(HDC context, const char* text)
{
    SIZE size = {};
    GetTextExtentPoint32A(context, text, static_cast<int>(std::strlen(text)), &size);
    return size.cy;
}

namespace {
SIZE Measure(HDC context, const char* text)
{
    SIZE size = {};
    GetTextExtentPoint32A(context, text, static_cast<int>(std::strlen(text)), &size);
    return size;
}

HFONT MakePromptFont(const DisplayScale& scale)
{
    return MakeFont("Georgia", scale.ToDevice(screen::promptFont.height), screen::promptFont.weight);
}
} // namespace

void DrawPrompt(HDC windowContext, int width, int height, const DisplayScale& scale)
{
    GdiObject<HFONT> font(MakePromptFont(scale));
    ScopedSelect selected(windowContext, font.Get());
    SetTextColor(windowContext, screen::white);
    DrawCentredText(windowContext, width / 2, screen::PromptTop(height), promptText);
}

// The place measured in the window context's own font, before any is
// chosen, as the prompt has always been erased; and, where the table is
// drawn larger than that font, the prompt's own extent with a margin.
void ErasePrompt(HDC windowContext, HDC renderedScreen, int width, int height, const DisplayScale& scale)
{
    const SIZE measured = Measure(windowContext, promptText);
    Rect place = screen::PromptEraseBox(width, height, measured.cx, measured.cy);
    if (!scale.IsUnscaled()) {
        GdiObject<HFONT> font(MakePromptFont(scale));
        ScopedSelect selected(windowContext, font.Get());
        const SIZE prompt = Measure(windowContext, promptText);
        const int margin = scale.ToDevice(5);
        const Rect own = RectAt(width / 2 - prompt.cx / 2 - margin, screen::PromptTop(height), prompt.cx + 2 * margin,
                                prompt.cy + margin);
        place = {std::min(place.left, own.left), place.top, std::max(place.right, own.right),
                 std::max(place.bottom, own.bottom)};
    }
    BitBlt(windowContext, place.left, place.top, place.Width(), place.Height(), renderedScreen, place.left,
           place.top, SRCCOPY);
}
