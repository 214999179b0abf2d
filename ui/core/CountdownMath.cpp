#include "ui/core/CountdownMath.h"

namespace countdown {

namespace {
// Rows a bar of this height can show as used up, inside two frames at each
// end; none when the frames take it all.
std::uint64_t Travel(int height, const DisplayScale& scale)
{
    const int frames = 2 * scale.ToDevice(2);
    return height > frames ? static_cast<std::uint64_t>(height - frames) : 0;
}

// The low eight bits of a running channel value, negative values included.
std::uint32_t Channel(int value) { return static_cast<std::uint32_t>(value) & 0xFFu; }
} // namespace

void PlayTime::Start(std::uint32_t now)
{
    *this = PlayTime{};
    started = true;
    since = now;
}

void PlayTime::Hold(std::uint32_t now)
{
    if (!started || held)
        return;
    before = Elapsed(now);
    held = true;
}

void PlayTime::Resume(std::uint32_t now)
{
    if (!held)
        return;
    since = now;
    held = false;
}

std::uint32_t PlayTime::Elapsed(std::uint32_t now) const
{
    if (!started || held)
        return before;
    return before + (now - since);
}

std::uint32_t BarPosition(std::uint32_t elapsed, int height, std::uint32_t duration, const DisplayScale& scale)
{
    if (duration == 0)
        return static_cast<std::uint32_t>(height > 0 ? height : 0);
    // Wider than 32 bits so that a long stall cannot wrap the product round.
    std::uint64_t covered = elapsed * Travel(height, scale) / (std::uint64_t{duration} * 1000u);
    return covered > 0xFFFFFFFFu ? 0xFFFFFFFFu : static_cast<std::uint32_t>(covered);
}

bool IsTimeUp(std::uint32_t position, std::uint32_t elapsed, int height, std::uint32_t duration)
{
    if (duration == 0)
        return true;
    if (height < 4)
        return elapsed >= std::uint64_t{duration} * 1000u;
    return position > static_cast<std::uint32_t>(height - 3);
}

std::uint32_t SecondsLeft(std::uint32_t elapsed, std::uint32_t duration)
{
    if (duration == 0)
        return 0;
    return duration - (elapsed / 1000u) % duration;
}

bool IsWarningDue(std::uint32_t secondsLeft, std::uint32_t now)
{
    return (secondsLeft == 20 || secondsLeft <= 10) && now % 1000u < 50u;
}

std::optional<Rect> TickFill(std::uint32_t drawnPosition, std::uint32_t position, int width,
                             const DisplayScale& scale)
{
    if (drawnPosition < static_cast<std::uint32_t>(scale.ToDevice(3)))
        return std::nullopt;
    // A position past the bottom is cut by the window anyway; keep it in int range.
    const std::uint32_t limit = 0x7FFFFFFF;
    const int frames = scale.ToDevice(2);
    Rect fill{frames, static_cast<int>(drawnPosition - 1), width - frames,
             static_cast<int>(position < limit ? position : limit)};
    if (fill.IsEmpty())
        return std::nullopt;
    return fill;
}

std::vector<int> TickDotRows(int height)
{
    std::vector<int> rows;
    const int step = height / 40;
    if (step <= 0)
        return rows;
    for (int y = step + 1; y < height; y += step)
        rows.push_back(y);
    return rows;
}

std::vector<GradientRow> GradientRows(int height)
{
    std::vector<GradientRow> rows;
    if (height - 2 < 2)
        return rows;
    int red = 0;
    int green = 148;
    int blue = 255;
    const int lowerSixth = (5 * height) / 6;
    for (int y = 2; y <= height - 2; ++y) {
        if (red < 93) {
            // Azure towards green: blue fades slowly while red and green rise.
            if (y % 2 == 0)
                --blue;
            if (y % 4 == 0)
                ++red;
            if (y % 3 == 0)
                ++green;
        } else {
            // Green towards orange-red.
            red += 2;
            if (blue > 5)
                --blue;
            --green;
        }
        if (y % 7 == 0)
            --green;
        if (y > lowerSixth)
            --green;
        rows.push_back({y, Channel(red) | Channel(green) << 8 | Channel(blue) << 16});
    }
    return rows;
}

} // namespace countdown
