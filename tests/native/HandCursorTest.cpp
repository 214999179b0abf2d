#include "ui/core/HandCursor.h"

#include <gtest/gtest.h>

using hand::Pixel;

TEST(HandCursor, PixelsOfTheHand)
{
    const hand::Masks masks = hand::CursorMasks();
    struct Case {
        int x;
        int y;
        Pixel pixel;
    };
    const Case cases[] = {
        {0, 0, Pixel::Transparent},   {5, 1, Pixel::Black},         {6, 1, Pixel::Black},
        {4, 1, Pixel::Transparent},   {7, 1, Pixel::Transparent},   {4, 2, Pixel::Black},
        {5, 2, Pixel::White}, // the hot spot: the fingertip's first white pixel
        {6, 2, Pixel::White},         {7, 2, Pixel::Black},         {8, 6, Pixel::Black},
        {10, 6, Pixel::Transparent},  {8, 7, Pixel::White},         {9, 7, Pixel::White},
        {2, 8, Pixel::Black},         {0, 9, Pixel::Transparent},   {1, 9, Pixel::Black},
        {2, 9, Pixel::White},         {16, 12, Pixel::Black},       {17, 12, Pixel::Transparent},
        {15, 16, Pixel::Black},       {16, 16, Pixel::Transparent}, {4, 18, Pixel::Black},
        {16, 18, Pixel::Transparent}, {0, 19, Pixel::Transparent},  {31, 31, Pixel::Transparent},
        {31, 0, Pixel::Transparent},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hand::PixelAt(masks, c.x, c.y), c.pixel) << "(" << c.x << ", " << c.y << ")";
}

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
