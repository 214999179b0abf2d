#pragma once

#include "cardlib/CardRegion.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"

#include <string>
#include <vector>

// What the region callbacks were told, in order: "removed 1: 2, holds 3"
// (with the cards the source then holds, in hand or not), "added 2: AC 2D";
// " captured" when the table still held the mouse.
std::vector<std::string>& CallbackLog();

// A table with the platform under the test's control and an empty log.
struct DragScene {
    explicit DragScene(int width = 706, int height = 500) : table(width, height) { CallbackLog().clear(); }
    // A region holding `cards` (text form) whose moves go to the log.
    CardRegion* Region(int id, int x, int y, int xOffset, int yOffset, const char* cards, bool visible = true);

    FakePlatform platform;
    ScopedPlatform installed{platform};
    TestTable table;
};

// A card that floats over the table: its strip cell and top-left corner.
struct FloatingCard {
    int cell;
    int x;
    int y;
};

// One card (text form) floating with its top-left corner at (x, y).
std::vector<FloatingCard> Held(const char* card, int x, int y);

// The number of pixels in which the window as it is on screen now (nothing
// is repainted unless something was invalidated) differs from a fresh full
// Paint of the table with the floating cards drawn over it. The layout of
// overlapping rows leaves a few corner pixels that no region paints: those
// keep what the window showed in `before`, as they do on screen.
int DifferencesFromFreshPaint(TestTable& table, const MemorySurface& before,
                              const std::vector<FloatingCard>& floating = {});
