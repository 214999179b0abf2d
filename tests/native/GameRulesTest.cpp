#include "cardlib/core/CardText.h"
#include "cardlib/core/Random.h"
#include "game/core/GameIds.h"
#include "game/core/Hint.h"
#include "game/core/TriangleLayout.h"
#include "game/core/TriangleRules.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every place holding one card of face 1, as after a deal.
TableModel FullTable()
{
    TableModel table;
    for (Place& place : table)
        place = Place{1, 1, 1, false, true};
    return table;
}

void Empty(TableModel& table, int id, bool visible = true) { table[id] = Place{0, 0, 0, false, visible}; }

TEST(GameLevels, CardsAndSecondsOfALevel)
{
    const struct { int level, cards, seconds; } cases[] = {
        {1, 16, 170}, {2, 18, 160}, {9, 32, 90}, {10, 34, 90}, {17, 48, 90}, {18, 48, 90}, {50, 48, 90}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(CardsRequired(c.level), TimeAllowed(c.level)), std::pair(c.cards, c.seconds)) << c.level;
}

// A triangle card with the two that lie over it (none in row 7), and its row.
TEST(GameCoverage, EachCardIsOpenOnceBothCardsOverItHaveLeft)
{
    const struct { int id, row, left, right; } over[] = {{1, 1, 2, 3},     {3, 2, 5, 6},     {6, 3, 9, 10},
                                                        {7, 4, 11, 12},   {13, 5, 18, 19},  {15, 5, 20, 21},
                                                        {16, 6, 22, 23},  {21, 6, 27, 28}};
    for (const auto& c : over) {
        EXPECT_EQ(RowOf(c.id), c.row) << c.id;
        TableModel table = FullTable();
        Empty(table, c.left);
        EXPECT_FALSE(IsUncovered(table, c.id)) << c.id << " with one card over it";
        table[c.right] = Place{0, 1, 0, true, true}; // the other one in the player's hand
        EXPECT_FALSE(IsUncovered(table, c.id)) << c.id << " under the held card";
        Empty(table, c.right);
        EXPECT_TRUE(IsUncovered(table, c.id)) << c.id;
    }
    for (int id = 22; id <= 28; ++id)
        EXPECT_EQ(std::pair(RowOf(id), IsUncovered(FullTable(), id)), std::pair(7, true)) << id;
}

TEST(GamePairs, DropsThatPairAndDropsThatAreRefused)
{
    TableModel table = FullTable();
    table[24] = Place{1, 1, 12, false, true}; // a queen in row 7
    table[10] = Place{1, 1, 6, false, true};  // a 6 still under 14 and 15
    table[27] = Place{0, 1, 0, true, true};   // the source, its card in hand
    table[29] = Place{3, 3, 2, false, true};  // a 2 on top of a side stack
    table[30] = Place{1, 2, 11, true, true};  // a jack under the held card
    Empty(table, 31);                         // Easy's placeholder
    const struct { int target, dragged; bool accepted; const char* why; } cases[] = {
        {24, 1, true, "ace on queen"},  {24, 2, false, "2 on queen"},     {10, 7, false, "covered 6"},
        {27, 1, false, "own place, now empty"},    {29, 11, true, "jack on a 2"}, {29, 3, false, "3 on a 2"},
        {30, 2, false, "2 on the jack beneath it, same stack"},           {31, 5, true, "anything on empty"},
    };
    for (const auto& c : cases) {
        const bool accepted = c.target < firstSideStack ? TriangleAccepts(table, c.target, c.dragged)
                                                        : SideStackAccepts(table, c.target, c.dragged);
        EXPECT_EQ(accepted, c.accepted) << c.why;
    }
    Empty(table, 14);
    Empty(table, 15);
    EXPECT_TRUE(TriangleAccepts(table, 10, 7)) << "6 uncovered";
}

// An emptied stack: Easy keeps one placeholder, Normal none.
TEST(GamePlaceholder, WhichEmptiedStackStays)
{
    const struct { int difficulty, emptied; std::set<int> emptyVisible, emptyHidden; bool stays; } cases[] = {
        // 30 hidden before: 29 still stays; of a pair of last cards the first one examined stays.
        {difficultyEasy, 29, {29}, {}, true},      {difficultyEasy, 30, {29, 30}, {}, false},
        {difficultyEasy, 29, {29}, {30}, true},    {difficultyEasy, 32, {31, 32}, {}, false},
        {difficultyNormal, 29, {29}, {}, false},   {difficultyNormal, 30, {30}, {29}, false}};
    for (const auto& c : cases) {
        TableModel table = FullTable();
        for (int id : c.emptyVisible)
            Empty(table, id);
        for (int id : c.emptyHidden)
            Empty(table, id, false);
        EXPECT_EQ(StaysAsPlaceholder(table, c.emptied, c.difficulty), c.stays) << c.difficulty << " " << c.emptied;
    }
}

