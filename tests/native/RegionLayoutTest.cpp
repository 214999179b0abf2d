#include "cardlib/core/RegionLayout.h"

#include <gtest/gtest.h>

namespace {

RegionLayout Region(int x, int y, int xOffset, int yOffset, int count, int cardWidth = 71, int cardHeight = 96)
{
    RegionLayout layout{x, y, xOffset, yOffset, count, 0, 0, cardWidth, cardHeight};
    layout.Update();
    return layout;
}

// One card when empty, else fanned by the offsets; one card-shaped shield
// only where the fanned cards hide each other's cut corners.
TEST(RegionBox, SizePlaceAndShield)
{
    const struct {
        int xOffset, yOffset, count;
        Rect box;
        bool oneShield;
    } cases[] = {{12, 0, 3, {100, 50, 195, 146}, true},  {0, 17, 5, {100, 50, 171, 214}, true},
                 {12, 0, 0, {100, 50, 171, 146}, true},  {0, 15, 1, {100, 50, 171, 146}, true},
                 {0, 0, 9, {100, 50, 171, 146}, true},   {2, 0, 3, {100, 50, 175, 146}, true},
                 {1, 0, 3, {100, 50, 173, 146}, false},  {0, 1, 3, {100, 50, 171, 148}, false},
                 {67, 0, 2, {100, 50, 238, 146}, true},  {68, 0, 2, {100, 50, 239, 146}, false},
                 {0, 92, 2, {100, 50, 171, 238}, true},  {0, 93, 2, {100, 50, 171, 239}, false}};
    for (const auto& c : cases) {
        RegionLayout layout = Region(100, 50, c.xOffset, c.yOffset, c.count);
        EXPECT_EQ(layout.BoundingBox(), c.box) << c.xOffset << "," << c.yOffset << " x" << c.count;
        EXPECT_EQ(layout.BoxIsCardShape(), c.oneShield) << c.xOffset << "," << c.yOffset << " x" << c.count;
    }
    EXPECT_EQ(Region(100, 50, 12, 0, 3).CardPosition(2), (Point{124, 50}));
}

TEST(RegionCountUnderPoint, CardsFromThePointedOneUp)
{
    struct Case {
        int xOffset, yOffset, count, px, py, expected;
    };
    const Case cases[] = {
        // Fanned right by 12 at (0, 0): strips 0..11, 12..23, then the top card.
        {12, 0, 3, 11, 50, 3},   {12, 0, 3, 12, 50, 2},  {12, 0, 3, 24, 50, 1},   {12, 0, 3, 94, 50, 1},
        {12, 0, 3, -30000, 0, 3}, {0, 20, 4, 30, 19, 4}, {0, 20, 4, 30, 20, 3},  {0, 20, 4, 30, 155, 1},
        {0, 0, 10, 70, 95, 1},   {12, 0, 0, 10, 10, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Region(0, 0, c.xOffset, c.yOffset, c.count).CountUnderPoint(c.px, c.py), c.expected)
            << c.xOffset << "," << c.yOffset << " x" << c.count << " at " << c.px << "," << c.py;
}

// Whole percent of the region's own area; 64-bit arithmetic keeps the
// largest windows from overflowing; no card images means no division by
// zero. A card 70 wide makes half a card a whole number of columns.
TEST(RegionOverlap, WholePercentOfTheRegionsOwnArea)
{
    const struct {
        int x, xOffset, count, cardWidth, cardHeight;
        int left, top, width, height, expected;
    } cases[] = {
        {0, 0, 1, 70, 96, 35, 0, 71, 96, 50},        {0, 0, 1, 70, 96, 36, 0, 71, 96, 48},
        {0, 0, 1, 70, 96, 0, 48, 71, 96, 50},        {0, 0, 1, 70, 96, 71, 0, 71, 96, 0},
        {0, 0, 1, 70, 96, -71, 0, 71, 96, 0},        {0, 0, 1, 70, 96, 70, 95, 71, 96, 0},
        {0, 0, 1, 70, 96, -10, -10, 200, 200, 100},  {0, 0, 1, 70, 96, 10, 10, 0, 50, 0},
        {0, 0, 1, 30000, 30000, 15000, 0, 30000, 30000, 50},
        {0, 0, 1, 30000, 30000, 0, 27000, 30000, 30000, 9}, // 6553.6 / 65536 truncated
        {100, 12, 3, 71, 96, 100, 0, 95, 96, 100},   {0, 0, 0, 0, 0, 0, 0, 71, 96, 0},
    };
    for (const auto& c : cases) {
        RegionLayout layout = Region(c.x, 0, c.xOffset, 0, c.count, c.cardWidth, c.cardHeight);
        EXPECT_EQ(layout.OverlapPercent(c.left, c.top, c.width, c.height), c.expected)
            << c.cardWidth << " wide: " << c.left << "," << c.top << " " << c.width << "x" << c.height;
    }
}

} // namespace
