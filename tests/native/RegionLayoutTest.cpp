#include "cardlib/core/RegionLayout.h"

#include <gtest/gtest.h>

namespace {

RegionLayout Region(int x, int y, int xOffset, int yOffset, int count, int cardWidth = 71, int cardHeight = 96)
{
    RegionLayout layout;
    layout.x = x;
    layout.y = y;
    layout.xOffset = xOffset;
    layout.yOffset = yOffset;
    layout.count = count;
    layout.cardWidth = cardWidth;
    layout.cardHeight = cardHeight;
    layout.Update();
    return layout;
}

TEST(RegionSize, OneCardWhenEmptyElseFannedByTheOffsets)
{
    struct Case {
        int xOffset, yOffset, count, width, height;
    };
    const Case cases[] = {{12, 0, 3, 95, 96},  {0, 0, 0, 71, 96},  {0, 0, 52, 71, 96},   {0, 17, 5, 71, 164},
                          {-12, 0, 3, 95, 96}, {0, -20, 2, 71, 116}, {3, 4, 1, 71, 96}, {12, 17, 0, 71, 96}};
    for (const Case& c : cases) {
        RegionLayout layout = Region(5, 10, c.xOffset, c.yOffset, c.count);
        EXPECT_EQ(layout.width, c.width) << c.xOffset << "," << c.yOffset << " x" << c.count;
        EXPECT_EQ(layout.height, c.height) << c.xOffset << "," << c.yOffset << " x" << c.count;
    }
}

TEST(RegionBox, ShiftsLeftOrUpForNegativeOffsets)
{
    struct Case {
        int xOffset, yOffset, count;
        Rect box;
    };
    const Case cases[] = {{12, 0, 3, {100, 50, 195, 146}},
                          {-12, 0, 3, {76, 50, 171, 146}},
                          {0, -20, 3, {100, 10, 171, 146}},
                          {-5, -5, 1, {100, 50, 171, 146}},
                          {-5, -5, 0, {100, 50, 171, 146}}};
    for (const Case& c : cases)
        EXPECT_EQ(Region(100, 50, c.xOffset, c.yOffset, c.count).BoundingBox(), c.box)
            << c.xOffset << "," << c.yOffset << " x" << c.count;
    RegionLayout fan = Region(100, 50, -12, 17, 3);
    EXPECT_EQ(fan.CardPosition(2), (Point{76, 84}));
}

TEST(RegionBox, OneShieldOnlyWhereTheCardsHideEachOthersCorners)
{
    struct Case {
        int xOffset, yOffset, count;
        bool oneShield;
    };
    const Case cases[] = {{12, 0, 3, true},  {0, 15, 2, true},   {-12, 0, 3, true},  {0, -20, 3, true},
                          {0, 0, 9, true},   {10, 12, 3, false}, {10, 12, 1, true},  {2, 0, 3, true},
                          {1, 0, 3, false},  {0, -1, 3, false},  {67, 0, 2, true},   {68, 0, 2, false},
                          {0, 92, 2, true},  {0, 93, 2, false},  {0, 200, 0, true}};
    for (const Case& c : cases)
        EXPECT_EQ(Region(0, 0, c.xOffset, c.yOffset, c.count).BoxIsCardShape(), c.oneShield)
            << c.xOffset << "," << c.yOffset << " x" << c.count;
}

TEST(RegionCountUnderPoint, VerticalNegativeAndStackedPiles)
{
    struct Case {
        int xOffset, yOffset, count, px, py, expected;
    };
    const Case cases[] = {
        // Fanned right by 12 at (0, 0): strips 0..11, 12..23, then the top card.
        {12, 0, 3, 0, 50, 3},    {12, 0, 3, 11, 50, 3},  {12, 0, 3, 12, 50, 2},  {12, 0, 3, 24, 50, 1},
        {12, 0, 3, 94, 50, 1},   {12, 12, 3, -50, -50, 3}, {12, 0, 3, -30000, 0, 3},
        {0, 20, 4, 30, 0, 4},    {0, 20, 4, 30, 19, 4},  {0, 20, 4, 30, 20, 3},  {0, 20, 4, 30, 59, 2},
        {0, 20, 4, 30, 60, 1},   {0, 20, 4, 30, 155, 1}, {0, 0, 10, 0, 0, 1},    {0, 0, 10, 70, 95, 1},
        {0, 0, 0, 10, 10, 0},    {12, 0, 0, 10, 10, 0},
        // Upward fan of 3 at y 0, offset -20: the box runs from -40; the top card
        // is the highest one, the bottom card shows its lowest 20 rows.
        {0, -20, 3, 30, -40, 1}, {0, -20, 3, 30, 55, 1}, {0, -20, 3, 30, 56, 2}, {0, -20, 3, 30, 75, 2},
        {0, -20, 3, 30, 76, 3},  {0, -20, 3, 30, 95, 3},
        // Diagonal fan: the smaller of the two indexes wins.
        {10, 20, 3, 5, 90, 3},   {10, 20, 3, 15, 25, 2},  {10, 20, 3, 25, 5, 3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Region(0, 0, c.xOffset, c.yOffset, c.count).CountUnderPoint(c.px, c.py), c.expected)
            << c.xOffset << "," << c.yOffset << " x" << c.count << " at " << c.px << "," << c.py;
}

// Scored from the region's position (x, y) and its card size; 64-bit
// arithmetic keeps the largest windows from overflowing (30000 x 30000
// pixels times 65536); no card images means no division by zero. A card 70
// wide makes half a card a whole number of columns.
TEST(RegionOverlap, WholePercentOfTheRegionsOwnArea)
{
    const struct {
        int x, xOffset, count, cardWidth, cardHeight;
        int left, top, width, height, expected;
    } cases[] = {
        {0, 0, 1, 70, 96, 0, 0, 71, 96, 100},        {0, 0, 1, 70, 96, 35, 0, 71, 96, 50},
        {0, 0, 1, 70, 96, 36, 0, 71, 96, 48},        {0, 0, 1, 70, 96, 0, 48, 71, 96, 50},
        {0, 0, 1, 70, 96, 71, 0, 71, 96, 0},         {0, 0, 1, 70, 96, -71, 0, 71, 96, 0},
        {0, 0, 1, 70, 96, 0, -96, 71, 96, 0},        {0, 0, 1, 70, 96, 70, 95, 71, 96, 0},
        {0, 0, 1, 70, 96, -10, -10, 200, 200, 100},  {0, 0, 1, 70, 96, 10, 10, 0, 50, 0},
        {0, 0, 1, 70, 96, 10, 10, 1, 1, 0},          {0, 0, 1, 70, 96, -15000, -15000, 30000, 30000, 100},
        {0, 0, 1, 30000, 30000, 0, 0, 30000, 30000, 100}, {0, 0, 1, 30000, 30000, 15000, 0, 30000, 30000, 50},
        {0, 0, 1, 30000, 30000, 0, 27000, 30000, 30000, 9}, // 6553.6 / 65536 truncated
        {100, -10, 3, 71, 96, 100, 0, 91, 96, 100},  {0, 0, 0, 0, 0, 0, 0, 71, 96, 0},
    };
    for (const auto& c : cases) {
        RegionLayout layout = Region(c.x, 0, c.xOffset, 0, c.count, c.cardWidth, c.cardHeight);
        EXPECT_EQ(layout.OverlapPercent(c.left, c.top, c.width, c.height), c.expected)
            << c.cardWidth << " wide: " << c.left << "," << c.top << " " << c.width << "x" << c.height;
    }
}

} // namespace
