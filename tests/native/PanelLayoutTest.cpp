#include "ui/core/PanelLayout.h"

#include <gtest/gtest.h>

#include <string>

using namespace panel;

TEST(PanelPicture, OvalClipOnEveryColourButThePicturesOwnDarkBlue)
{
    EXPECT_EQ(PictureClip(54, 45), (Rect{6, 36, 49, 73}));
    const struct {
        std::uint32_t colour;
        bool clipped;
    } cases[] = {{0x00644000, false}, {0x00644001, true}, {0x00E9B185, true}, {0, true}};
    for (const auto& c : cases)
        EXPECT_EQ(ClipsPicture(c.colour), c.clipped) << std::hex << c.colour;
}

// One digit sits four pixels left of where the two-digit rule would put it;
// three or more are centred (signed) instead of thrown far to the right.
TEST(PanelNumber, TextAndPlacementForOneTwoAndThreeCharacters)
{
    const struct {
        int value, measuredWidth, x;
        const char* text;
    } cases[] = {{-1, 0, 0, ""},  {7, 8, 21, "7"},     {7, 20, 15, "7"},    {42, 10, 19, "42"}, {42, 16, 13, "42"},
                 {42, 27, 2, "42"}, {123, 24, -7, "123"}, {123, 40, -31, "123"}, {-5, 16, 13, "-5"}, {1000, 40, -51, "1000"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ValueText(c.value), c.text) << c.value;
        if (c.value == -1)
            continue;
        Point at = NumberOrigin(54, 45, static_cast<int>(std::string(c.text).size()), c.measuredWidth);
        EXPECT_EQ(at.x, c.x) << c.text << " " << c.measuredWidth << " wide";
        EXPECT_EQ(at.y, 43);
    }
}

TEST(PanelLabel, CentredHalfALineDownOverABandOfItsHeightAndAtMost31Characters)
{
    const struct {
        int textWidth, textHeight;
        Point origin;
    } cases[] = {{40, 16, {7, 8}}, {41, 19, {7, 9}}, {70, 16, {-8, 8}}};
    for (const auto& c : cases) {
        EXPECT_EQ(LabelOrigin(54, c.textWidth, c.textHeight), c.origin) << c.textWidth;
        EXPECT_EQ(LabelBand(54, c.textHeight), (Rect{0, 0, 54, c.textHeight}));
    }
    EXPECT_TRUE(FitsLabel(""));
    EXPECT_TRUE(FitsLabel(std::string(31, 'x').c_str()));
    EXPECT_FALSE(FitsLabel(std::string(32, 'x').c_str()));
    EXPECT_FALSE(FitsLabel(nullptr));
}
