#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/PictureScaling.h"

#include <windows.h>

// What a message screen shows, read from the table window when it paints.
// Sizes are device pixels: a screen is drawn at the table's scale.
struct ScreenContent {
    int mode = 0;  // ScreenMode
    int phase = 0; // 0 while the screen is still being wiped in
    int width = 0; // the table's client size
    int height = 0;
    int cardWidth = 0; // a card drawn whole
    int cardHeight = 0;
    DisplayScale scale;
    // The title picture at the scale; null for the program's own, unscaled.
    const Picture* title = nullptr;
    // The table as it was when the screen started; null once the screen has gone.
    HDC snapshot = nullptr;
    int level = -1;          // the level just played
    int cardsRemaining = -1; // the demand of the coming level
};

// Draws the whole message screen of the content's mode into the context:
// during the wipe-in the snapshot of the table; else the intro, or the level
// or game-over screen over a checkerboard of the highlight colour.
void PaintMessageScreen(HDC context, const ScreenContent& content);
