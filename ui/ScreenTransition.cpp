#include "ui/ScreenTransition.h"

#include "ui/GameWindow.h"
#include "cardlib/GdiHolders.h"
#include "ui/ScreenDrawing.h"
#include "ui/core/ScreenWipe.h"

namespace {
void CopyStrips(HDC target, HDC source, const wipe::Step& step)
{
    for (const Rect& strip : step.strips)
        BitBlt(target, strip.left, strip.top, strip.Width(), strip.Height(), source, strip.left, strip.top,
               SRCCOPY);
}
} // namespace

bool ScreenTransition::Begin(HWND window, int width, int height)
{
    WindowContext context(window);
    if (!context.Get() || !snapshot.Create(context.Get(), width, height) ||
        !screen.Create(context.Get(), width, height)) {
        End();
        return false;
    }
    BitBlt(snapshot.Context(), 0, 0, width, height, context.Get(), 0, 0, SRCCOPY);
    progress = 0;
    phase = 0;
    running = true;
    finished = false;
    return true;
}

void ScreenTransition::End()
{
    snapshot.Release();
    screen.Release();
    running = false;
}

void ScreenTransition::Click(HWND window, int mode)
{
    // Clicks during the wipe-in are ignored.
    if (phase == 0 || finished)
        return;
    ++phase;
    SetTimer(window, timerId, wipe::PeriodFor(mode), nullptr);
}

void ScreenTransition::Step(GameWindow& table, HWND window, int mode, int width, int height)
{
    if (!running || finished)
        return;
    WindowContext context(window);
    if (phase == 0)
        WipeIn(table, context.Get(), window, mode, width, height);
    else if (phase == 1)
        Blink(context.Get(), window, mode, width, height, table.Scale());
    else
        WipeOut(context.Get(), window, mode, width, height, table.Scale());
}

void ScreenTransition::Render(GameWindow& table)
{
    const int kept = phase;
    phase = 1;
    table.PaintScreen(screen.Context());
    phase = kept;
}

void ScreenTransition::WipeIn(GameWindow& table, HDC target, HWND window, int mode, int width, int height)
{
    // The whole screen is drawn once, off-screen, before its first strip shows.
    if (progress == 0)
        Render(table);
    const DisplayScale& scale = table.Scale();
    progress += wipe::stepPixels;
    const wipe::Step step = wipe::WipeIn(mode, progress, scale.ToLogical(width), scale.ToLogical(height), scale);
    CopyStrips(target, screen.Context(), step);
    if (!step.complete)
        return;
    // The last device pixels past the table's logical size, if any.
    if (!scale.IsUnscaled())
        BitBlt(target, 0, 0, width, height, screen.Context(), 0, 0, SRCCOPY);
    Complete(window);
}

void ScreenTransition::Complete(HWND window)
{
    promptShown = false;
    phase = 1;
    progress = 0;
    SetTimer(window, timerId, wipe::promptPeriod, nullptr);
}

void ScreenTransition::Blink(HDC target, HWND window, int mode, int width, int height, const DisplayScale& scale)
{
    if (mode == GameOverScreen) {
        // No prompt: the game-over screen ends by itself.
        Finish(window);
        return;
    }
    if (promptShown)
        ErasePrompt(target, screen.Context(), width, height, scale);
    else
        DrawPrompt(target, width, height, scale);
    promptShown = !promptShown;
}

void ScreenTransition::WipeOut(HDC target, HWND window, int mode, int width, int height, const DisplayScale& scale)
{
    if (mode != IntroScreen) {
        Finish(window);
        return;
    }
    // The intro goes the way it came, uncovering the table as it was.
    progress += wipe::stepPixels;
    const wipe::Step step = wipe::Intro(progress, scale.ToLogical(width), scale.ToLogical(height), scale);
    CopyStrips(target, snapshot.Context(), step);
    if (step.complete)
        Finish(window);
}

void ScreenTransition::Resize(GameWindow& table, HWND window, int mode, int width, int height)
{
    if (!running || finished || width <= 0 || height <= 0)
        return;
    WindowContext context(window);
    if (!context.Get() || !snapshot.Create(context.Get(), width, height) ||
        !screen.Create(context.Get(), width, height))
        return;
    table.PaintTable(snapshot.Context());
    if (phase == 0 && progress == 0)
        return; // the first tick renders the screen
    Render(table);
    if (phase == 0)
        Complete(window);
    else if (phase >= 2 && mode == IntroScreen)
        Finish(window);
}

void ScreenTransition::Finish(HWND window)
{
    finished = true;
    KillTimer(window, timerId);
    PostMessageA(window, endMessage, 0, 0);
}
