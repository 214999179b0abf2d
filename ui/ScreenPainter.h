#pragma once

#include <windows.h>

// What a message screen shows, read from the table window when it paints.
struct ScreenContent {
    int mode = 0;  // ScreenMode
    int phase = 0; // 0 while the screen is still being wiped in
    int width = 0; // the table's client size
    int height = 0;
    int cardWidth = 0;
    int cardHeight = 0;
    // The table as it was when the screen started; null once the screen has gone.
    HDC snapshot = nullptr;
    int level = -1;          // the level just played
    int cardsRemaining = -1; // the demand of the coming level
};

// Draws the whole message screen of the content's mode into the context:
// during the wipe-in the snapshot of the table; else the intro, or the level
// or game-over screen over a checkerboard of the highlight colour.
void PaintMessageScreen(HDC context, const ScreenContent& content);