// Worked positions for cards of 71 x 96: side stacks by id, then triangle cards by row and column.
TEST(GameLayout, PlacesOfTheTable)
{
    const struct { int id, x, y; } stacks[] = {
        {29, 5, 10}, {32, 129, 10}, {33, 241, 10}, {30, 5, 130}, {34, 129, 130}, {31, 5, 250}};
    for (const auto& c : stacks) {
        const Point at = SideStackPosition(c.id, 71, 96);
        EXPECT_EQ(std::pair(at.x, at.y), std::pair(c.x, c.y)) << c.id;
    }
    const struct { int row, j, x, y; } triangle[] = {
        {0, 0, 360, 178}, {1, 0, 324, 210}, {1, 1, 395, 210}, {6, 0, 147, 370}, {6, 6, 573, 370}};
    for (const auto& c : triangle) {
        const Point at = TrianglePosition(c.row, c.j, 71, 96);
        EXPECT_EQ(std::pair(at.x, at.y), std::pair(c.x, c.y)) << c.row << "," << c.j;
    }
    EXPECT_EQ(std::pair(RemovedPilePosition(71, 96).y, NextLevelButtonPosition(71).x), std::pair(498, 586));
}

// An ordered deck without its kings goes round the stacks, then down the
// triangle; a held seed deals the same levels every run (worked out with
// the generator's formula outside the program).
TEST(GameDeal, OrderedAndSeededDeals)
{
    CardStack deck;
    deck.FillDeck();
    for (int king = 0; king < 4; ++king)
        deck.RemoveAt(0);
    const std::array<CardStack, 36> ordered = DealtLayout(deck);
    HoldSeed(7);
    const std::array<CardStack, 36> first = DealtLayout(ShuffledDeck());
    const std::array<CardStack, 36> second = DealtLayout(ShuffledDeck());
    ReleaseSeed();
    const struct { const std::array<CardStack, 36>& deal; int id; const char* cards; } cases[] = {
        {ordered, 29, "QS JD 9S 8D"}, {ordered, 30, "QH JC 9H 8C"}, {ordered, 33, "JH 10C 8H"},
        {ordered, 1, "7S"},           {ordered, 28, "AC"},          {ordered, 35, ""},
        {first, 29, "10D 10H 8D 5H"}, {first, 33, "6S JC QC"},      {first, 1, "AD"},
        {second, 29, "8H 10C AS 7H"}, {second, 28, "QH"}};
    for (const auto& c : cases)
        EXPECT_EQ(StackText(c.deal[c.id]), c.cards) << c.id;
}

// A pair of open cards first, in place order; else a card for Easy's
// placeholder; else nothing. Covered and vanished cards never count.
TEST(GameHint, APairFirstThenAPlacementElseNoMove)
{
    TableModel table = FullTable(); // aces only
    Empty(table, 22, false);
    Empty(table, 23, false); // 16 lies open
    table[20].topFace = 12;  // a queen under 26 and 27
    table[24] = Place{1, 1, 12, false, false};
    Empty(table, 30, false); // an emptied stack off the table
    const struct { int changed, face, first, second; } steps[] = {
        {0, 0, 0, 0}, {31, 0, 16, 31}, {34, 12, 16, 34}, {16, 3, 25, 34}, {25, 10, 16, 25}};
    for (const auto& s : steps) {
        if (s.changed == 31)
            Empty(table, 31); // Easy's placeholder
        else if (s.changed)
            table[s.changed].topFace = s.face;
        const HintMove move = ChooseHint(table);
        EXPECT_TRUE(move.first == s.first && move.second == s.second) << s.changed << ": " << move.first << " "
                                                                      << move.second;
    }
}

// The card in hand goes to its partner first, even past an empty stack,
// else to an empty stack on the table; never onto a covered card.
TEST(GameHint, ForACardInHandItsPartnerFirstThenAnEmptyStack)
{
    TableModel table = FullTable();
    for (Place& place : table)
        place.topFace = 2;
    table[16].topFace = table[33].topFace = 1; // 16 lies under 22, whose card is in hand
    table[22] = Place{0, 1, 0, true, true};
    Empty(table, 31);
    for (const auto& [face, to] : {std::pair{12, 33}, {11, 23}, {5, 31}})
        EXPECT_EQ(ChooseHintFor(table, 22, face).second, to) << face;
    Empty(table, 31, false);
    EXPECT_EQ(ChooseHintFor(table, 22, 5).first, 0);
}

} // namespace
