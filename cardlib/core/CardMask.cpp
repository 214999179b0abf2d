#include "cardlib/core/CardMask.h"

#include <cstdlib>

void RectList::Add(const Rect& rect)
{
    if (rect.IsEmpty() || count >= static_cast<int>(rects.size()))
        return;
    rects[count++] = rect;
}

RectList CardMaskColumns(int w, int h)
{
    RectList list;
    list.Add({2, 0, w - 2, h});
    list.Add({1, 1, 2, h - 1});
    list.Add({w - 2, 1, w - 1, h - 1});
    list.Add({0, 2, 1, h - 2});
    list.Add({w - 1, 2, w, h - 2});
    return list;
}

RectList CardMaskRows(int w, int h)
{
    RectList list;
    list.Add({0, 2, w, h - 2});
    list.Add({1, 1, w - 1, 2});
    list.Add({1, h - 2, w - 1, h - 1});
    list.Add({2, 0, w - 2, 1});
    list.Add({2, h - 1, w - 2, h});
    return list;
}

RectList MaskedPart(int w, int h, const Rect& part)
{
    RectList list;
    for (const Rect& column : CardMaskColumns(w, h))
        list.Add(Intersect(column, part));
    return list;
}

namespace {

// Each column of the shape, from its own first (or last) row, d rows deep;
// with extend false every column stops at the strip's nominal edge instead.
void AddRowStrip(RectList& list, int w, int h, int d, bool atTop, bool extend)
{
    for (const Rect& column : CardMaskColumns(w, h)) {
        Rect band = atTop ? Rect{column.left, column.top, column.right, extend ? column.top + d : d}
                          : Rect{column.left, extend ? column.bottom - d : h - d, column.right, column.bottom};
        list.Add(Intersect(column, band));
    }
}

void AddColumnStrip(RectList& list, int w, int h, int d, bool atLeft, bool extend)
{
    for (const Rect& row : CardMaskRows(w, h)) {
        Rect band = atLeft ? Rect{row.left, row.top, extend ? row.left + d : d, row.bottom}
                           : Rect{extend ? row.right - d : w - d, row.top, row.right, row.bottom};
        list.Add(Intersect(row, band));
    }
}

} // namespace

RectList CoveredCardStrips(int w, int h, int xOffset, int yOffset)
{
    RectList list;
    // In a diagonal fan the next card's cut corners lie away from the ends of
    // this card's strips, so the strips have nothing to reach into there.
    bool extend = xOffset == 0 || yOffset == 0 || std::abs(xOffset) == 1 || std::abs(yOffset) == 1;
    if (yOffset != 0)
        AddRowStrip(list, w, h, std::abs(yOffset), yOffset > 0, extend);
    if (xOffset != 0)
        AddColumnStrip(list, w, h, std::abs(xOffset), xOffset > 0, extend);
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
