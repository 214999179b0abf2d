#pragma once

#include "cardlib/core/DisplayScale.h"
#include "ui/core/CountdownMath.h"

#include <array>
#include <vector>

namespace countdown {

// The gradient of a bar laid out `logicalHeight` pixels high and drawn
// `deviceHeight` device pixels high at `scale`: device row y takes the
// colour of the logical row whose area holds it, so a taller bar shows the
// same run of colours, not the red that wraps round past its own height.
// Rows from the mapped row 2 to just above the mapped bottom frame line.
std::vector<GradientRow> DeviceGradientRows(int logicalHeight, int deviceHeight, const DisplayScale& scale);

// The frames and tick dots of a bar of width x height device pixels at
// `scale`: two rings, each a mapped logical pixel thick, the outer along the
// edges and the inner inside it (right and bottom sides measured from the
// far edges), and the dots as the blocks their logical rows map to on the
// inner ring's two sides. Unscaled, the one-pixel frames and dots.
struct BarMarks {
    std::array<Rect, 4> outer;
    std::array<Rect, 4> inner;
    std::vector<Rect> dots;
};
BarMarks DeviceBarMarks(int width, int height, const DisplayScale& scale);

} // namespace countdown
