#include "app/core/WindowZoom.h"

#include <algorithm>

Size TableClientSize(const Size& framesAt96)
{
    return {unscaledWindow.width - framesAt96.width, unscaledWindow.height - framesAt96.height};
}

Size WindowSize(const Size& tableClient, const DisplayScale& scale, const Size& frames)
{
    return {scale.ToDevice(tableClient.width) + frames.width, scale.ToDevice(tableClient.height) + frames.height};
}

Size TrackingSize(const Size& window, const DisplayScale& scale)
{
    return {window.width, window.height + scale.ToDevice(592 - unscaledWindow.height)};
}

Point FirstPosition(const Size& fullScreen, const Size& window, const DisplayScale& scale)
{
    return {fullScreen.width / 2 - window.width / 2, fullScreen.height / 2 - scale.ToDevice(274)};
}

int SteppedZoom(int current, ZoomKey key)
{
    const auto& steps = DisplayScale::zoomSteps;
    switch (key) {
    case ZoomKey::Larger: {
        const auto next = std::upper_bound(steps.begin(), steps.end(), current);
        return next != steps.end() ? *next : current;
    }
    case ZoomKey::Smaller: {
        const auto next = std::lower_bound(steps.begin(), steps.end(), current);
        return next != steps.begin() ? *(next - 1) : current;
    }
    default:
        return steps.front();
    }
}

bool PlaceInWorkArea(const Rect& window, const Size& size, const Rect& workArea, Rect& placed)
{
    if (size.width > workArea.Width() || size.height > workArea.Height())
        return false;
    const int left = window.left + (window.Width() - size.width) / 2;
    const int top = window.top + (window.Height() - size.height) / 2;
    placed = RectAt(std::clamp(left, workArea.left, workArea.right - size.width),
                    std::clamp(top, workArea.top, workArea.bottom - size.height), size.width, size.height);
    return true;
}
