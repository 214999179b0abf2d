#include "cardlib/CardLibrary.h"

volatile LONG windowCount = 0;
bool classRegistered = false;
int classRegistrations = 0;

CardButton* pressedButton = nullptr;
CardRegion* dragRegion = nullptr;

int cardWidth = 0;
int cardHeight = 0;
GdiObject<HBITMAP> cardStrip;
MemoryContext cardStripSurface;
DisplayScale sharedScale;

GdiObject<HPALETTE> libraryPalette;
MemoryContext sharedSurface;
HPALETTE sharedSurfacePreviousPalette = nullptr;
HGDIOBJ sharedSurfaceDefaultBitmap = nullptr;
GdiObject<HBITMAP> emptyPlaceImage;

double animationStep = 32.0;

void SetAnimationStep(int pixels)
{
    // A step of no length would never reach the destination.
    if (pixels > 0)
        animationStep = pixels;
}

namespace {
// Counted on the user-interface thread only; see GdiHolders.h.
long gdiObjectsMade = 0;
long gdiObjectsReleased = 0;
}

void NoteGdiObjectMade()
{
    ++gdiObjectsMade;
}

void NoteGdiObjectReleased()
{
    ++gdiObjectsReleased;
}

long GdiObjectsOutstanding()
{
    return gdiObjectsMade - gdiObjectsReleased;
}
