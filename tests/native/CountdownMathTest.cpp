#include "ui/core/CountdownMath.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// height - 4 pixels in the duration, across a wrap of the tick count and
// without the product wrapping on a long stall; time is up just past the
// bottom of the inside, or by time alone on bars without room, and at once
// for a duration of 0.
TEST(CountdownPosition, BarPositionAndTimeUp)
{
    const struct {
        std::uint32_t start, now;
        int height;
        std::uint32_t duration, position;
        bool up;
    } cases[] = {
        {1000, 1000, 455, 90, 0, false},          {1000, 1199, 455, 90, 0, false},
        {1000, 1200, 455, 90, 1, false},          {1000, 1000 + 90000, 455, 90, 451, false},
        {1000, 1000 + 90399, 455, 90, 452, false}, {1000, 1000 + 90400, 455, 90, 453, true},
        {0xFFFFFF00u, 200, 455, 90, 2, false},     {1000, 1000 + 170000, 455, 170, 451, false},
        {5, 5 + 1000000000u, 455, 90, 5011111, true},
        {10, 10 + 89999, 3, 90, 0, false},         {10, 10 + 90000, 3, 90, 0, true},
        {10, 10 + 90000, 0, 90, 0, true},          {1000, 1000, 455, 0, 0, true},
        {1000, 1000, 0, 0, 0, true},
    };
    for (const auto& c : cases) {
        const std::uint32_t position = BarPosition(c.start, c.now, c.height, c.duration);
        if (c.height > 3 && c.duration > 0) {
            EXPECT_EQ(position, c.position) << c.start << " -> " << c.now << " over " << c.duration << " s";
        }
        EXPECT_EQ(IsTimeUp(position, c.start, c.now, c.height, c.duration), c.up)
            << c.start << " -> " << c.now << ", height " << c.height << ", " << c.duration << " s";
    }
}

TEST(CountdownSeconds, CountDownFromTheDurationAndWrapRound)
{
    const struct {
        std::uint32_t start, now, duration, left;
    } cases[] = {
        {0, 123456, 90, 0}, // stopped
        {1000, 1000, 90, 90},          {1000, 1999, 90, 90},          {1000, 2000, 90, 89},
        {1000, 1000 + 89999, 90, 1},   {1000, 1000 + 90000, 90, 90},  {0xFFFFFC18u, 500, 90, 89},
        {0xFFFFFFFFu, 0xFFFFFFFFu + 20000u, 20, 20}, {1000, 5000, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SecondsLeft(c.start, c.now, c.duration), c.left) << c.start << " -> " << c.now;
}

} // namespace
