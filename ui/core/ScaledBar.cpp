#include "ui/core/ScaledBar.h"

#include <algorithm>

namespace countdown {

std::vector<GradientRow> DeviceGradientRows(int logicalHeight, int deviceHeight, const DisplayScale& scale)
{
    const std::vector<GradientRow> logical = GradientRows(logicalHeight);
    std::vector<GradientRow> rows;
    if (logical.empty())
        return rows;
    const int last = static_cast<int>(logical.size()) + 1; // logical rows run 2 .. last
    for (int y = scale.ToDevice(2); y < deviceHeight - scale.ToDevice(1); ++y)
        rows.push_back({y, logical[static_cast<std::size_t>(std::clamp(scale.ToLogical(y), 2, last) - 2)].colour});
    return rows;
}

namespace {
// The ring between `from` and `to` pixels in from every edge.
std::array<Rect, 4> Ring(int width, int height, int from, int to)
{
    return {Rect{from, from, width - from, to}, Rect{from, height - to, width - from, height - from},
            Rect{from, to, to, height - to}, Rect{width - to, to, width - from, height - to}};
}
} // namespace

BarMarks DeviceBarMarks(int width, int height, const DisplayScale& scale)
{
    const int one = scale.ToDevice(1), two = scale.ToDevice(2);
    BarMarks marks{Ring(width, height, 0, one), Ring(width, height, one, two), {}};
    for (int y : TickDotRows(scale.ToLogical(height))) {
        const int top = scale.ToDevice(y), bottom = scale.ToDevice(y + 1);
        marks.dots.push_back({one, top, two, bottom});
        marks.dots.push_back({width - two, top, width - one, bottom});
    }
    return marks;
}

} // namespace countdown
