#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

// The main window at the table's scale. The table keeps, at every scale,
// the logical client area it has at 96 DPI and 100 %, so every layout
// formula gives the same logical layout; the window round it is that area
// in device pixels plus what the system draws round it at the display's
// DPI (the main window's border and menu bar and the table's sunken edge,
// which grow with the DPI but not with the zoom).

struct Size {
    int width = 0;
    int height = 0;
};

inline bool operator==(const Size& a, const Size& b)
{
    return a.width == b.width && a.height == b.height;
}

// The main window's outer size at 96 DPI and 100 %.
constexpr Size unscaledWindow{712, 553};

// The table's logical client area: what the unscaled window leaves it when
// the system draws `framesAt96` round it (widths and heights together).
Size TableClientSize(const Size& framesAt96);

// The main window's outer size at `scale` for that table, with the frames
// the system draws at the scale's DPI.
Size WindowSize(const Size& tableClient, const DisplayScale& scale, const Size& frames);

// The tracking size keeps the platform from shrinking the window: 39
// logical pixels taller than the window.
Size TrackingSize(const Size& window, const DisplayScale& scale);

// Where the window first goes on a screen whose full-screen client area is
// `fullScreen`: centred across, and 274 logical pixels above the middle.
Point FirstPosition(const Size& fullScreen, const Size& window, const DisplayScale& scale);

enum class ZoomKey { Larger, Smaller, Reset };

// The zoom step a key asks for from `current` (Reset is 100 %); `current`
// itself when there is no step that way.
int SteppedZoom(int current, ZoomKey key);

// Where a window now at `window` goes when it takes `size`: its centre kept,
// then moved into the work area where it would stick out. False, placing
// nothing, when the work area cannot hold that size.
bool PlaceInWorkArea(const Rect& window, const Size& size, const Rect& workArea, Rect& placed);
