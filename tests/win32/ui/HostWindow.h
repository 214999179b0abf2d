#pragma once

#include "tests/win32/support/MemorySurface.h"

#include <windows.h>

// A plain top-level window filled with one colour, to hold the child
// windows under test on the display. It does not clip its children, so, like
// the table window, it paints under them before they paint themselves.
// One top-level window serves the whole test program (destroying a
// top-level window under Wine without a window manager takes two seconds);
// each HostWindow sizes and colours it and destroys its children at the end.
class HostWindow {
public:
    HostWindow(int clientWidth, int clientHeight, COLORREF background);
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND Handle() const { return hwnd; }
    // Repaints the host and its children now.
    void Refresh() const;

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
};

// Dispatches the thread's pending messages (timers included) for a while.
void PumpMessagesFor(DWORD milliseconds);

// What a window shows on the display now.
struct WindowPixels {
    explicit WindowPixels(HWND window);
    COLORREF At(int x, int y) const { return surface.Pixel(x, y); }
    int CountOf(COLORREF colour, int left, int top, int right, int bottom) const;

    MemorySurface surface;
};

// Size of a window's client area.
SIZE ClientSize(HWND window);

// Saves what a window shows as a BMP file named `name` in the folder given
// by the WEXA_UI_SHOTS environment variable, for a person to look at; does
// nothing when it is not set.
void SaveShot(HWND window, const char* name);
