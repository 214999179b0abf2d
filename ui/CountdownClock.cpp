#include "ui/CountdownClock.h"

#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/core/PlatformServices.h"
#include "res/ResourceIds.h"
#include "ui/core/CountdownMath.h"
#include "ui/core/ScaledBar.h"

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

void CountdownClock::SetScale(const DisplayScale& tableScale)
{
    scale = tableScale;
    gradient.Release();
    OnSize(width, height);
}

// A bar of another size or scale shows the part of the time already played,
// from the top down to the row that part comes to now.
void CountdownClock::OnSize(int newWidth, int newHeight)
{
    width = newWidth;
    height = newHeight;
    if (!IsRunning())
        return;
    const std::uint32_t elapsed = played.Elapsed(Platform().AwakeTickCount());
    position = std::max<std::uint32_t>(countdown::BarPosition(elapsed, height, duration, scale), 1);
    drawnPosition = position;
    InvalidateRect(Window(), nullptr, FALSE);
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
        if (LOWORD(lParam) != 0 && HIWORD(lParam) != 0 &&
            (LOWORD(lParam) != clock->width || HIWORD(lParam) != clock->height))
            clock->OnSize(LOWORD(lParam), HIWORD(lParam));
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
    position = countdown::BarPosition(elapsed, height, duration, scale);
    if (std::optional<Rect> strip = countdown::TickFill(drawnPosition, position, width, scale)) {
        WindowContext context(Window());
        FillSolid(context.Get(), RECT{strip->left, strip->top, strip->right, strip->bottom},
                       countdown::usedUpColour);
    }
    // The time is up when it is on the unscaled bar, whatever the rows show.
    const int logicalHeight = scale.ToLogical(height);
    if (!countdown::IsTimeUp(countdown::BarPosition(elapsed, logicalHeight, duration), elapsed, logicalHeight,
                             duration)) {
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
    const int inside = scale.ToDevice(2);
    const int usedUpBottom =
        position != 0 ? std::max(static_cast<int>(position), scale.ToDevice(3)) : height - inside;
    const RECT usedUp{inside, inside, width - inside, usedUpBottom};
    if (usedUp.bottom > usedUp.top)
        FillSolid(context, usedUp, countdown::usedUpColour);
    if (!gradient.IsMade() || gradient.Width() != width || gradient.Height() != height)
        BuildGradient(context);
    if (position != 0)
        BitBlt(context, inside, usedUpBottom, width - inside, height - inside, gradient.Context(), inside,
               usedUpBottom, SRCCOPY);
    DrawFrames(context);
}

void CountdownClock::BuildGradient(HDC context)
{
    // Made again only when the bar's size has changed since it was drawn.
    if (!gradient.Create(context, width, height))
        return;
    const int inside = scale.ToDevice(2);
    if (width - inside <= inside)
        return;
    for (const countdown::GradientRow& row : countdown::DeviceGradientRows(scale.ToLogical(height), height, scale))
        FillSolid(gradient.Context(), RECT{inside, row.y, width - inside, row.y + 1}, row.colour);
}

void CountdownClock::DrawFrames(HDC context)
{
    const countdown::BarMarks marks = countdown::DeviceBarMarks(width, height, scale);
    const auto fill = [context](const Rect& r, COLORREF colour) {
        FillSolid(context, RECT{r.left, r.top, r.right, r.bottom}, colour);
    };
    for (const Rect& side : marks.outer)
        fill(side, countdown::outerFrameColour);
    for (const Rect& side : marks.inner)
        fill(side, countdown::innerFrameColour);
    for (const Rect& dot : marks.dots)
        fill(dot, countdown::outerFrameColour);
}
