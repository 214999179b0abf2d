#include "cardlib/core/CardMask.h"

#include <algorithm>
#include <cstdlib>

void RectList::Add(const Rect& rect)
{
    if (rect.IsEmpty() || count >= static_cast<int>(rects.size()))
        return;
    rects[count++] = rect;
}

CornerInsets CornerInsetsAt(const DisplayScale& scale)
{
    return {scale.ToDevice(1), scale.ToDevice(2)};
}

RectList CardMaskColumns(int w, int h, const CornerInsets& insets)
{
    const int one = insets.one, two = insets.two;
    RectList list;
    list.Add({two, 0, w - two, h});
    list.Add({one, one, two, h - one});
    list.Add({w - two, one, w - one, h - one});
    list.Add({0, two, one, h - two});
    list.Add({w - one, two, w, h - two});
    return list;
}

RectList CardMaskRows(int w, int h, const CornerInsets& insets)
{
    const int one = insets.one, two = insets.two;
    RectList list;
    list.Add({0, two, w, h - two});
    list.Add({one, one, w - one, two});
    list.Add({one, h - two, w - one, h - one});
    list.Add({two, 0, w - two, one});
    list.Add({two, h - one, w - two, h});
    return list;
}

RectList MaskedPart(int w, int h, const Rect& part, const CornerInsets& insets)
{
    RectList list;
    for (const Rect& column : CardMaskColumns(w, h, insets))
        list.Add(Intersect(column, part));
    return list;
}

RectList CardOutline(int w, int h, const CornerInsets& insets)
{
    const int one = insets.one, two = insets.two;
    RectList list;
    list.Add({two, 0, w - two, one});
    list.Add({two, h - one, w - two, h});
    list.Add({0, two, one, h - two});
    list.Add({w - one, two, w, h - two});
    list.Add({one, one, two, two});
    list.Add({w - two, one, w - one, two});
    list.Add({one, h - two, two, h - one});
    list.Add({w - two, h - two, w - one, h - one});
    return list;
}

namespace {

void AddCopy(CellCopyList& list, const Rect& to, int shiftX, int shiftY)
{
    if (to.IsEmpty() || list.count >= static_cast<int>(list.copies.size()))
        return;
    list.copies[static_cast<std::size_t>(list.count++)] = {to, {to.left + shiftX, to.top + shiftY}};
}

} // namespace

CellCopyList CellCopies(const RectList& rects, int w, int h, int cellWidth, int cellHeight, int zone)
{
    // No split along an axis where card and picture agree: an unscaled
    // card is the same few copies as ever.
    const int splitX = cellWidth != w ? w - zone : w;
    const int splitY = cellHeight != h ? h - zone : h;
    CellCopyList list;
    for (const Rect& r : rects) {
        const int xs[] = {r.left, std::clamp(splitX, r.left, r.right), r.right};
        const int ys[] = {r.top, std::clamp(splitY, r.top, r.bottom), r.bottom};
        for (int j = 0; j < 2; ++j)
            for (int i = 0; i < 2; ++i)
                AddCopy(list, {xs[i], ys[j], xs[i + 1], ys[j + 1]}, i * (cellWidth - w), j * (cellHeight - h));
    }
    return list;
}

namespace {

// Each column of the shape, from its own first (or last) row, d rows deep;
// with extend false every column stops at the strip's nominal edge instead.
void AddRowStrip(RectList& list, int w, int h, int d, bool atTop, bool extend, const CornerInsets& insets)
{
    for (const Rect& column : CardMaskColumns(w, h, insets)) {
        Rect band = atTop ? Rect{column.left, column.top, column.right, extend ? column.top + d : d}
                          : Rect{column.left, extend ? column.bottom - d : h - d, column.right, column.bottom};
        list.Add(Intersect(column, band));
    }
}

void AddColumnStrip(RectList& list, int w, int h, int d, bool atLeft, bool extend, const CornerInsets& insets)
{
    for (const Rect& row : CardMaskRows(w, h, insets)) {
        Rect band = atLeft ? Rect{row.left, row.top, extend ? row.left + d : d, row.bottom}
                           : Rect{extend ? row.right - d : w - d, row.top, row.right, row.bottom};
        list.Add(Intersect(row, band));
    }
}

} // namespace

RectList CoveredCardStrips(const Rect& card, const Rect& next, int xOffset, int yOffset, const CornerInsets& insets)
{
    const int w = card.Width(), h = card.Height();
    RectList list;
    // In a diagonal fan the next card's cut corners lie away from the ends of
    // this card's strips, so the strips have nothing to reach into there.
    bool extend = xOffset == 0 || yOffset == 0 || std::abs(xOffset) == 1 || std::abs(yOffset) == 1;
    // What shows is what lies between this card's edge and the next card's
    // edge on the same side.
    if (yOffset != 0)
        AddRowStrip(list, w, h, yOffset > 0 ? next.top - card.top : card.bottom - next.bottom, yOffset > 0,
                    extend, insets);
    if (xOffset != 0)
        AddColumnStrip(list, w, h, xOffset > 0 ? next.left - card.left : card.right - next.right, xOffset > 0,
                       extend, insets);
    return list;
}

Rect TopBand(int w, int h)
{
    return {0, 0, w, h / 3};
}

Rect LowerArea(int w, int h)
{
    return {0, h / 3, w, h};
}
