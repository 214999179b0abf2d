#pragma once

#include "cardlib/core/DisplayScale.h"
#include "ui/core/CountdownMath.h"

#include <vector>

namespace countdown {

// The gradient of a bar laid out `logicalHeight` pixels high and drawn
// `deviceHeight` device pixels high at `scale`: device row y takes the
// colour of the logical row whose area holds it, so a taller bar shows the
// same run of colours, not the red that wraps round past its own height.
// Rows from the mapped row 2 to just above the mapped bottom frame line.
std::vector<GradientRow> DeviceGradientRows(int logicalHeight, int deviceHeight, const DisplayScale& scale);

} // namespace countdown
