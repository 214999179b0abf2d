#pragma once

#include "cardlib/core/Geometry.h"

#include <array>

// How the table's logical pixels (the 96-DPI units every layout number is
// written in) become device pixels at a display's DPI and the player's zoom:
// s = dpi / 96 x zoom / 100, and a coordinate goes to round-half-up(x * s),
// computed exactly in integers. Rectangles map their edges, never their
// widths, so two things that touch in logical pixels touch on the screen,
// with no gap and no overlap; a width may come out one pixel wider in one
// place than in another. The way back takes a device pixel to the logical
// point whose area holds it, so a hit test on logical rectangles agrees with
// what was drawn.
class DisplayScale {
public:
    static constexpr int logicalDpi = 96;
    // The zoom steps, in percent of the display's own scale.
    static constexpr std::array<int, 7> zoomSteps{100, 125, 150, 175, 200, 250, 300};

    DisplayScale() = default;
    // A DPI or zoom below 1 is taken as 96 or 100.
    DisplayScale(int dpi, int zoomPercent);

    int Dpi() const { return dpi; }
    int Zoom() const { return zoom; }
    bool IsUnscaled() const { return dpi * zoom == logicalDpi * 100; }

    int ToDevice(int logical) const;
    Point ToDevice(Point logical) const { return {ToDevice(logical.x), ToDevice(logical.y)}; }
    Rect ToDevice(const Rect& logical) const;
    // The largest logical coordinate that maps to this device pixel or to
    // one before it.
    int ToLogical(int device) const;
    Point ToLogical(Point device) const { return {ToLogical(device.x), ToLogical(device.y)}; }
    // The widest a logical length comes out anywhere on the table: the size
    // of a picture that must hold every mapped copy of it.
    int WidestLength(int logical) const;

private:
    int dpi = logicalDpi;
    int zoom = 100;
};

bool IsZoomStep(int percent);
