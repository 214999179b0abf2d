#pragma once

#include "cardlib/core/Colour.h"
#include "cardlib/core/DisplayScale.h"

#include <windows.h>

// Making and releasing the library's shared drawing resources (see
// CardLibrary.h for their lifetime). Called by CardWindow only.

// Card images, palette, shared surface and empty-place image, for the first
// window of the process.
void MakeSharedResources(Colour background);
// Palette and empty-place image again, for a new table colour.
void RemakeColourResources(HDC reference, Colour background);
// Card images and empty-place image again at another scale, when they are
// not drawn at it already. Where no card strip can be made at that scale
// the images stay as they were.
void RescaleSharedResources(HDC reference, const DisplayScale& scale, Colour background);
// Everything, when the last window goes.
void ReleaseSharedResources();
