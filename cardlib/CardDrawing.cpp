#include "cardlib/CardDrawing.h"

#include "cardlib/CardLibrary.h"

namespace {

// Copies `rects` of a card covering the device rectangle `to` from the
// picture whose top-left corner is at (sourceX, 0) and whose size is the
// widest the logical size w x h comes out at the scale.
void CopyRects(HDC dc, const Rect& to, HDC source, int sourceX, int w, int h, const RectList& rects,
               const DisplayScale& scale)
{
    const CellCopyList copies = CellCopies(rects, to.Width(), to.Height(), scale.WidestLength(w),
                                           scale.WidestLength(h), CornerInsetsAt(scale).two);
    for (const CellCopy& copy : copies)
        BitBlt(dc, to.left + copy.to.left, to.top + copy.to.top, copy.to.Width(), copy.to.Height(), source,
               sourceX + copy.from.x, copy.from.y, SRCCOPY);
}

} // namespace

void DrawCard(HDC dc, int x, int y, int cell, const DisplayScale& scale)
{
    const Rect card = scale.ToDevice(RectAt(x, y, cardWidth, cardHeight));
    DrawCardRects(dc, card, cell, CardMaskColumns(card.Width(), card.Height(), CornerInsetsAt(scale)), scale);
}

void DrawCardRects(HDC dc, const Rect& card, int cell, const RectList& rects, const DisplayScale& scale)
{
    CopyRects(dc, card, cardStripSurface.Get(), cell * scale.WidestLength(cardWidth), cardWidth, cardHeight, rects,
              scale);
}

void DrawMasked(HDC dc, int x, int y, HDC source, int w, int h, const DisplayScale& scale)
{
    const Rect to = scale.ToDevice(RectAt(x, y, w, h));
    CopyRects(dc, to, source, 0, w, h, CardMaskColumns(to.Width(), to.Height(), CornerInsetsAt(scale)), scale);
}

void ExcludeCardShape(HDC dc, int x, int y, int w, int h, const DisplayScale& scale)
{
    const Rect shape = scale.ToDevice(RectAt(x, y, w, h));
    for (const Rect& r : CardMaskColumns(shape.Width(), shape.Height(), CornerInsetsAt(scale)))
        ExcludeClipRect(dc, shape.left + r.left, shape.top + r.top, shape.left + r.right, shape.top + r.bottom);
}
