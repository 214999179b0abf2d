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

} // namespace countdown
