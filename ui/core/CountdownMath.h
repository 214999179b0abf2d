#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <cstdint>
#include <optional>
#include <vector>

// The arithmetic of the countdown bar: where the used-up part ends, how many
// seconds are left, when the warning sounds, and the colours and marks of the
// bar. Time is read from a millisecond count that wraps after about 49.7
// days; every difference of readings is taken in unsigned 32 bits so that a
// countdown running across the wrap still measures the right time.
namespace countdown {

constexpr int timerId = 10;
constexpr unsigned timerPeriod = 50;
constexpr std::uint32_t usedUpColour = 0x00644000;
constexpr std::uint32_t outerFrameColour = 0x00DECEA5;
constexpr std::uint32_t innerFrameColour = 0x007B5A21;

// Milliseconds of play, from readings of a millisecond count that wraps.
// Only the stretches from Start or Resume to the next Hold count, each
// measured by one difference of readings; the count is read afresh on
// Resume, so a hold adds nothing however long it lasts, a wrap of the count
// inside it included.
class PlayTime {
public:
    void Start(std::uint32_t now);
    void Stop() { *this = PlayTime{}; }
    // Nothing unless started and not held.
    void Hold(std::uint32_t now);
    // Nothing unless held.
    void Resume(std::uint32_t now);
    bool IsStarted() const { return started; }
    bool IsHeld() const { return held; }
    // 0 when not started.
    std::uint32_t Elapsed(std::uint32_t now) const;

private:
    std::uint32_t before = 0; // played before the stretch that runs now
    std::uint32_t since = 0;  // the reading where that stretch began
    bool started = false;
    bool held = false;
};

// Height in pixels of the used-up part of a bar `height` pixels high after
// `elapsed` milliseconds of play: the bar covers height - 4 pixels in
// `duration` seconds. A duration of 0 gives a bar that is used up at once.
// At a scale, `height` is in device rows and the bar covers all of them but
// its two frames at each end, each frame a mapped logical row.
std::uint32_t BarPosition(std::uint32_t elapsed, int height, std::uint32_t duration, const DisplayScale& scale = {});

// True once the used-up part has passed the bottom of the bar's inside, or
// at once for a duration of 0, or when the time has run out on a bar too
// short to show anything.
bool IsTimeUp(std::uint32_t position, std::uint32_t elapsed, int height, std::uint32_t duration);

// Counts duration, duration - 1, ... 1 over the play time, wrapping round
// after `duration` seconds; 0 for a duration of 0.
std::uint32_t SecondsLeft(std::uint32_t elapsed, std::uint32_t duration);

// The warning sounds with 20 seconds left and in the last ten, once a second
// on the tick counter's second boundaries (the tick comes every 50 ms).
bool IsWarningDue(std::uint32_t secondsLeft, std::uint32_t now);

// What one timer tick paints dark: from one row above the last drawn
// position down to the new one, inside the frames. Nothing before the bar
// has moved past its top rows, or when there is nothing new to cover. At a
// scale in device pixels, inside the mapped frames.
std::optional<Rect> TickFill(std::uint32_t drawnPosition, std::uint32_t position, int width,
                             const DisplayScale& scale = {});

// The rows of the dots on the inner frame, every height / 40 pixels. A bar
// under 40 pixels high gets none (a step of 0 would never end).
std::vector<int> TickDotRows(int height);

struct GradientRow {
    int y = 0;
    std::uint32_t colour = 0; // 0x00BBGGRR
};

// The colour of each row 2 .. height - 2 of the bar's gradient, azure at the
// top through green to orange-red at the bottom. Channels keep their low
// eight bits, so very tall bars wrap the red round.
std::vector<GradientRow> GradientRows(int height);

} // namespace countdown
