#include "ui/core/PanelLayout.h"

#include <gtest/gtest.h>

#include <string>

using namespace panel;

TEST(PanelPicture, OvalClipOfThe54By45Picture)
{
    EXPECT_EQ(PictureClip(54, 45), (Rect{6, 36, 49, 73}));
}

TEST(PanelPicture, WholePictureOnlyOnItsOwnDarkBlue)
{
    struct Case {
        std::uint32_t colour;
        bool clipped;
    };
    const Case cases[] = {{0x00644000, false}, {0x00644001, true}, {0x00E9B185, true}, {0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(ClipsPicture(c.colour), c.clipped) << std::hex << c.colour;
}

TEST(PanelNumber, TextOfAValue)
{
    struct Case {
        int value;
        const char* text;
    };
    const Case cases[] = {{-1, ""}, {0, "0"}, {7, "7"}, {42, "42"}, {-5, "-5"}, {123, "123"}};
    for (const Case& c : cases)
        EXPECT_EQ(ValueText(c.value), c.text) << c.value;
}

TEST(PanelNumber, PlacementForOneTwoAndThreeCharacters)
{
    struct Case {
        int characters;
        int measuredWidth;
        int x;
    };
    const Case cases[] = {
        {1, 8, 21},   // (54 - 8) / 2 - 2
        {2, 16, 13},  // (54 - 32) / 2 + 2
        {2, 27, 2},   // exactly the picture's width
        {3, 24, -7},  // (54 - 72) / 2 + 2: centred, not thrown far to the right
        {3, 40, -31},
        {4, 40, -51},
    };
    for (const Case& c : cases) {
        Point at = NumberOrigin(54, 45, c.characters, c.measuredWidth);
        EXPECT_EQ(at.x, c.x) << c.characters << " characters " << c.measuredWidth << " wide";
        EXPECT_EQ(at.y, 43);
    }
}

TEST(PanelNumber, OneDigitSitsFourPixelsLeftOfTheTwoDigitRule)
{
    // The same spare room: one digit of 20 and two of 10.
    EXPECT_EQ(NumberOrigin(54, 45, 1, 20).x, NumberOrigin(54, 45, 2, 10).x - 4);
}

TEST(PanelLabel, CentredHalfALineDownOverABandOfItsHeight)
{
    struct Case {
        int textWidth;
        int textHeight;
        Point origin;
    };
    const Case cases[] = {{40, 16, {7, 8}}, {41, 19, {7, 9}}, {70, 16, {-8, 8}}};
    for (const Case& c : cases) {
        EXPECT_EQ(LabelOrigin(54, c.textWidth, c.textHeight), c.origin) << c.textWidth;
        EXPECT_EQ(LabelBand(54, c.textHeight), (Rect{0, 0, 54, c.textHeight}));
    }
}

TEST(PanelLabel, AtMostThirtyOneCharacters)
{
    EXPECT_TRUE(FitsLabel(""));
    EXPECT_TRUE(FitsLabel(std::string(31, 'x').c_str()));
    EXPECT_FALSE(FitsLabel(std::string(32, 'x').c_str()));
    EXPECT_FALSE(FitsLabel(nullptr));
}
