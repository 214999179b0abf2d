// How a region puts its cards on the table: strips of covered cards, a top
// card that spares the cards of later regions lying over it, the empty
// styles, and the shield that keeps the background off the cards.
#include "cardlib/CardRegion.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardMask.h"

void CardRegion::Draw(HDC dc)
{
    UpdateLayout();
    if (!visible)
        return;
    if (cards.Count() == 0) {
        DrawEmpty(dc);
        return;
    }
    DrawCoveredCards(dc);
    DrawTopCard(dc);
}

void CardRegion::DrawCoveredCards(HDC dc)
{
    if (xOffset == 0 && yOffset == 0)
        return;
    const DisplayScale scale = window->Scale();
    const CornerInsets insets = CornerInsetsAt(scale);
    RegionLayout layout = Layout();
    // Each card's strips from where it and the next card lie on the screen:
    // mapped offsets vary by a pixel from card to card.
    for (int i = 0; i + 1 < cards.Count(); ++i) {
        const Point at = layout.CardPosition(i);
        const Point above = layout.CardPosition(i + 1);
        const Rect card = scale.ToDevice(RectAt(at.x, at.y, cardWidth, cardHeight));
        const Rect next = scale.ToDevice(RectAt(above.x, above.y, cardWidth, cardHeight));
        DrawCardRects(dc, card, static_cast<int>(cards.At(cards.Count() - 1 - i).value),
                      CoveredCardStrips(card, next, xOffset, yOffset, insets), scale);
    }
}

// The later region (a higher id) that lies over the point, if any; this
// region is kept out of the search.
CardRegion* CardRegion::CoveringRegion(int px, int py)
{
    CardRegion* found = window ? window->RegionAt(px, py) : nullptr;
    return found && found->id > id ? found : nullptr;
}

// A top card whose lower corners lie under later regions (a row of a
// triangle) paints its top band and, below it, only what those regions
// leave uncovered, so that it can be repainted alone without painting
// over them. What they leave includes their own cut corners and any column
// between them, which nothing else would paint.
void CardRegion::DrawTopCard(HDC dc)
{
    int n = cards.Count();
    Point at = Layout().CardPosition(n - 1);
    int cell = static_cast<int>(cards.At(0).value);
    const DisplayScale scale = window->Scale();
    visible = false;
    CardRegion* leftCover = CoveringRegion(x, y + cardHeight / 3);
    CardRegion* rightCover = CoveringRegion(x + cardWidth - 1, y + cardHeight / 3);
    visible = true;
    if (!leftCover && !rightCover) {
        DrawCard(dc, at.x, at.y, cell, scale);
        return;
    }
    // The band ends where the covering cards' mapped top edge lies.
    const Rect card = scale.ToDevice(RectAt(at.x, at.y, cardWidth, cardHeight));
    const int w = card.Width(), h = card.Height();
    const int band = scale.ToDevice(at.y + TopBand(cardWidth, cardHeight).bottom) - card.top;
    const CornerInsets insets = CornerInsetsAt(scale);
    DrawCardRects(dc, card, cell, MaskedPart(w, h, {0, 0, w, band}, insets), scale);
    int saved = SaveDC(dc);
    for (CardRegion* cover : {leftCover, rightCover})
        if (cover)
            cover->ShieldFromBackground(dc);
    DrawCardRects(dc, card, cell, MaskedPart(w, h, {0, band, w, h}, insets), scale);
    RestoreDC(dc, saved);
}

void CardRegion::DrawEmpty(HDC dc)
{
    switch (emptyStyle) {
    case EmptyOutline:
        DrawMasked(dc, x, y, sharedSurface.Get(), cardWidth, cardHeight, window->Scale());
        break;
    case EmptyBackground:
        if (window)
            window->FillBackground(dc, x, y, cardWidth, cardHeight);
        break;
    default:
        break;
    }
}

void CardRegion::ShieldFromBackground(HDC dc)
{
    if (!visible)
        return;
    UpdateLayout();
    const DisplayScale scale = window->Scale();
    RegionLayout layout = Layout();
    int n = cards.Count();
    if (!layout.BoxIsCardShape()) {
        for (int i = 0; i < n; ++i) {
            Point at = layout.CardPosition(i);
            ExcludeCardShape(dc, at.x, at.y, cardWidth, cardHeight, scale);
        }
        return;
    }
    Rect box = layout.BoundingBox();
    ExcludeCardShape(dc, box.left, box.top, width, height, scale);
}
