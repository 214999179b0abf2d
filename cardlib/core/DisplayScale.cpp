#include "cardlib/core/DisplayScale.h"

#include <algorithm>
#include <cstdint>

namespace {

// 96 DPI at 100 percent: the denominator of every scale.
constexpr std::int64_t unit = DisplayScale::logicalDpi * 100;

// Division rounding toward minus infinity, for negative coordinates too
// (left of or above the window while the mouse is captured).
std::int64_t FloorDivide(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

} // namespace

DisplayScale::DisplayScale(int displayDpi, int zoomPercent)
    : dpi(displayDpi > 0 ? displayDpi : logicalDpi), zoom(zoomPercent > 0 ? zoomPercent : 100)
{
}

// floor(x * s + 1/2) = floor((2 x dpi zoom + unit) / (2 unit))
int DisplayScale::ToDevice(int logical) const
{
    const std::int64_t factor = static_cast<std::int64_t>(dpi) * zoom;
    return static_cast<int>(FloorDivide(2 * static_cast<std::int64_t>(logical) * factor + unit, 2 * unit));
}

Rect DisplayScale::ToDevice(const Rect& logical) const
{
    return {ToDevice(logical.left), ToDevice(logical.top), ToDevice(logical.right), ToDevice(logical.bottom)};
}

// ToDevice(x) <= d  <=>  2 x dpi zoom < (2 d + 1) unit  <=>  x <= floor(((2 d + 1) unit - 1) / (2 dpi zoom))
int DisplayScale::ToLogical(int device) const
{
    const std::int64_t factor = static_cast<std::int64_t>(dpi) * zoom;
    return static_cast<int>(FloorDivide((2 * static_cast<std::int64_t>(device) + 1) * unit - 1, 2 * factor));
}

// A length between two mapped edges is floor or ceil of length x s.
int DisplayScale::WidestLength(int logical) const
{
    const std::int64_t factor = static_cast<std::int64_t>(dpi) * zoom;
    return static_cast<int>(-FloorDivide(-static_cast<std::int64_t>(logical) * factor, unit));
}

bool IsZoomStep(int percent)
{
    return std::find(DisplayScale::zoomSteps.begin(), DisplayScale::zoomSteps.end(), percent) !=
           DisplayScale::zoomSteps.end();
}
