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
    RectList strips = CoveredCardStrips(cardWidth, cardHeight, xOffset, yOffset);
    RegionLayout layout = Layout();
    for (int i = 0; i + 1 < cards.Count(); ++i) {
        Point at = layout.CardPosition(i);
        DrawCardRects(dc, at.x, at.y, static_cast<int>(cards.At(cards.Count() - 1 - i).value), strips);
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
    visible = false;
    CardRegion* leftCover = CoveringRegion(x, y + cardHeight / 3);
    CardRegion* rightCover = CoveringRegion(x + cardWidth - 1, y + cardHeight / 3);
    visible = true;
    if (!leftCover && !rightCover) {
        DrawCard(dc, at.x, at.y, cell);
        return;
    }
    DrawCardPart(dc, at.x, at.y, cell, TopBand(cardWidth, cardHeight));
    int saved = SaveDC(dc);
    for (CardRegion* cover : {leftCover, rightCover})
        if (cover)
            cover->ShieldFromBackground(dc);
    DrawCardPart(dc, at.x, at.y, cell, LowerArea(cardWidth, cardHeight));
    RestoreDC(dc, saved);
}

void CardRegion::DrawEmpty(HDC dc)
{
    switch (emptyStyle) {
    case EmptyOutline:
        DrawMasked(dc, x, y, sharedSurface.Get(), cardWidth, cardHeight);
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
    RegionLayout layout = Layout();
    int n = cards.Count();
    if (!layout.BoxIsCardShape()) {
        for (int i = 0; i < n; ++i) {
            Point at = layout.CardPosition(i);
            ExcludeCardShape(dc, at.x, at.y, cardWidth, cardHeight);
        }
        return;
    }
    Rect box = layout.BoundingBox();
    ExcludeCardShape(dc, box.left, box.top, width, height);
}
