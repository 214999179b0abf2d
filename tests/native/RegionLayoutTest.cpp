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

TEST(RegionCountUnderPoint, HorizontalFanOfThree)
{
    // Offsets (12, 0), 3 cards at (5, 10): the uncovered strips are 12 wide.
    RegionLayout layout = Region(5, 10, 12, 0, 3);
    for (int x = 5; x <= 99; ++x) {
        int expected = x <= 16 ? 3 : x <= 28 ? 2 : 1;
        EXPECT_EQ(layout.CountUnderPoint(x, 50), expected) << "x = " << x;
    }
}

TEST(RegionCountUnderPoint, VerticalNegativeAndStackedPiles)
{
    struct Case {
        int xOffset, yOffset, count, px, py, expected;
    };
    const Case cases[] = {
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

TEST(RegionCountUnderPoint, PointBeforeTheBoxTakesNoMoreThanThePile)
{
    RegionLayout layout = Region(100, 100, 12, 12, 3);
    EXPECT_EQ(layout.CountUnderPoint(50, 50), 3);
    EXPECT_EQ(layout.CountUnderPoint(-30000, 100), 3);
}

TEST(RegionOverlap, WholePercentOfTheRegionsOwnArea)
{
    struct Case {
        int left, top, width, height, expected;
    };
    const Case cases[] = {
        {0, 0, 71, 96, 100},    {35, 0, 71, 96, 50},    {36, 0, 71, 96, 48},  {0, 48, 71, 96, 50},
        {71, 0, 71, 96, 0},     {-71, 0, 71, 96, 0},    {0, 96, 71, 96, 0},   {0, -96, 71, 96, 0},
        {70, 95, 71, 96, 0},    {-10, -10, 200, 200, 100}, {10, 10, 0, 50, 0}, {10, 10, 1, 1, 0},
        {-15000, -15000, 30000, 30000, 100},
    };
    // 70 wide so that half a card is a whole number of columns.
    RegionLayout layout = Region(0, 0, 0, 0, 1, 70, 96);
    for (const Case& c : cases)
        EXPECT_EQ(layout.OverlapPercent(c.left, c.top, c.width, c.height), c.expected)
            << c.left << "," << c.top << " " << c.width << "x" << c.height;
}

TEST(RegionOverlap, LargeRegionsDoNotOverflow)
{
    // 30000 x 30000 covered pixels times 65536 is far beyond 32 bits.
    RegionLayout big = Region(0, 0, 0, 0, 1, 30000, 30000);
    EXPECT_EQ(big.OverlapPercent(0, 0, 30000, 30000), 100);
    EXPECT_EQ(big.OverlapPercent(15000, 0, 30000, 30000), 50);
    // A tenth is 6553.6 / 65536: the fixed-point step truncates it to 9.
    EXPECT_EQ(big.OverlapPercent(0, 27000, 30000, 30000), 9);
}

TEST(RegionOverlap, AnchoredAtThePositionAndSafeWithoutCardSize)
{
    // A fan to the left: scored from (x, y), not from the shifted box.
    RegionLayout left = Region(100, 0, -10, 0, 3);
    EXPECT_EQ(left.OverlapPercent(100, 0, 91, 96), 100);
    RegionLayout unsized = Region(0, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(unsized.OverlapPercent(0, 0, 71, 96), 0) << "no card images: no division by zero";
}

} // namespace
