// Drag and drop of a region's cards and the sliding move animation.
#include "cardlib/CardRegion.h"

// FIXME: interim until sliding moves land
bool CardRegion::BeginDrag(int, int)
{
    return false;
}

// FIXME: interim until sliding moves land
bool CardRegion::DragTo(int, int)
{
    return true;
}

// FIXME: interim until sliding moves land
bool CardRegion::EndDrag(int, int)
{
    return true;
}

// FIXME: interim until sliding moves land
void CardRegion::AnimateTo(HDC, int, int, CardRegion*)
{
}

// FIXME: interim until sliding moves land
void CardRegion::BuildDragImages(int)
{
}

// FIXME: interim until sliding moves land
void CardRegion::DiscardDragImages()
{
}

// FIXME: interim until sliding moves land
void CardRegion::DrawDragImageAt(HDC, int, int)
{
}
