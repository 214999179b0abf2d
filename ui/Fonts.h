#pragma once

#include <windows.h>

// A font of the screens and panels: the given face, cell height and weight,
// upright, no decorations, default character set, precision and quality.
// The caller owns it (a GdiObject<HFONT> deletes it).
HFONT MakeFont(const char* face, int height, int weight);
