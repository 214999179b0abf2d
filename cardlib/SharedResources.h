#pragma once

#include "cardlib/core/Colour.h"

#include <windows.h>

// Making and releasing the library's shared drawing resources (see
// CardLibrary.h for their lifetime). Called by CardWindow only.

// Card images, palette, shared surface and empty-place image, for the first
// window of the process.
void MakeSharedResources(Colour background);
// Palette and empty-place image again, for a new table colour.
void RemakeColourResources(HDC reference, Colour background);
// Everything, when the last window goes.
void ReleaseSharedResources();
