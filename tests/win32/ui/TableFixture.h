#pragma once

#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"
#include "ui/GameTableWindow.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// A game table of 706 x 500 pixels (the size the main window gives it) on
// the test display, created as the game creates it, in the game's first
// colour, with the platform services under the test's control.
class TableFixture : public testing::Test {
protected:
    static constexpr int width = 706;
    static constexpr int height = 500;
    static constexpr COLORREF tableColour = 0x00644000;

    void SetUp() override;

    HWND Table() const { return table.Handle(); }

    FakePlatform platform;
    ScopedPlatform installed{platform};
    TestHost host{width, height};
    GameTableWindow table;
};

// Runs `script` inside the next message loop that dispatches this thread's
// messages, such as the one a message screen runs: a test can call
// ShowScreen and drive the screen from within, by sending it timer ticks
// and clicks itself, one at a time.
void RunInsideNextLoop(std::function<void()> script);

// Sends the window's timer `times` ticks.
void Tick(HWND window, int times = 1);
// True when the screen has asked its loop to end.
bool EndIsPosted(HWND table);
// Ticks until the screen reaches `phase` or has posted its end; the ticks taken.
int TicksUntilPhase(const GameWindow& table, int phase);
inline void Click(HWND to, int x, int y) { SendMessageA(to, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

struct Probe {
    int x, y;
    COLORREF colour;
};
// The probes whose pixel differs, as " (x, y)=colour": empty when all match.
std::string Mismatches(const MemorySurface& surface, std::initializer_list<Probe> probes);
// A bitmap resource of this program, of its standard set or the 2x set,
// drawn into a surface of its size by the system's own readers.
std::unique_ptr<MemorySurface> ResourceBitmap(int id, int factor = 1);
