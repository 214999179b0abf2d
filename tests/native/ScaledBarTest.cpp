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

} // namespace
