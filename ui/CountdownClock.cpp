#include "ui/CountdownClock.h"

#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/core/PlatformServices.h"
#include "res/ResourceIds.h"
#include "ui/core/CountdownMath.h"

#include <algorithm>

CountdownClock::~CountdownClock()
{
    // The window then no longer reaches this object (the child detaches it).
    if (child.IsAttached())
        KillTimer(child.Window(), countdown::timerId);
}

bool CountdownClock::Create(HWND parent, int x, int y, int barWidth, int barHeight, TimeUpCallback callback)
{
    if (!child.Create(parent, WS_CHILD | WS_VISIBLE, x, y, barWidth, barHeight, this,
                      &CountdownClock::WindowProcedure, StaticChild::AfterDetach::KeepProcedure))
        return false;
    width = barWidth;
    height = barHeight;
    timeUpCallback = callback;
    return true;
}

void CountdownClock::Start()
{
    played.Start(Platform().AwakeTickCount());
    SetTimer(Window(), countdown::timerId, countdown::timerPeriod, nullptr);
    drawnPosition = 2;
    position = 1;
    Repaint();
}

void CountdownClock::Stop()
{
    played.Stop();
    KillTimer(Window(), countdown::timerId);
    position = 0;
    Repaint();
}

void CountdownClock::Pause() { KillTimer(Window(), countdown::timerId); }

void CountdownClock::Hold()
{
    if (!IsRunning() || IsHeld())
        return;
    played.Hold(Platform().AwakeTickCount());
    KillTimer(Window(), countdown::timerId);
}

void CountdownClock::Resume()
{
    if (!IsHeld())
        return;
    played.Resume(Platform().AwakeTickCount());
    SetTimer(Window(), countdown::timerId, countdown::timerPeriod, nullptr);
}

std::uint32_t CountdownClock::SecondsLeft() const
{
    if (!IsRunning())
        return 0;
    return countdown::SecondsLeft(played.Elapsed(Platform().AwakeTickCount()), duration);
}

void CountdownClock::Repaint()
{
    InvalidateRect(Window(), nullptr, FALSE);
    UpdateWindow(Window());
}

LRESULT CALLBACK CountdownClock::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* clock = StaticChild::ObjectOf<CountdownClock>(window);
    if (!clock)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
        // A minimised table leaves its bar no room: the bar keeps its size,
        // and with it its gradient and the place its ticks fill up to.
        if (LOWORD(lParam) != 0 && HIWORD(lParam) != 0) {
            clock->width = LOWORD(lParam);
            clock->height = HIWORD(lParam);
        }
        return 0;
    case WM_PAINT: {
        PaintContext paint(window);
        clock->OnPaint(paint.Get());
        return 0;
    }
    case WM_TIMER:
        clock->OnTick();
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void CountdownClock::OnTick()
{
    // A stray tick after Stop would otherwise read the stopped clock as long
    // expired and report the time up a second time; one while held would
    // move a bar that stands.
    if (!IsRunning() || IsHeld())
        return;
    const std::uint32_t elapsed = played.Elapsed(Platform().AwakeTickCount());
    position = countdown::BarPosition(elapsed, height, duration);
    if (std::optional<Rect> strip = countdown::TickFill(drawnPosition, position, width)) {
        WindowContext context(Window());
        FillSolid(context.Get(), RECT{strip->left, strip->top, strip->right, strip->bottom},
                       countdown::usedUpColour);
    }
    if (!countdown::IsTimeUp(position, elapsed, height, duration)) {
        drawnPosition = position;
    } else {
        // Stopped before the callback, so no tick of this countdown can come
        // while the game shows its screens inside the callback.
        const std::uint32_t allowed = duration;
        Stop();
        if (timeUpCallback)
            timeUpCallback(allowed);
        // The callback may have started a new countdown: follow its position.
        drawnPosition = position;
    }
    if (countdown::IsWarningDue(SecondsLeft(), Platform().TickCount()))
        Platform().PlaySoundFromResource(IDW_WARNING);
}

void CountdownClock::OnPaint(HDC context)
{
    // Every row as the ticks have left it: dark down to the position (row 2
    // from the start on), the gradient below. A bar shown again after it was
    // hidden, or after the table was minimised, looks as it did.
    const int usedUpBottom = position != 0 ? std::max(static_cast<int>(position), 3) : height - 2;
    const RECT usedUp{2, 2, width - 2, usedUpBottom};
    if (usedUp.bottom > usedUp.top)
        FillSolid(context, usedUp, countdown::usedUpColour);
    if (!gradient.IsMade() || gradient.Width() != width || gradient.Height() != height)
        BuildGradient(context);
    if (position != 0)
        BitBlt(context, 2, usedUpBottom, width - 2, height - 2, gradient.Context(), 2, usedUpBottom, SRCCOPY);
    DrawFrames(context);
}

void CountdownClock::BuildGradient(HDC context)
{
    // Made again only when the bar's size has changed since it was drawn.
    if (!gradient.Create(context, width, height))
        return;
    if (width - 2 <= 2)
        return;
    for (const countdown::GradientRow& row : countdown::GradientRows(height))
        for (int x = 2; x <= width - 3; ++x)
            SetPixel(gradient.Context(), x, row.y, row.colour);
}

namespace {
// A one-pixel frame through both corners, drawn down the left side first.
void DrawFrame(HDC context, COLORREF colour, int left, int top, int right, int bottom)
{
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    ScopedSelect selected(context, pen.Get());
    MoveToEx(context, left, top, nullptr);
    LineTo(context, left, bottom);
    LineTo(context, right, bottom);
    LineTo(context, right, top);
    LineTo(context, left, top);
}
} // namespace

void CountdownClock::DrawFrames(HDC context)
{
    DrawFrame(context, countdown::outerFrameColour, 0, 0, width - 1, height - 1);
    DrawFrame(context, countdown::innerFrameColour, 1, 1, width - 2, height - 2);
    for (int y : countdown::TickDotRows(height)) {
        SetPixel(context, 1, y, countdown::outerFrameColour);
        SetPixel(context, width - 2, y, countdown::outerFrameColour);
    }
}
