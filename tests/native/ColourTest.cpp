#include "cardlib/core/Colour.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

// Red, green and blue move by different fractions of the way (the worked
// values show it on black to white); factors at or past the ends keep or
// replace the colour; large factors stop at the target instead of wrapping
// into the next channel; the palette marker never survives.
TEST(ColourBlend, WorkedValuesAndLimits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        Colour colour, target;
        double factor;
        Colour expected;
    } cases[] = {
        {0x000000, 0xFFFFFF, 0.25, 0x4D4045},   {0x644000, 0xFFFFFF, 0.1, 0x7B531F},
        {0x644000, 0x000000, 0.25, 0x463000},   {0x02005000, 0xFFFFFF, 0.1, 0x26621F},
        {0x02123456, 0xABCDEF, 0.0, 0x02123456}, {0x02123456, 0xABCDEF, -0.5, 0x02123456},
        {0x02123456, 0xABCDEF, nan, 0x02123456}, {0x02123456, 0xABCDEF, 1.0, 0xABCDEF},
        {0x02123456, 0xABCDEF, 7.0, 0xABCDEF},   {0x000000, 0xFFFFFF, 0.99, 0xFFFCFF},
        {0xFFFFFF, 0x000000, 0.99, 0x000300},    {0x02005000, 0x005000, 0.4, 0x005000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Blend(c.colour, c.target, c.factor), c.expected)
            << std::hex << c.colour << " -> " << c.target << " by " << c.factor;
}

TEST(ColourShades, NamedShadesAndPalette)
{
    const Colour green = 0x02005000;
    Colour light = 1, base = 1, dark = 1, midDark = 1;
    Shades(green, &light, &base, &dark, &midDark);
    EXPECT_EQ((std::array<Colour, 4>{light, base, dark, midDark}),
              (std::array<Colour, 4>{0x407338, green, 0x003000, 0x004000}));
    auto entries = PaletteEntries(green);
    const Colour expected[paletteSize] = {0x000000, green,    0x67895B, 0x4D7C45, 0x003C00,
                                          0x26621F, 0x407338, green,    0x003000, 0x004000};
    for (int i = 0; i < paletteSize; ++i)
        EXPECT_EQ(entries[i], expected[i]) << "entry " << i;
    EXPECT_EQ(PaletteRelative(0x005000), 0x02005000u);
    EXPECT_EQ(PaletteRelative(0x02005000), 0x02005000u);
}

} // namespace
