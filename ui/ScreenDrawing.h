#pragma once

#include "cardlib/core/DisplayScale.h"

#include <windows.h>

// Drawing operations of the message screens.

// Bitmap resource `resourceId` of the program, centred on (centreX, centreY).
void DrawImageCentred(HDC context, int centreX, int centreY, int resourceId);

// Every other pixel of the area, in a checkerboard from the context's
// origin, takes the system highlight colour: those whose x + y is even.
void StippleRect(HDC context, const RECT& area);

// Text centred on x with its top at y, transparent, in the selected font.
void DrawCentredText(HDC context, int x, int y, const char* text);
// Height of the text in the selected font.
int TextHeight(HDC context, const char* text);

// The blinking "click to continue..." prompt, drawn straight onto the
// table window of width x height device pixels in its font at the scale;
// erasing copies the rendered screen back over the place the prompt can take.
void DrawPrompt(HDC windowContext, int width, int height, const DisplayScale& scale);
void ErasePrompt(HDC windowContext, HDC renderedScreen, int width, int height, const DisplayScale& scale);

extern const char* const promptText;
