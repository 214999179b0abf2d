#include "cardlib/core/PlatformServices.h"
#include "ui/core/CountdownMath.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

using namespace countdown;

namespace {

std::uint32_t Rgb(int red, int green, int blue)
{
    return static_cast<std::uint32_t>(red | green << 8 | blue << 16);
}

// Rows 2 .. height - 3, in order; the worked rows of a 455-pixel bar; taller
// bars wrap red through its low bits; bars of 3 rows or fewer have none.
TEST(CountdownGradient, RowsOfTheBar)
{
    const struct {
        int height, y;
        std::uint32_t colour;
    } cases[] = {{455, 2, Rgb(0, 148, 254)},   {455, 362, Rgb(90, 217, 74)}, {455, 402, Rgb(153, 162, 39)},
                 {455, 453, Rgb(255, 53, 5)},  {460, 456, Rgb(5, 50, 5)},    {460, 458, Rgb(9, 46, 5)},
                 {4, 2, Rgb(0, 148, 254)}};
    for (const auto& c : cases) {
        const std::vector<GradientRow> rows = GradientRows(c.height);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.height - 3)) << c.height;
        for (std::size_t i = 0; i < rows.size(); ++i)
            ASSERT_EQ(rows[i].y, static_cast<int>(i) + 2) << c.height;
        EXPECT_EQ(rows[c.y - 2].colour, c.colour) << c.height << " row " << c.y;
    }
    for (int height : {0, 1, 2, 3})
        EXPECT_TRUE(GradientRows(height).empty()) << height;
}

// height - 4 pixels in the duration, without the product wrapping on a long
// stall; time is up just past the bottom of the inside, or by time alone on
// bars without room, and at once for a duration of 0.
TEST(CountdownPosition, BarPositionAndTimeUp)
{
    const struct {
        std::uint32_t elapsed;
        int height;
        std::uint32_t duration, position;
        bool up;
    } cases[] = {
        {0, 455, 90, 0, false},      {199, 455, 90, 0, false},     {200, 455, 90, 1, false},
        {90000, 455, 90, 451, false}, {90399, 455, 90, 452, false}, {90400, 455, 90, 453, true},
        {170000, 455, 170, 451, false}, {1000000000u, 455, 90, 5011111, true},
        {89999, 3, 90, 0, false},    {90000, 3, 90, 0, true},      {90000, 0, 90, 0, true},
        {0, 455, 0, 0, true},        {0, 0, 0, 0, true},
    };
    for (const auto& c : cases) {
        const std::uint32_t position = BarPosition(c.elapsed, c.height, c.duration);
        if (c.height > 3 && c.duration > 0) {
            EXPECT_EQ(position, c.position) << c.elapsed << " ms of " << c.duration << " s";
        }
        EXPECT_EQ(IsTimeUp(position, c.elapsed, c.height, c.duration), c.up)
            << c.elapsed << " ms, height " << c.height << ", " << c.duration << " s";
    }
}

TEST(CountdownSeconds, CountDownFromTheDurationAndWrapRound)
{
    const struct {
        std::uint32_t elapsed, duration, left;
    } cases[] = {{0, 90, 90}, {999, 90, 90}, {1000, 90, 89}, {89999, 90, 1}, {90000, 90, 90}, {20000, 20, 20},
                 {4000, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(SecondsLeft(c.elapsed, c.duration), c.left) << c.elapsed;
}

// Only play counts. Readings of the count: the first starts, then holds and
// resumes take turns; the play time at a last reading. Holds of 0 ms, across
// a wrap of the count, as long as its whole range, or 50 ms before the end
// of a 90-second level (up 50 ms of play later, as above) add nothing; nor
// do a thousand short ones, nor a suspend.
TEST(CountdownPlayTime, HoldsAndSleepAddNothing)
{
    const struct {
        std::vector<std::uint32_t> readings;
        std::uint32_t now, played;
    } cases[] = {
        {{1000}, 6000, 5000},                     {{0xFFFFFF00u}, 0x100, 0x200},
        {{1000, 3000, 3000}, 8000, 7000},         {{1000, 3000}, 900000, 2000},
        {{0xFFFFF000u, 0xFFFFFF00u, 0x100}, 0x300, 0x1100}, {{1000, 6000, 4000}, 4500, 5500},
        {{1000, 91350, 3691350}, 3691399, 90399}, {{1000, 91350, 3691350}, 3691400, 90400},
    };
    for (const auto& c : cases) {
        PlayTime played;
        played.Start(c.readings[0]);
        for (std::size_t i = 1; i < c.readings.size(); ++i)
            i % 2 ? played.Hold(c.readings[i]) : played.Resume(c.readings[i]);
        EXPECT_EQ(played.Elapsed(c.now), c.played) << c.readings[0] << " -> " << c.now;
    }
    const std::uint32_t start = 0xFFFFA000u; // wraps on the way
    PlayTime played;
    played.Start(start);
    for (std::uint32_t now = start + 20; now != start + 30020; now += 30)
        played.Hold(now), played.Resume(now + 10);
    EXPECT_EQ(played.Elapsed(start + 30000), 20000u);
    // The count that leaves out sleep, so a suspend does not move it: 100-ns
    // units as wrapping milliseconds, right across the units' 32 bits (seven
    // minutes after start) and the milliseconds' (49.7 days).
    const std::uint64_t range = std::uint64_t{1} << 32;
    for (const auto& [from, to, awake] : {std::tuple<std::uint64_t, std::uint64_t, std::uint32_t>{0, 9999, 0},
                                          {0, 10000, 1}, {range - 50000000, range + 50000000, 10000},
                                          {(range - 1000) * 10000, (range + 500) * 10000 + 9999, 1500}})
        EXPECT_EQ(AwakeMilliseconds(to) - AwakeMilliseconds(from), awake) << from;
}

} // namespace
