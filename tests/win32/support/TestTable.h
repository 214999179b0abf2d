#pragma once

#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "tests/win32/support/MemorySurface.h"

#include <windows.h>

#include <memory>

// The one top-level window of a test program, sized and coloured for each
// test: under Wine without a window manager, destroying a visible top-level
// window waits about two seconds, while child windows come and go at once.
// It fills itself with one colour without clipping its children (as the
// game's table does) and destroys the children a test leaves on it.
class TestHost {
public:
    TestHost(int width, int height, COLORREF background = RGB(128, 128, 128));
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    HWND Handle() const { return hwnd; }
    // Repaints the host and its children now.
    void Refresh() const;

private:
    HWND hwnd = nullptr;
};

// A card table on the test display filling the host's client area. Input
// is sent as real window messages to the card window.
class TestTable {
public:
    TestTable(int width, int height);

    CardWindow& Window() { return *table; }
    HWND Handle() const { return table->Handle(); }
    HWND Parent() const { return host.Handle(); }

    // A new region holding `cards` (text form, lowest first).
    CardRegion* Region(int id, int x, int y, int xOffset, int yOffset, const char* cards = "", bool visible = true);

    void Press(int x, int y) { Send(WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
    void MoveTo(int x, int y) { Send(WM_MOUSEMOVE, MK_LBUTTON, x, y); }
    void Release(int x, int y) { Send(WM_LBUTTONUP, 0, x, y); }
    void DoubleClick(int x, int y) { Send(WM_LBUTTONDBLCLK, MK_LBUTTON, x, y); }

private:
    void Send(UINT message, WPARAM buttons, int x, int y);

    TestHost host;
    // Destroyed before the host, which then handles what its going left behind.
    std::unique_ptr<CardWindow> table = std::make_unique<CardWindow>();
};

// Handles whatever is waiting in this thread's message queue (a WM_QUIT is
// left in it).
void PumpMessages();
// Dispatches the thread's messages (timers included) for a while.
void PumpMessagesFor(DWORD milliseconds);
// Removes a pending WM_QUIT, if any, and tells whether there was one.
bool TakeQuitMessage(WPARAM* code = nullptr);
