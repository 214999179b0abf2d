#pragma once

#include "cardlib/CardWindow.h"
#include "tests/win32/support/MemorySurface.h"

#include <windows.h>

#include <memory>
#include <vector>

// A card table on the test display: a borderless top-level parent window
// (one for the whole run, sized to each table) whose client area is filled
// by a CardWindow of the given size. The parent
// records the WM_COMMAND messages it receives. Input is sent as real window
// messages to the card window.
class TestTable {
public:
    TestTable(int width, int height);
    // Hosts a card window made by the test (a subclass, for one).
    TestTable(int width, int height, std::unique_ptr<CardWindow> window);
    ~TestTable();
    TestTable(const TestTable&) = delete;
    TestTable& operator=(const TestTable&) = delete;

    CardWindow& Window() { return *table; }
    HWND Handle() const { return table->Handle(); }
    HWND Parent() const { return parent; }
    int Width() const { return width; }
    int Height() const { return height; }

    // wParam of every WM_COMMAND the parent received, and its lParam.
    const std::vector<WPARAM>& Commands() const;
    const std::vector<LPARAM>& CommandSources() const;

    // The table's own Paint into a surface of the table's size.
    void PaintInto(MemorySurface& surface);
    // Repaints the window on screen and copies its client area.
    void Capture(MemorySurface& surface);

    void Press(int x, int y);
    void MoveTo(int x, int y);
    void Release(int x, int y);
    void DoubleClick(int x, int y);

private:
    int width = 0;
    int height = 0;
    HWND parent = nullptr;
    std::unique_ptr<CardWindow> table;
};

// Handles whatever is waiting in this thread's message queue.
void PumpMessages();
// Removes a pending WM_QUIT, if any, and tells whether there was one.
bool TakeQuitMessage();
