#include "cardlib/core/CardStack.h"
#include "cardlib/core/CardText.h"
#include "cardlib/core/Random.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A stack of n cards with values 0..n-1 (cards repeat beyond 52).
CardStack Cards(int n)
{
    CardStack stack;
    for (int i = 0; i < n; ++i)
        stack.Push(Card{static_cast<std::uint32_t>(i % 52), true});
    return stack;
}

std::vector<int> Values(const CardStack& stack)
{
    std::vector<int> values;
    for (int i = stack.Count() - 1; i >= 0; --i)
        values.push_back(static_cast<int>(stack.At(i).value));
    return values;
}

TEST(CardValue, RankFaceValueSuitAndText)
{
    const struct {
        std::uint32_t value;
        int rank, faceValue, suit;
        const char* text;
    } cases[] = {{0, 0, 1, 0, "AC"},    {3, 0, 1, 3, "AS"},    {36, 9, 10, 0, "10C"},
                 {46, 11, 12, 2, "QH"}, {51, 12, 13, 3, "KS"}};
    for (const auto& c : cases) {
        Card card{c.value, true};
        EXPECT_EQ(RankOf(card), c.rank) << c.value;
        EXPECT_EQ(FaceValueOf(card), c.faceValue) << c.value;
        EXPECT_EQ(SuitOf(card), c.suit) << c.value;
        EXPECT_EQ(CardText(card), c.text);
    }
    EXPECT_EQ(StackText(ParseStack("AC 10H  QS x 2D")), "AC 10H QS 2D") << "words that are no card are skipped";
    EXPECT_EQ(RegionText(12, ParseStack("7C")), "region 12: 7C");
}

TEST(CardStackDeck, FillDeckPutsTheKingsOnTopAndKeepsFaceFlags)
{
    CardStack deck;
    deck.FillDeck();
    deck.At(10).faceUp = false;
    deck.FillDeck();
    ASSERT_EQ(deck.Count(), 52);
    EXPECT_FALSE(deck.At(10).faceUp);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(RankOf(deck.RemoveAt(0)), 12);
    EXPECT_EQ(Values(deck), Values(Cards(48)));
}

TEST(CardStackAppend, StopsBeforeTheStackWouldReach128)
{
    const int cases[][3] = {{76, 52, 76}, {75, 52, 127}, {0, 127, 127}, {0, 128, 0}, {1, 127, 1}, {5, 0, 5}};
    for (const auto& c : cases) {
        CardStack stack = Cards(c[0]);
        stack += Cards(c[1]);
        EXPECT_EQ(stack.Count(), c[2]) << c[0] << " + " << c[1];
    }
    CardStack below = ParseStack("AC 2D");
    CardStack above = ParseStack("3H 4S");
    above.At(1).faceUp = false;
    below.Append(above);
    EXPECT_EQ(StackText(below), "AC 2D 3H 4S");
    EXPECT_FALSE(below.At(1).faceUp);
    CardStack full = Cards(127);
    EXPECT_TRUE(full.Push(Card{}));
    EXPECT_FALSE(full.Push(Card{}));
}

// PopTop(n) and RemoveAt(i) on "AC 2D 3H"; out-of-range requests take
// nothing, and RemoveAt then yields the bottom entry (a face-up ace here).
TEST(CardStackTake, TopCardsOrOneByIndex)
{
    const struct {
        bool pop;
        int n;
        const char* taken;
        const char* left;
    } cases[] = {{true, 0, "", "AC 2D 3H"},   {true, 1, "3H", "AC 2D"},     {true, 3, "AC 2D 3H", ""},
                 {true, 4, "", "AC 2D 3H"},   {true, -1, "", "AC 2D 3H"},   {false, 0, "3H", "AC 2D"},
                 {false, 2, "AC", "2D 3H"},   {false, 3, "AC", "AC 2D 3H"}, {false, -1, "AC", "AC 2D 3H"}};
    for (const auto& c : cases) {
        CardStack stack = ParseStack("AC 2D 3H");
        std::string taken = c.pop ? StackText(stack.PopTop(c.n)) : CardText(stack.RemoveAt(c.n));
        EXPECT_EQ(taken, c.taken) << c.pop << " " << c.n;
        EXPECT_EQ(StackText(stack), c.left) << c.pop << " " << c.n;
    }
    CardStack empty;
    EXPECT_EQ(empty.PopTop(1).Count(), 0);
    EXPECT_EQ(empty.RemoveAt(0), (Card{0, true}));
}

// The expected orders were worked out from the generator's formula outside
// the program (8 passes of j = n-1..1, k = r / (32767 / (j + 1) + 1)).
TEST(CardStackShuffle, SeededFromTheTickCountGivesAnExactOrder)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    platform.now = 1000;
    CardStack five = Cards(5);
    five.Shuffle();
    EXPECT_EQ(Values(five), (std::vector<int>{4, 0, 1, 3, 2}));
    CardStack deck = Cards(52);
    deck.Shuffle();
    EXPECT_EQ(Values(deck), (std::vector<int>{45, 26, 41, 6,  8,  33, 34, 32, 3,  13, 0,  5,  18,
                                              49, 23, 30, 15, 37, 19, 36, 7,  42, 16, 21, 38, 4,
                                              47, 31, 48, 35, 17, 28, 44, 9,  51, 29, 1,  39, 24,
                                              14, 27, 25, 40, 20, 12, 22, 43, 11, 46, 10, 2,  50}));
    platform.now = 1;
    CardStack none;
    none.Shuffle();
    EXPECT_EQ(NextRandom(), 41) << "the generator is seeded even when nothing moves";
}

} // namespace
