#pragma once

#include "cardlib/CardRegion.h"
#include "cardlib/core/PlatformServices.h"
#include "tests/win32/support/MemorySurface.h"
#include "tests/win32/support/TestTable.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Platform services for drag tests: sleeping is instant and recorded, and a
// test may look at the window at each pause between two animation frames.
class FrameClock final : public PlatformServices {
public:
    std::vector<std::uint32_t> sleeps;
    // Called at each Sleep with the number of sleeps so far (1 for the first).
    std::function<void(int)> onSleep;

    std::uint32_t TickCount() override { return 1000 + static_cast<std::uint32_t>(sleeps.size()) * 10; }
    void Sleep(std::uint32_t milliseconds) override
    {
        sleeps.push_back(milliseconds);
        if (onSleep)
            onSleep(static_cast<int>(sleeps.size()));
    }
    bool PlaySoundFromMemory(const void*) override { return true; }
    bool PlaySoundFromResource(int) override { return true; }
    int ShowMessageBox(const char*, const char*, unsigned) override { return IDOK; }
    bool OpenWithShell(const char*) override { return true; }
};

// What the region callbacks were told, in order: "removed 1: 2, holds 3"
// (with the cards the source then holds, in hand or not), "added 2: AC 2D",
// "drop rule 2: 3H 4S" (region id, then the count or the cards). Install on
// a region with Record*.
std::vector<std::string>& CallbackLog();
void RecordRemoved(CardRegion* region);
void RecordAdded(CardRegion* region);
// An Ask drop rule that records the dragged cards and answers `accept`.
void RecordDropRule(CardRegion* region, bool accept);

// A card that floats over the table: its strip cell and top-left corner.
struct FloatingCard {
    int cell;
    int x;
    int y;
};

// The picture the window should show: a fresh full Paint of the table as it
// is, with the floating cards drawn over it. The layout of overlapping rows
// leaves a few corner pixels that no region paints; those keep what the
// window showed in `before`, as they do on screen.
void PaintExpected(TestTable& table, const MemorySurface& before, MemorySurface& expected,
                   const std::vector<FloatingCard>& floating = {});

// The window's client area as it is on screen now (nothing is repainted
// unless something was invalidated).
void ReadWindow(TestTable& table, MemorySurface& surface);

// Number of pixels where the window differs from PaintExpected, and a
// description of the first few for a readable failure.
struct PictureDifference {
    int count = 0;
    std::string where;
};
PictureDifference CompareWithWindow(TestTable& table, const MemorySurface& before,
                                    const std::vector<FloatingCard>& floating = {});

// The floating cards of a fan of `cells` (lowest first) whose lowest card
// lies at (x, y), each `xOffset`, `yOffset` further.
std::vector<FloatingCard> Fan(const std::vector<int>& cells, int x, int y, int xOffset, int yOffset);

// The cells of a stack, bottom first.
std::vector<int> Cells(const CardStack& stack);
