// A card picked up and dropped by key: held lifted over its place, it goes
// through the same drop as a released drag, onto a target chosen by the
// player instead of the one the drag image covers most.
#include "cardlib/CardRegion.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"

bool CardRegion::PickUpTopCard(int liftX, int liftY)
{
    if (dragging || !window || !window->Handle() || cards.Count() == 0 || !CanDrag(1))
        return false;
    const Point home = Layout().CardPosition(cards.Count() - 1);
    dragCount = 1;
    grabX = 0;
    grabY = 0;
    dragCards = cards.PopTop(1);
    BuildDragImages(1);
    UpdateLayout();
    dragging = true;
    dragX = home.x;
    dragY = home.y;
    WindowContext windowContext(window->Handle());
    ScopedLibraryPalette palette(windowContext.Get());
    DrawDragImageAt(windowContext.Get(), home.x + liftX, home.y + liftY);
    dragX = home.x + liftX;
    dragY = home.y + liftY;
    return true;
}

void CardRegion::DropHeldCards(CardRegion* target)
{
    if (dragging)
        DropOrSlideHome(target, dragX, dragY);
}

void CardRegion::DrawHeldCards(HDC dc) const
{
    if (dragging && dragImage.dc)
        DrawMasked(dc, dragX, dragY, dragImage.dc, dragWidth, dragHeight, window->Scale());
}
