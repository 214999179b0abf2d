#pragma once

#include "cardlib/core/DisplayScale.h"
#include "ui/OffscreenImage.h"

#include <windows.h>

class GameWindow;

// The moving parts of a message screen on the table window: the snapshot of
// the table taken when the screen starts, the screen rendered off-screen,
// the phase, the wipe's progress and the blinking prompt. One timer (id 0
// on the table window) drives it: a wipe brings the screen in (phase 0), the
// prompt blinks (phase 1), a click starts the end (phase 2 and more), and a
// private WM_USER message to the table ends the screen's message loop.
class ScreenTransition {
public:
    static constexpr UINT_PTR timerId = 0;
    static constexpr UINT endMessage = WM_USER;

    ScreenTransition() = default;
    ScreenTransition(const ScreenTransition&) = delete;
    ScreenTransition& operator=(const ScreenTransition&) = delete;

    // Takes the snapshot of the window's width x height and makes the
    // screen's off-screen image; phase 0, no progress. Sizes here are the
    // window's device pixels; the wipes run at the table's scale.
    bool Begin(HWND window, int width, int height);
    // One timer tick of the screen `mode`; `table` renders the screen.
    void Step(GameWindow& table, HWND window, int mode, int width, int height);
    // The table took another size or scale while the screen is up: the
    // snapshot is the table painted again at it, the screen rendered again;
    // a wipe under way ends at once (in, the screen stands complete; out,
    // the screen is over), so that no part of the window shows the old size.
    void Resize(GameWindow& table, HWND window, int mode, int width, int height);
    // A click counts once the screen is complete; it re-arms the wipe timer.
    void Click(HWND window, int mode);
    // Releases both images; the phase is kept for later repaints.
    void End();

    bool IsRunning() const { return running; }
    int Phase() const { return phase; }
    bool PromptShown() const { return promptShown; }
    // The table as it was when the screen started; null outside a screen.
    HDC Snapshot() const { return snapshot.Context(); }
    HDC RenderedScreen() const { return screen.Context(); }

private:
    void WipeIn(GameWindow& table, HDC target, HWND window, int mode, int width, int height);
    void Blink(HDC target, HWND window, int mode, int width, int height, const DisplayScale& scale);
    void WipeOut(HDC target, HWND window, int mode, int width, int height, const DisplayScale& scale);
    // The complete screen, drawn off-screen once.
    void Render(GameWindow& table);
    void Complete(HWND window);
    // Ends the screen's loop once; later ticks find nothing to do.
    void Finish(HWND window);

    OffscreenImage snapshot;
    OffscreenImage screen;
    int progress = 0; // logical pixels the current wipe has advanced
    int phase = 0;
    bool promptShown = false;
    bool running = false;
    bool finished = false;
};
