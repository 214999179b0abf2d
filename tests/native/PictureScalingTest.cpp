#include "cardlib/core/PictureScaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Shrinking averages the covered areas exactly (3 -> 2 weighs the middle
// pixel a third to each side), growing interpolates between pixel centres
// and holds the ends, every byte of a pixel on its own, halves rounded up;
// the same size copies. A picture of one colour keeps exactly that colour
// at every size (so does a key colour, which the banners are drawn without).
TEST(PictureScaling, AreaAverageDownBilinearUpAndCopiesAtTheSameSize)
{
    const struct {
        int width, height;
        std::vector<std::uint32_t> pixels;
        int toWidth, toHeight;
        std::vector<std::uint32_t> expected;
    } cases[] = {
        {4, 1, {10, 20, 30, 41}, 2, 1, {15, 36}},
        {1, 3, {0, 30, 90}, 1, 2, {10, 70}},
        {2, 1, {0, 200}, 4, 1, {0, 50, 150, 200}},
        {2, 2, {0x10, 0x2000, 0x300000, 0x30}, 1, 1, {0x0C0810}},
        {1, 2, {0xFF000000, 0x01000000}, 1, 1, {0x80000000}},
        {3, 2, {1, 2, 3, 4, 5, 0xFFFFFFFF}, 3, 2, {1, 2, 3, 4, 5, 0xFFFFFFFF}},
    };
    for (const auto& c : cases) {
        const Picture result = Resample({c.width, c.height, c.pixels}, c.toWidth, c.toHeight);
        EXPECT_EQ(std::tuple(result.width, result.height, result.pixels), std::tuple(c.toWidth, c.toHeight, c.expected))
            << c.width << " x " << c.height << " to " << c.toWidth << " x " << c.toHeight;
    }
    EXPECT_TRUE(Resample({2, 2, {1, 2, 3}}, 4, 4).pixels.empty());
    const std::uint32_t key = 0x00FF00FF;
    for (const auto& [w, h] : {std::pair{3, 2}, {5, 5}, {11, 8}, {22, 13}, {29, 37}})
        EXPECT_EQ(Resample({7, 5, std::vector<std::uint32_t>(35, key)}, w, h).pixels,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), key))
            << w << " x " << h;
}

// The smallest whole set that is at least the scale, so pictures are only
// scaled down; beyond the largest, the largest. A set of the wrong size is
// not whole.
TEST(PictureScaling, TheSmallestWholeSetAtLeastTheScale)
{
    const struct {
        int dpi, zoom;
        std::vector<int> sets;
        int chosen;
    } cases[] = {{96, 100, {2, 3}, 1}, {96, 125, {2, 3}, 2}, {96, 125, {3}, 3}, {96, 125, {}, 1},
                 {192, 100, {2, 3}, 2}, {144, 150, {2, 3}, 3}, {192, 175, {2, 3}, 3}, {96, 300, {2}, 2},
                 {72, 100, {2, 3}, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(ChooseSet(DisplayScale(c.dpi, c.zoom), c.sets), c.chosen) << c.dpi << " DPI, " << c.zoom << " %";
    EXPECT_EQ(std::vector<bool>(
                  {FitsSet(2, 71, 96, 142, 192), FitsSet(2, 71, 96, 142, 191), FitsSet(3, 71, 96, 142, 192)}),
              std::vector<bool>({true, false, false}));
}

} // namespace
