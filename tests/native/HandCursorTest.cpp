#include "ui/core/HandCursor.h"

#include <gtest/gtest.h>

using hand::Pixel;

// At every cursor size the hand never inverts the screen and leaves the
// rows and columns past the hand's own (19 and 17 of 32) transparent; its
// pixels come in blocks (2 x 2 at 64, 2 or 1 wide at 48, 2 then three of 1 at 40) and the hot spot
// is a white fingertip pixel under the black outline.
TEST(HandCursor, TheHandInBlocksAtEveryCursorSize)
{
    const struct { int side, rowBytes, hotX, hotY, handPixels; } cases[] = {
        {32, 4, 5, 2, 201}, {48, 6, 8, 3, 460}, {64, 8, 10, 4, 804}, {40, 6, 7, 3, 312}};
    for (const auto& c : cases) {
        const hand::Masks masks = hand::CursorMasks(c.side);
        EXPECT_EQ(masks.andMask.size(), static_cast<std::size_t>(c.rowBytes * c.side)) << c.side;
        EXPECT_EQ(std::make_pair(masks.hotSpotX, masks.hotSpotY), std::make_pair(c.hotX, c.hotY)) << c.side;
        EXPECT_EQ(hand::PixelAt(masks, c.hotX, c.hotY), Pixel::White) << c.side;
        EXPECT_EQ(hand::PixelAt(masks, c.hotX, c.hotY - 1), Pixel::Black) << c.side;
        int hand = 0;
        for (int y = 0; y < c.side; ++y)
            for (int x = 0; x < c.side; ++x) {
                const Pixel pixel = hand::PixelAt(masks, x, y);
                ASSERT_NE(pixel, Pixel::Inverted) << c.side << " at " << x << "," << y;
                if (y * 32 >= 19 * c.side || x * 32 >= 17 * c.side) {
                    ASSERT_EQ(pixel, Pixel::Transparent) << c.side << " at " << x << "," << y;
                }
                hand += pixel != Pixel::Transparent;
            }
        EXPECT_EQ(hand, c.handPixels) << c.side;
    }
}
