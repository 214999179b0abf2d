#include "cardlib/CardDrawing.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/core/CardMask.h"

namespace {

void CopyRects(HDC dc, int x, int y, HDC source, int sourceX, const RectList& rects)
{
    for (const Rect& r : rects)
        BitBlt(dc, x + r.left, y + r.top, r.Width(), r.Height(), source, sourceX + r.left, r.top, SRCCOPY);
}

} // namespace

void DrawCard(HDC dc, int x, int y, int cell)
{
    CopyRects(dc, x, y, cardStripSurface.Get(), cell * cardWidth, CardMaskColumns(cardWidth, cardHeight));
}

void DrawCardPart(HDC dc, int x, int y, int cell, const Rect& part)
{
    CopyRects(dc, x, y, cardStripSurface.Get(), cell * cardWidth, MaskedPart(cardWidth, cardHeight, part));
}

void DrawCardRects(HDC dc, int x, int y, int cell, const RectList& rects)
{
    CopyRects(dc, x, y, cardStripSurface.Get(), cell * cardWidth, rects);
}

void DrawMasked(HDC dc, int x, int y, HDC source, int w, int h)
{
    CopyRects(dc, x, y, source, 0, CardMaskColumns(w, h));
}

void ExcludeCardShape(HDC dc, int x, int y, int w, int h)
{
    for (const Rect& r : CardMaskColumns(w, h))
        ExcludeClipRect(dc, x + r.left, y + r.top, x + r.right, y + r.bottom);
}
