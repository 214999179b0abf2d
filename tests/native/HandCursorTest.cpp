#include "ui/core/HandCursor.h"

#include <gtest/gtest.h>

using hand::Pixel;

// At every cursor size the hand never inverts the screen; its pixels come
// in blocks (2 x 2 at 64, 2 or 1 wide at 48, 2 then three of 1 at 40), each
// row in whole 16-bit words, and the hot spot is a white fingertip pixel
// under the black outline.
TEST(HandCursor, TheHandInBlocksAtEveryCursorSize)
{
    const struct { int side, rowBytes, hotX, hotY, handPixels; } cases[] = {
        {32, 4, 5, 2, 201}, {48, 6, 8, 3, 460}, {64, 8, 10, 4, 804}, {40, 6, 7, 3, 312}};
    for (const auto& c : cases) {
        const hand::Masks masks = hand::CursorMasks(c.side);
        EXPECT_EQ(std::tuple(masks.andMask.size(), masks.hotSpotX, masks.hotSpotY, hand::PixelAt(masks, c.hotX, c.hotY),
                             hand::PixelAt(masks, c.hotX, c.hotY - 1)),
                  std::tuple(static_cast<std::size_t>(c.rowBytes * c.side), c.hotX, c.hotY, Pixel::White, Pixel::Black))
            << c.side;
        int hand = 0;
        for (int y = 0; y < c.side; ++y)
            for (int x = 0; x < c.side; ++x) {
                ASSERT_NE(hand::PixelAt(masks, x, y), Pixel::Inverted) << c.side << " at " << x << "," << y;
                hand += hand::PixelAt(masks, x, y) != Pixel::Transparent;
            }
        EXPECT_EQ(hand, c.handPixels) << c.side;
    }
}
