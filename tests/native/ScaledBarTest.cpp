#include "ui/core/ScaledBar.h"

#include <gtest/gtest.h>

namespace {

// A 455-pixel bar drawn 910 rows high at 200 % and 568 at 125 %: the first
// rows azure, the worked row 362 where it maps, the last row orange-red
// (not the wrapped red of a 910-pixel gradient); unscaled, rows 2 .. 453.
TEST(ScaledBar, DeviceRowsTakeTheColourOfTheirLogicalRow)
{
    const std::uint32_t azure = 0xFE9400, green = 0x4AD95A, orange = 0x0535FF;
    const struct {
        int zoom, deviceHeight, first, count;
        std::vector<std::pair<int, std::uint32_t>> rows;
    } cases[] = {{200, 910, 4, 904, {{4, azure}, {5, azure}, {724, green}, {725, green}, {907, orange}}},
                 {125, 568, 3, 564, {{3, azure}, {453, green}, {566, orange}}},
                 {100, 455, 2, 452, {{2, azure}, {362, green}, {453, orange}}}};
    for (const auto& c : cases) {
        const std::vector<countdown::GradientRow> rows =
            countdown::DeviceGradientRows(455, c.deviceHeight, DisplayScale(96, c.zoom));
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.count)) << c.zoom;
        for (const auto& [y, colour] : c.rows) {
            const countdown::GradientRow& row = rows[static_cast<std::size_t>(y - c.first)];
            EXPECT_EQ(std::pair(row.y, row.colour), std::pair(y, colour)) << c.zoom << " %, row " << y;
        }
    }
}

// However large the bar is drawn, its used-up part crosses the inside
// between the frames (two mapped logical rows at each end) in the level's
// time: half of it at 85 of 170 s, all of it at 170 s. A tick fills inside
// the mapped frames, once the bar has passed the mapped top rows.
TEST(ScaledBar, UsedUpPartCrossesTheDeviceInsideInTheLevelsTime)
{
    const struct {
        int zoom, height, inside, width, frame, firstFilled;
    } cases[] = {{200, 910, 902, 28, 4, 6}, {125, 568, 562, 18, 3, 4}, {100, 455, 451, 14, 2, 3}};
    for (const auto& c : cases) {
        const DisplayScale scale(96, c.zoom);
        EXPECT_EQ(countdown::BarPosition(85000, c.height, 170, scale), static_cast<std::uint32_t>(c.inside / 2));
        EXPECT_EQ(countdown::BarPosition(170000, c.height, 170, scale), static_cast<std::uint32_t>(c.inside));
        const auto fill = countdown::TickFill(10, 20, c.width, scale);
        ASSERT_TRUE(fill.has_value()) << c.zoom;
        EXPECT_EQ(*fill, (Rect{c.frame, 9, c.width - c.frame, 20})) << c.zoom;
        EXPECT_FALSE(countdown::TickFill(c.firstFilled - 1, 20, c.width, scale).has_value()) << c.zoom;
        EXPECT_TRUE(countdown::TickFill(c.firstFilled, 20, c.width, scale).has_value()) << c.zoom;
    }
}

} // namespace
