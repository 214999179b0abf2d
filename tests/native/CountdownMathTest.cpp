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

std::uint32_t RowColour(const std::vector<GradientRow>& rows, int y)
{
    for (const GradientRow& row : rows)
        if (row.y == y)
            return row.colour;
    ADD_FAILURE() << "no gradient row " << y;
    return 0xFFFFFFFF;
}

} // namespace

TEST(CountdownGradient, WorkedRowsOfA455PixelBar)
{
    const std::vector<GradientRow> rows = GradientRows(455);
    struct Case {
        int y;
        std::uint32_t colour;
    };
    const Case cases[] = {
        {2, Rgb(0, 148, 254)},
        {362, Rgb(90, 217, 74)},
        {402, Rgb(153, 162, 39)},
        {453, Rgb(255, 53, 5)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowColour(rows, c.y), c.colour) << "row " << c.y;
}

TEST(CountdownGradient, CoversRowsTwoToHeightMinusTwoInOrder)
{
    const std::vector<GradientRow> rows = GradientRows(455);
    ASSERT_EQ(rows.size(), 452u);
    for (std::size_t i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows[i].y, static_cast<int>(i) + 2);
}

TEST(CountdownGradient, TallerBarsWrapRedThroughItsLowBits)
{
    const std::vector<GradientRow> rows = GradientRows(460);
    EXPECT_EQ(RowColour(rows, 456), Rgb(5, 50, 5));
    EXPECT_EQ(RowColour(rows, 458), Rgb(9, 46, 5));
}

TEST(CountdownGradient, TinyBarsHaveNoRoomOrOneRow)
{
    for (int height : {0, 1, 2, 3})
        EXPECT_TRUE(GradientRows(height).empty()) << height;
    const std::vector<GradientRow> one = GradientRows(4);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].colour, Rgb(0, 148, 254));
}

TEST(CountdownPosition, CoversTheBarInTheDuration)
{
    struct Case {
        std::uint32_t start;
        std::uint32_t now;
        int height;
        std::uint32_t duration;
        std::uint32_t position;
    };
    const Case cases[] = {
        {1000, 1000, 455, 90, 0},
        {1000, 1199, 455, 90, 0},           // one pixel about every 200 ms
        {1000, 1200, 455, 90, 1},
        {1000, 1000 + 90000, 455, 90, 451}, // height - 4 pixels in the duration
        {1000, 1000 + 90399, 455, 90, 452},
        {1000, 1000 + 90400, 455, 90, 453},
        {0xFFFFFF00u, 200, 455, 90, 2},     // 456 ms across the wrap
        {1000, 1000 + 170000, 455, 170, 451},
        {5, 5 + 1000000000u, 455, 90, 5011111}, // a long stall does not wrap the product
    };
    for (const Case& c : cases)
        EXPECT_EQ(BarPosition(c.start, c.now, c.height, c.duration), c.position)
            << c.start << " -> " << c.now << " over " << c.duration << " s";
}

TEST(CountdownPosition, TimeIsUpJustPastTheBottomOfTheInside)
{
    struct Case {
        std::uint32_t elapsed;
        bool up;
    };
    const Case cases[] = {{0, false}, {90000, false}, {90399, false}, {90400, true}, {200000, true}};
    for (const Case& c : cases) {
        std::uint32_t position = BarPosition(7, 7 + c.elapsed, 455, 90);
        EXPECT_EQ(IsTimeUp(position, 7, 7 + c.elapsed, 455, 90), c.up) << c.elapsed;
    }
}

TEST(CountdownPosition, ZeroDurationIsUpAtOnceWithoutDividing)
{
    for (int height : {0, 3, 455}) {
        std::uint32_t position = BarPosition(1000, 1000, height, 0);
        EXPECT_TRUE(IsTimeUp(position, 1000, 1000, height, 0)) << height;
    }
    EXPECT_EQ(SecondsLeft(1000, 5000, 0), 0u);
}

TEST(CountdownPosition, BarsWithoutRoomRunOutByTime)
{
    for (int height : {0, 2, 3}) {
        EXPECT_FALSE(IsTimeUp(BarPosition(10, 10 + 89999, height, 90), 10, 10 + 89999, height, 90)) << height;
        EXPECT_TRUE(IsTimeUp(BarPosition(10, 10 + 90000, height, 90), 10, 10 + 90000, height, 90)) << height;
    }
}

TEST(CountdownSeconds, CountDownFromTheDurationAndWrapRound)
{
    struct Case {
        std::uint32_t start;
        std::uint32_t now;
        std::uint32_t duration;
        std::uint32_t left;
    };
    const Case cases[] = {
        {0, 123456, 90, 0}, // stopped
        {1000, 1000, 90, 90},
        {1000, 1999, 90, 90},
        {1000, 2000, 90, 89},
        {1000, 1000 + 89999, 90, 1}, // never reaches 0 while running
        {1000, 1000 + 90000, 90, 90},
        {0xFFFFFC18u, 500, 90, 89},  // started 1000 ms before the wrap, 1500 ms ago
        {0xFFFFFFFFu, 0xFFFFFFFFu + 20000u, 20, 20},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SecondsLeft(c.start, c.now, c.duration), c.left) << c.start << " -> " << c.now;
}

TEST(CountdownWarning, SoundsAtTwentyAndInTheLastTenOnSecondBoundaries)
{
    struct Case {
        std::uint32_t seconds;
        std::uint32_t now;
        bool due;
    };
    const Case cases[] = {
        {20, 5000, true},  {20, 5049, true}, {20, 5050, false}, {20, 5999, false},
        {21, 5000, false}, {19, 5000, false}, {11, 7000, false}, {10, 7000, true},
        {1, 123000, true}, {0, 9010, true},  {90, 9000, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWarningDue(c.seconds, c.now), c.due) << c.seconds << " s at " << c.now;
}

TEST(CountdownTick, FillsOnlyTheNewStripOverlappingOneRow)
{
    struct Case {
        std::uint32_t drawn;
        std::uint32_t position;
        bool fills;
        Rect fill;
    };
    const Case cases[] = {
        {2, 3, false, {}},          // just started: the top rows stay
        {3, 5, true, {2, 2, 12, 5}},
        {10, 10, true, {2, 9, 12, 10}},
        {10, 14, true, {2, 9, 12, 14}},
        {10, 8, false, {}},         // a new, shorter countdown: nothing to cover
    };
    for (const Case& c : cases) {
        std::optional<Rect> fill = TickFill(c.drawn, c.position, 14);
        ASSERT_EQ(fill.has_value(), c.fills) << c.drawn << " -> " << c.position;
        if (fill) {
            EXPECT_EQ(*fill, c.fill) << c.drawn << " -> " << c.position;
        }
    }
}

TEST(CountdownDots, EveryFortiethOfTheHeightFromOneStepDown)
{
    struct Case {
        int height;
        std::size_t count;
        int first;
        int last;
    };
    const Case cases[] = {{455, 41, 12, 452}, {40, 38, 2, 39}, {80, 39, 3, 79}, {428, 42, 11, 421}};
    for (const Case& c : cases) {
        std::vector<int> rows = TickDotRows(c.height);
        ASSERT_EQ(rows.size(), c.count) << c.height;
        EXPECT_EQ(rows.front(), c.first) << c.height;
        EXPECT_EQ(rows.back(), c.last) << c.height;
    }
}

TEST(CountdownDots, ShortBarsGetNoneInsteadOfAnEndlessStep)
{
    for (int height : {0, 1, 39})
        EXPECT_TRUE(TickDotRows(height).empty()) << height;
}
