#include "cardlib/core/FocusNavigation.h"

#include <gtest/gtest.h>

namespace {

using Direction = FocusDirection;

Rect Card(int x, int y) { return RectAt(x, y, 71, 96); }

// The opening table: the top cards of side stacks 29, 32, 33, 30, 34, 31
// and the bottom row of the triangle.
const std::vector<Rect> opening = {Card(41, 10),   Card(153, 10),  Card(265, 10),  Card(41, 130),  Card(153, 130),
                                   Card(29, 250),  Card(147, 370), Card(218, 370), Card(289, 370), Card(360, 370),
                                   Card(431, 370), Card(502, 370), Card(573, 370)};
// Later in a level: stack 33's top card, the "next level" button, the
// middle four cards of row 6 open, the two ends of row 7 left.
const std::vector<Rect> later = {Card(265, 10),  RectAt(586, 100, 70, 30), Card(253, 338), Card(324, 338),
                                 Card(395, 338), Card(466, 338),           Card(147, 370), Card(573, 370)};
// A card with two pairs of cards equally far from it.
const std::vector<Rect> ties = {Card(100, 100), Card(20, 200), Card(180, 200), Card(180, 0)};

TEST(FocusNavigation, ArrowsGoToTheNearestItemThatWayStraightAheadFirst)
{
    const struct { const std::vector<Rect>* table; int from; Direction direction; int to; } moves[] = {
        {&opening, 0, Direction::Right, 1}, {&opening, 0, Direction::Down, 3},  {&opening, 0, Direction::Left, 5},
        {&opening, 0, Direction::Up, -1},   {&opening, 6, Direction::Right, 7}, {&opening, 6, Direction::Left, 5},
        {&opening, 6, Direction::Up, 4},    {&opening, 6, Direction::Down, -1}, {&opening, 9, Direction::Up, 2},
        {&opening, 4, Direction::Down, 6},  {&later, 6, Direction::Right, 2},   {&later, 5, Direction::Right, 7},
        {&later, 7, Direction::Up, 5},      {&later, 3, Direction::Up, 0},      {&later, 1, Direction::Down, 7},
        {&later, 0, Direction::Right, 1},   {&later, 2, Direction::Left, 6},    {&ties, 0, Direction::Down, 1},
        {&ties, 0, Direction::Right, 3},    {&ties, 3, Direction::Down, 2},     {&later, 9, Direction::Up, -1}};
    for (const auto& m : moves)
        EXPECT_EQ(NearestInDirection(*m.table, m.from, m.direction), m.to)
            << "from " << m.from << " of " << m.table->size() << ", direction " << static_cast<int>(m.direction);
}

TEST(FocusNavigation, TabReadsTopToBottomThenLeftToRightAndWrapsRound)
{
    const struct { const std::vector<Rect>* table; int from; bool forward; int to; } steps[] = {
        {&opening, -1, true, 0}, {&opening, -1, false, 12}, {&opening, 2, true, 3}, {&opening, 5, true, 6},
        {&opening, 12, true, 0}, {&opening, 0, false, 12},  {&later, 1, true, 2},    {&later, 5, true, 6},
        {&ties, -1, true, 3},    {&ties, 3, true, 0},       {&ties, 0, true, 1},     {&ties, 2, true, 3}};
    for (const auto& s : steps)
        EXPECT_EQ(NextInReadingOrder(*s.table, s.from, s.forward), s.to) << s.from << (s.forward ? " on" : " back");
    EXPECT_EQ(NextInReadingOrder({}, -1, true), -1);
}

TEST(FocusNavigation, TheFrameComesBackToTheItemNearestWhereItWas)
{
    EXPECT_EQ(NearestToPoint(later, {430, 300}), 4);
    EXPECT_EQ(NearestToPoint(later, {600, 200}), 1);
    EXPECT_EQ(NearestToPoint(ties, {135, 248}), 1) << "a tie goes left";
    EXPECT_EQ(NearestToPoint({}, {0, 0}), -1);
}

} // namespace
