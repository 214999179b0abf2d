#include "cardlib/core/Colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(ColourBlend, WorkedValues)
{
    struct Case {
        Colour colour, target;
        double factor;
        Colour expected;
    };
    const Case cases[] = {
        {0x000000, 0xFFFFFF, 0.25, 0x4D4045}, // red, green and blue move by different amounts
        {0x644000, 0xFFFFFF, 0.1, 0x7B531F},  {0x644000, 0xFFFFFF, 0.25, 0x937045},
        {0x644000, 0x000000, 0.25, 0x463000}, {0x02005000, 0xFFFFFF, 0.1, 0x26621F},
        {0x02005000, 0xFFFFFF, 0.25, 0x4D7C45}, {0x02005000, 0x000000, 0.25, 0x003C00},
        {0x02005000, 0xFFFFFF, 0.2, 0x407338}, {0x02005000, 0x000000, 0.4, 0x003000},
        {0x02005000, 0x000000, 0.2, 0x004000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Blend(c.colour, c.target, c.factor), c.expected)
            << std::hex << c.colour << " -> " << c.target << " by " << c.factor;
}

TEST(ColourBlend, FactorLimitsKeepOrReplaceTheColour)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double factor;
        Colour expected;
    };
    const Case cases[] = {{0.0, 0x02123456}, {-0.5, 0x02123456}, {nan, 0x02123456}, {1.0, 0xABCDEF}, {7.0, 0xABCDEF}};
    for (const Case& c : cases)
        EXPECT_EQ(Blend(0x02123456, 0xABCDEF, c.factor), c.expected) << c.factor;
}

TEST(ColourBlend, TowardItselfStaysPutAndDropsTheMarker)
{
    for (Colour colour : {0x000000u, 0xFFFFFFu, 0x123456u, 0x02005000u})
        for (double factor : {0.1, 0.2, 0.25, 0.4, 0.9})
            EXPECT_EQ(Blend(colour, colour & 0xFFFFFF, factor), colour & 0xFFFFFF) << std::hex << colour;
}

TEST(ColourBlend, LargeFactorsStayInsideTheirChannel)
{
    // Red would move by 1.01 and blue by 1.04 of the way: they stop at the
    // target instead of wrapping into the next channel.
    EXPECT_EQ(Blend(0x000000, 0xFFFFFF, 0.99), 0xFFFCFFu);
    EXPECT_EQ(Blend(0xFFFFFF, 0x000000, 0.99), 0x000300u);
}

TEST(ColourShades, NamedShadesOfTheTableGreen)
{
    const Colour green = 0x02005000;
    EXPECT_EQ(FaceOf(green), 0x26621Fu);
    EXPECT_EQ(HighlightOf(green), 0x4D7C45u);
    EXPECT_EQ(ShadowOf(green), 0x003C00u);
    EXPECT_EQ(FaceOf(0x644000), 0x7B531Fu);
    EXPECT_EQ(HighlightOf(0x644000), 0x937045u);
    EXPECT_EQ(ShadowOf(0x644000), 0x463000u);

    Colour light = 1, base = 1, dark = 1, midDark = 1;
    Shades(green, &light, &base, &dark, &midDark);
    EXPECT_EQ(light, 0x407338u);
    EXPECT_EQ(base, green);
    EXPECT_EQ(dark, 0x003000u);
    EXPECT_EQ(midDark, 0x004000u);
    Colour onlyDark = 1;
    Shades(green, nullptr, nullptr, &onlyDark, nullptr);
    EXPECT_EQ(onlyDark, 0x003000u);
}

TEST(ColourPalette, TenEntriesWithTheTableColourTwice)
{
    const Colour green = 0x02005000;
    auto entries = PaletteEntries(green);
    const Colour expected[paletteSize] = {0x000000, green,    HighlightOf(FaceOf(green)), 0x4D7C45, 0x003C00,
                                          0x26621F, 0x407338, green,                      0x003000, 0x004000};
    for (int i = 0; i < paletteSize; ++i)
        EXPECT_EQ(entries[i], expected[i]) << "entry " << i;
    EXPECT_EQ(PaletteRelative(0x005000), 0x02005000u);
    EXPECT_EQ(PaletteRelative(0x02005000), 0x02005000u);
}

} // namespace
