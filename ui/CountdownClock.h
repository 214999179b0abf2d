#pragma once

#include "ui/OffscreenImage.h"
#include "ui/StaticChild.h"
#include "cardlib/core/DisplayScale.h"
#include "ui/core/CountdownMath.h"

#include <windows.h>

#include <cstdint>

// Called with the level's duration in seconds when the countdown has run out.
using TimeUpCallback = void (*)(std::uint32_t duration);

// The countdown bar at the table's right edge: a framed gradient that fills
// with dark blue from the top while the level's time runs, a warning sound
// at 20 seconds and in the last ten, and a callback when the time is up. A
// child window of the table, made from the "STATIC" class with its own window
// procedure. Time comes from Platform().AwakeTickCount(), so that a level
// does not run on while the computer sleeps, and so that tests can drive it.
class CountdownClock {
public:
    CountdownClock() = default;
    // The window stays (it goes with its parent) but no longer reaches this object.
    virtual ~CountdownClock();
    CountdownClock(const CountdownClock&) = delete;
    CountdownClock& operator=(const CountdownClock&) = delete;

    // False, changing nothing, when the window exists already or cannot be made.
    bool Create(HWND parent, int x, int y, int barWidth, int barHeight, TimeUpCallback callback);

    void Start();
    // Ends the countdown: the bar turns all dark and SecondsLeft is 0.
    void Stop();
    // Freezes the bar; SecondsLeft keeps counting from the start.
    void Pause();
    // Stops a running countdown where it stands: the bar and SecondsLeft
    // stay as they are, and the time until Resume does not count.
    void Hold();
    // Goes on from where Hold stopped it.
    void Resume();
    std::uint32_t SecondsLeft() const;
    // Draws the bar at the table's scale from now on: its window's size is
    // in device pixels, its frames a mapped logical pixel thick, and the
    // used-up part moves in device rows; the time is up when it is at 1x.
    // The table sizes the window.
    void SetScale(const DisplayScale& tableScale);
    void SetDuration(std::uint32_t seconds) { duration = seconds; }
    void Repaint();

    HWND Window() const { return child.Window(); }
    bool IsRunning() const { return played.IsStarted(); }
    bool IsHeld() const { return played.IsHeld(); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize(int newWidth, int newHeight);
    void OnTick();
    void OnPaint(HDC context);
    void BuildGradient(HDC context);
    void DrawFrames(HDC context);

    int width = 0; // device pixels
    int height = 0;
    DisplayScale scale;
    TimeUpCallback timeUpCallback = nullptr;
    countdown::PlayTime played;
    std::uint32_t position = 0;  // device rows used up; 0 while stopped
    std::uint32_t drawnPosition = 0;
    std::uint32_t duration = 0;  // seconds
    // Drawn pixel by pixel once for the bar's size, then only copied.
    OffscreenImage gradient;
    // Last, so the window lets go of this object before anything else goes.
    StaticChild child;
};
