#pragma once

#include "cardlib/GdiHolders.h"
#include "cardlib/core/DisplayScale.h"

#include <windows.h>

class CardButton;
class CardRegion;

// Process-wide state of the card table library, shared by every card window.
//
// Lifetime: the drawing resources below (card strip, palette, shared
// surface, empty-place image) do not exist while windowCount is 0. The
// CardWindow constructor that raises windowCount to 1 makes them; every
// SetBackgroundColour remakes the palette and the empty-place image; the
// destructor that brings windowCount back to 0 releases them all, and a
// later first window makes them again. pressedButton and dragRegion name
// the one press in progress across all windows (null when idle); a window
// that goes away clears them if they are its own. Everything except
// windowCount is used from the user-interface thread only.

extern volatile LONG windowCount;   // changed with Interlocked operations only
extern bool classRegistered;        // "CardWnd32" registered; never unregistered
extern int classRegistrations;      // how many times the class was registered

extern CardButton* pressedButton;
extern CardRegion* dragRegion;

// Card images: size 0 x 0 until loaded (the standard pictures' size, which
// layouts use at every scale); the strip holds the 68 pictures side by side
// in stripSurface.
extern int cardWidth;
extern int cardHeight;
extern GdiObject<HBITMAP> cardStrip;
extern MemoryContext cardStripSurface;
// The scale the strip and the empty-place image are drawn at: unscaled when
// made, changed by a card window's SetScale.
extern DisplayScale sharedScale;

// The palette built from the table colour, the surface that holds the
// empty-place image (with the palette selected into it), and that image.
extern GdiObject<HPALETTE> libraryPalette;
extern MemoryContext sharedSurface;
extern HPALETTE sharedSurfacePreviousPalette;
extern HGDIOBJ sharedSurfaceDefaultBitmap;
extern GdiObject<HBITMAP> emptyPlaceImage;

// Pixels one animation step moves; 32 until a game sets its own. Values
// below 1 are ignored: a slide must always make progress.
extern double animationStep;
void SetAnimationStep(int pixels);
