#include "ui/core/HandCursor.h"

#include <gtest/gtest.h>

using hand::Pixel;

TEST(HandCursor, NeverInvertsTheScreenAndLeavesTheLowerRowsTransparent)
{
    const hand::Masks masks = hand::CursorMasks();
    int hand = 0;
    for (int y = 0; y < hand::size; ++y)
        for (int x = 0; x < hand::size; ++x) {
            Pixel pixel = hand::PixelAt(masks, x, y);
            EXPECT_NE(pixel, Pixel::Inverted) << "(" << x << ", " << y << ")";
            if (y >= 19 || x >= 17) {
                EXPECT_EQ(pixel, Pixel::Transparent) << "(" << x << ", " << y << ")";
            }
            hand += pixel != Pixel::Transparent ? 1 : 0;
        }
    EXPECT_EQ(hand, 201);
}
