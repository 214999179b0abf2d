// How a card button looks: a raised or sunken frame of three pens around a
// face, or a flat label, with every pixel painted once.
#include "cardlib/CardButton.h"

#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"

#include <cstring>

namespace {

// Lines from the current position (or from `from` when given) through the points.
void Lines(HDC dc, HPEN pen, const POINT* from, std::initializer_list<POINT> points)
{
    ScopedSelect selected(dc, pen);
    if (from)
        MoveToEx(dc, from->x, from->y, nullptr);
    for (const POINT& point : points)
        LineTo(dc, point.x, point.y);
}

} // namespace

void CardButton::Draw(HDC dc, bool raised)
{
    if (!visible)
        return;
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {0, 0};
    int length = static_cast<int>(std::strlen(text));
    GetTextExtentPoint32A(dc, text, length, &extent);
    int labelX = rect.left + (rect.Width() - extent.cx) / 2;
    if (style & AlignLeft)
        labelX = rect.left;
    else if (style & AlignRight)
        labelX = rect.right - extent.cx;
    int labelY = rect.top + (rect.Height() - extent.cy) / 2;
    bool push = (style & PushButton) != 0;
    if (!raised && push) {
        ++labelX;
        ++labelY;
    }
    RECT label = {labelX, labelY, labelX + extent.cx, labelY + extent.cy};
    ExcludeClipRect(dc, label.left, label.top, label.right, label.bottom);
    if (push)
        DrawFrame(dc, rect, raised);
    SetBkColor(dc, PaletteRelative(faceColour));
    SetTextColor(dc, textColour);
    SelectClipRgn(dc, nullptr);
    RECT whole = {rect.left, rect.top, rect.right, rect.bottom};
    ExtTextOutA(dc, labelX, labelY, ETO_OPAQUE, push ? &label : &whole, text, static_cast<UINT>(length), nullptr);
}

void CardButton::DrawFrame(HDC dc, const Rect& frame, bool raised) const
{
    GdiObject<HPEN> highlight(CreatePen(PS_SOLID, 1, PaletteRelative(highlightColour)));
    GdiObject<HPEN> shadow(CreatePen(PS_SOLID, 1, PaletteRelative(shadowColour)));
    HPEN blackPen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    const int l = frame.left;
    const int t = frame.top;
    const int r = frame.right - 1;
    const int b = frame.bottom - 1;
    RECT face = {};
    if (raised) {
        const POINT start1 = {l, b}, start3 = {l + 1, b - 1};
        Lines(dc, highlight.Get(), &start1, {{l, t}, {r, t}});
        Lines(dc, blackPen, nullptr, {{r, b}, {l - 1, b}});
        Lines(dc, shadow.Get(), &start3, {{r - 1, b - 1}, {r - 1, t}});
        face = {l + 1, t + 1, r - 1, b - 1};
    } else {
        const POINT start1 = {r, t}, start3 = {r - 1, t + 1};
        Lines(dc, highlight.Get(), &start1, {{r, b}, {l, b}});
        Lines(dc, blackPen, nullptr, {{l, t}, {r + 1, t}});
        Lines(dc, shadow.Get(), &start3, {{l + 1, t + 1}, {l + 1, b}});
        face = {l + 2, t + 2, r, b};
    }
    FillSolid(dc, face, PaletteRelative(faceColour));
}
