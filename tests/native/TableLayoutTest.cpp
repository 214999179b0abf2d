#include "ui/core/BannerFamily.h"
#include "ui/core/TableLayout.h"

#include "res/ResourceIds.h"

#include <gtest/gtest.h>

// The bar 35 from the right and 72 shorter, the banner 25 from the right and
// 46 from the bottom, the panels 278 and 113 from the right (for 71 x 96
// cards; 7 * 80 / 4 = 140 and 2 * 120 / 3 = 80 for 80 x 120 ones). Narrow
// windows are not clamped: children go to negative positions.
TEST(TableLayout, ChildrenFollowTheWindowTheCardsAndTheBanner)
{
    const struct {
        int width, height, cardWidth, cardHeight, bannerWidth, bannerHeight;
        Rect clock, banner, cards, level;
    } cases[] = {
        {706, 500, 71, 96, 266, 30, RectAt(671, 10, 14, 428), RectAt(415, 454, 266, 30), RectAt(428, 10, 54, 65),
         RectAt(593, 10, 54, 65)},
        {800, 600, 71, 96, 220, 25, RectAt(765, 10, 14, 528), RectAt(555, 554, 220, 25), RectAt(522, 10, 54, 65),
         RectAt(687, 10, 54, 65)},
        {200, 100, 71, 96, 266, 30, RectAt(165, 10, 14, 28), RectAt(-91, 54, 266, 30), RectAt(-78, 10, 54, 65),
         RectAt(87, 10, 54, 65)},
        {0, 0, 71, 96, 0, 0, RectAt(-35, 10, 14, -72), RectAt(-25, -46, 0, 0), RectAt(-278, 10, 54, 65),
         RectAt(-113, 10, 54, 65)},
        {706, 500, 80, 120, 266, 30, RectAt(666, 10, 14, 412), RectAt(415, 454, 266, 30), RectAt(412, 10, 54, 65),
         RectAt(577, 10, 54, 65)},
    };
    for (const auto& c : cases) {
        TableChildren children =
            LayOutTableChildren(c.width, c.height, c.cardWidth, c.cardHeight, c.bannerWidth, c.bannerHeight);
        EXPECT_EQ(children.clock, c.clock) << c.width << " x " << c.height;
        EXPECT_EQ(children.banner, c.banner) << c.width << " x " << c.height;
        EXPECT_EQ(children.cardsPanel, c.cards) << c.width << " x " << c.height;
        EXPECT_EQ(children.levelPanel, c.level) << c.width << " x " << c.height;
    }
}

TEST(BannerFamily, PictureForEachTableColourAndItsKeyColour)
{
    const struct {
        std::uint32_t colour;
        int image;
    } cases[] = {
        {0x00000000, banner::noImage},    {0x00005000, IDB_BANNER_LOGO},    {0x00328032, IDB_BANNER_LOGO},
        {0x00644000, IDB_BANNER_LOGO},    {0x00FF8827, IDB_BANNER_LOGO},    {0x00E9B185, IDB_BANNER_ADDRESS},
        {0x00644001, IDB_BANNER_ADDRESS}, {0x00FFFFFF, IDB_BANNER_ADDRESS}, {0x00000001, IDB_BANNER_ADDRESS},
    };
    for (const auto& c : cases)
        EXPECT_EQ(banner::ImageFor(c.colour), c.image) << std::hex << c.colour;
    EXPECT_EQ(banner::KeyColourOf(IDB_BANNER_LOGO), 0x0024BFF8u);
    EXPECT_EQ(banner::KeyColourOf(IDB_BANNER_ADDRESS), 0x00E7D6C6u);
}

// Only when the family changes on a table past its small starting size,
// and not for the first colour.
TEST(BannerFamily, LayoutOnlyWhenThePictureFamilyChangesOnATallTable)
{
    const struct {
        int oldImage, newImage, parentHeight;
        bool layout;
    } cases[] = {
        {IDB_BANNER_LOGO, IDB_BANNER_ADDRESS, 500, true}, {IDB_BANNER_ADDRESS, IDB_BANNER_LOGO, 201, true},
        {IDB_BANNER_ADDRESS, IDB_BANNER_LOGO, 200, false}, {IDB_BANNER_LOGO, IDB_BANNER_LOGO, 500, false},
        {banner::noImage, IDB_BANNER_LOGO, 500, false},    {IDB_BANNER_LOGO, banner::noImage, 500, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(banner::NeedsLayout(c.oldImage, c.newImage, c.parentHeight), c.layout)
            << c.oldImage << " -> " << c.newImage << " at " << c.parentHeight;
}
