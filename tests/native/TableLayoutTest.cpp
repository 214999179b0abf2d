#include "ui/core/BannerFamily.h"
#include "ui/core/TableLayout.h"

#include "res/ResourceIds.h"

#include <gtest/gtest.h>

TEST(TableLayout, ChildrenOfA706By500TableWithTheDeckSize)
{
    TableChildren c = LayOutTableChildren(706, 500, 71, 96, 266, 30);
    EXPECT_EQ(c.clock, RectAt(671, 10, 14, 428));      // 35 from the right, 72 shorter
    EXPECT_EQ(c.banner, RectAt(415, 454, 266, 30));    // 25 from the right, 46 from the bottom
    EXPECT_EQ(c.cardsPanel, RectAt(428, 10, 54, 65));  // 278 from the right
    EXPECT_EQ(c.levelPanel, RectAt(593, 10, 54, 65));  // 113 from the right
}

TEST(TableLayout, FollowsTheWindowAndTheBannerSize)
{
    struct Case {
        int width;
        int height;
        int bannerWidth;
        int bannerHeight;
        Rect clock;
        Rect banner;
        Rect cards;
        Rect level;
    };
    const Case cases[] = {
        {800, 600, 220, 25, RectAt(765, 10, 14, 528), RectAt(555, 554, 220, 25), RectAt(522, 10, 54, 65),
         RectAt(687, 10, 54, 65)},
        // Narrow windows are not clamped: children go to negative positions.
        {200, 100, 266, 30, RectAt(165, 10, 14, 28), RectAt(-91, 54, 266, 30), RectAt(-78, 10, 54, 65),
         RectAt(87, 10, 54, 65)},
        {0, 0, 0, 0, RectAt(-35, 10, 14, -72), RectAt(-25, -46, 0, 0), RectAt(-278, 10, 54, 65),
         RectAt(-113, 10, 54, 65)},
    };
    for (const Case& c : cases) {
        TableChildren children = LayOutTableChildren(c.width, c.height, 71, 96, c.bannerWidth, c.bannerHeight);
        EXPECT_EQ(children.clock, c.clock) << c.width << " x " << c.height;
        EXPECT_EQ(children.banner, c.banner) << c.width << " x " << c.height;
        EXPECT_EQ(children.cardsPanel, c.cards) << c.width << " x " << c.height;
        EXPECT_EQ(children.levelPanel, c.level) << c.width << " x " << c.height;
    }
}

TEST(TableLayout, OtherCardSizesMoveTheBarAndPanels)
{
    // 80 x 120 cards: 7 * 80 / 4 = 140 and 2 * 120 / 3 = 80.
    TableChildren c = LayOutTableChildren(706, 500, 80, 120, 266, 30);
    EXPECT_EQ(c.clock, RectAt(666, 10, 14, 412));
    EXPECT_EQ(c.cardsPanel.left, 412);
    EXPECT_EQ(c.levelPanel.left, 577);
}

TEST(BannerFamily, PictureForEachTableColour)
{
    struct Case {
        std::uint32_t colour;
        int image;
    };
    const Case cases[] = {
        {0x00000000, banner::noImage},    {0x00005000, IDB_BANNER_LOGO},    {0x00328032, IDB_BANNER_LOGO},
        {0x00644000, IDB_BANNER_LOGO},    {0x00FF8827, IDB_BANNER_LOGO},    {0x00E9B185, IDB_BANNER_ADDRESS},
        {0x00644001, IDB_BANNER_ADDRESS}, {0x00FFFFFF, IDB_BANNER_ADDRESS}, {0x00000001, IDB_BANNER_ADDRESS},
    };
    for (const Case& c : cases)
        EXPECT_EQ(banner::ImageFor(c.colour), c.image) << std::hex << c.colour;
}

TEST(BannerFamily, KeyColourOfEachPicture)
{
    EXPECT_EQ(banner::KeyColourOf(IDB_BANNER_LOGO), 0x0024BFF8u);
    EXPECT_EQ(banner::KeyColourOf(IDB_BANNER_ADDRESS), 0x00E7D6C6u);
}

TEST(BannerFamily, LayoutOnlyWhenThePictureFamilyChangesOnATallTable)
{
    struct Case {
        int oldImage;
        int newImage;
        int parentHeight;
        bool layout;
    };
    const Case cases[] = {
        {IDB_BANNER_LOGO, IDB_BANNER_ADDRESS, 500, true},
        {IDB_BANNER_ADDRESS, IDB_BANNER_LOGO, 201, true},
        {IDB_BANNER_ADDRESS, IDB_BANNER_LOGO, 200, false}, // still the small starting size
        {IDB_BANNER_LOGO, IDB_BANNER_LOGO, 500, false},    // same family
        {banner::noImage, IDB_BANNER_LOGO, 500, false},    // the first colour
        {IDB_BANNER_LOGO, banner::noImage, 500, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(banner::NeedsLayout(c.oldImage, c.newImage, c.parentHeight), c.layout)
            << c.oldImage << " -> " << c.newImage << " at " << c.parentHeight;
}
