#include "cardlib/core/CardStack.h"
#include "cardlib/core/CardText.h"
#include "cardlib/core/Random.h"
#include "tests/support/FakePlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CardStack Deck()
{
    CardStack deck;
    deck.FillDeck();
    return deck;
}

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

TEST(CardValue, RankFaceValueAndSuitComeFromTheValue)
{
    struct Case {
        std::uint32_t value;
        int rank, faceValue, suit;
        const char* text;
    };
    const Case cases[] = {{0, 0, 1, 0, "AC"},   {1, 0, 1, 1, "AD"},    {3, 0, 1, 3, "AS"},
                          {36, 9, 10, 0, "10C"}, {46, 11, 12, 2, "QH"}, {51, 12, 13, 3, "KS"}};
    for (const Case& c : cases) {
        Card card{c.value, true};
        EXPECT_EQ(RankOf(card), c.rank) << c.value;
        EXPECT_EQ(FaceValueOf(card), c.faceValue) << c.value;
        EXPECT_EQ(SuitOf(card), c.suit) << c.value;
        EXPECT_EQ(CardText(card), c.text);
    }
}

TEST(CardStackDeck, FillDeckThenFourRemovalsLeavesTheDeckWithoutKings)
{
    CardStack deck = Deck();
    ASSERT_EQ(deck.Count(), 52);
    EXPECT_EQ(deck.At(0).value, 51u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(RankOf(deck.RemoveAt(0)), 12);
    EXPECT_EQ(deck.Count(), 48);
    EXPECT_EQ(deck.At(0).value, 47u);
    for (int i = 0; i < 48; ++i)
        EXPECT_EQ(deck.At(47 - i).value, static_cast<std::uint32_t>(i));
}

TEST(CardStackDeck, FillDeckKeepsFaceFlags)
{
    CardStack stack;
    stack.FillDeck();
    stack.At(10).faceUp = false;
    stack.FillDeck();
    EXPECT_FALSE(stack.At(10).faceUp);
    EXPECT_TRUE(stack.At(11).faceUp);
}

TEST(CardStackAppend, StopsBeforeTheStackWouldReach128)
{
    struct Case {
        int have, add, expected;
    };
    const Case cases[] = {{76, 52, 76}, {75, 52, 127}, {0, 127, 127}, {0, 128, 0}, {1, 127, 1}, {5, 0, 5}};
    for (const Case& c : cases) {
        CardStack stack = Cards(c.have);
        stack += Cards(c.add);
        EXPECT_EQ(stack.Count(), c.expected) << c.have << " + " << c.add;
    }
}

TEST(CardStackAppend, KeepsOrderAndFlags)
{
    CardStack below = ParseStack("AC 2D");
    CardStack above = ParseStack("3H 4S");
    above.At(1).faceUp = false;
    below.Append(above);
    EXPECT_EQ(StackText(below), "AC 2D 3H 4S");
    EXPECT_FALSE(below.At(1).faceUp);
}

TEST(CardStackPopTop, TakesTheTopCardsLowestFirstOrNothing)
{
    struct Case {
        int n;
        const char* taken;
        const char* left;
    };
    const Case cases[] = {{0, "", "AC 2D 3H"},         {1, "3H", "AC 2D"},  {3, "AC 2D 3H", ""},
                          {4, "", "AC 2D 3H"},         {-1, "", "AC 2D 3H"}};
    for (const Case& c : cases) {
        CardStack stack = ParseStack("AC 2D 3H");
        CardStack taken = stack.PopTop(c.n);
        EXPECT_EQ(StackText(taken), c.taken) << c.n;
        EXPECT_EQ(StackText(stack), c.left) << c.n;
    }
    CardStack empty;
    EXPECT_EQ(empty.PopTop(0).Count(), 0);
    EXPECT_EQ(empty.PopTop(1).Count(), 0);
}

TEST(CardStackRemoveAt, RemovesFromTheTopOrYieldsAFaceUpAce)
{
    struct Case {
        int at;
        const char* removed;
        const char* left;
    };
    const Case cases[] = {{0, "3H", "AC 2D"}, {1, "2D", "AC 3H"}, {2, "AC", "2D 3H"},
                          {3, "AC", "AC 2D 3H"}, {-1, "AC", "AC 2D 3H"}};
    for (const Case& c : cases) {
        CardStack stack = ParseStack("AC 2D 3H");
        stack.At(2).faceUp = false;
        Card removed = stack.RemoveAt(c.at);
        EXPECT_EQ(CardText(removed), c.removed) << c.at;
        EXPECT_EQ(StackText(stack), c.left) << c.at;
        if (c.at >= 3 || c.at < 0) {
            EXPECT_TRUE(removed.faceUp) << "the stand-in card is face up";
        }
    }
    CardStack empty;
    EXPECT_EQ(empty.RemoveAt(0), (Card{0, true}));
}

TEST(CardStackAt, BeyondTheTopMeansTheBottomEntry)
{
    CardStack stack = ParseStack("5C 6D 7H");
    EXPECT_EQ(CardText(stack.At(5)), "5C");
    EXPECT_EQ(CardText(stack.At(3)), "5C");
    stack.At(5).faceUp = false;
    EXPECT_FALSE(stack.At(2).faceUp) << "At gives a reference to the entry itself";
    CardStack empty;
    empty.At(0).value = 9;
    EXPECT_EQ(empty.At(3).value, 9u) << "entry 0 of an empty stack";
    EXPECT_EQ(empty.Count(), 0);
}

TEST(CardStackPush, RefusesTheCardPastCapacity)
{
    CardStack stack = Cards(127);
    EXPECT_TRUE(stack.Push(Card{}));
    EXPECT_FALSE(stack.Push(Card{}));
    EXPECT_EQ(stack.Count(), 128);
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

    CardStack deck = Deck();
    deck.Shuffle();
    EXPECT_EQ(Values(deck), (std::vector<int>{45, 26, 41, 6,  8,  33, 34, 32, 3,  13, 0,  5,  18,
                                              49, 23, 30, 15, 37, 19, 36, 7,  42, 16, 21, 38, 4,
                                              47, 31, 48, 35, 17, 28, 44, 9,  51, 29, 1,  39, 24,
                                              14, 27, 25, 40, 20, 12, 22, 43, 11, 46, 10, 2,  50}));
    platform.now = 0xFFFFFFFFu;
    deck = Deck();
    deck.Shuffle();
    EXPECT_EQ(Values(deck)[0], 42);
    EXPECT_EQ(Values(deck)[51], 46);
}

TEST(CardStackShuffle, SameTickSameOrderAndSmallStacksStayPut)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    platform.now = 777;
    CardStack a = Deck();
    CardStack b = Deck();
    a.Shuffle();
    b.Shuffle();
    EXPECT_EQ(Values(a), Values(b));
    platform.now = 778;
    b = Deck();
    b.Shuffle();
    EXPECT_NE(Values(a), Values(b));

    CardStack one = ParseStack("QS");
    one.Shuffle();
    EXPECT_EQ(StackText(one), "QS");
    // The generator is seeded even when nothing moves.
    platform.now = 1;
    CardStack none;
    none.Shuffle();
    EXPECT_EQ(NextRandom(), 41);
}

TEST(CardStackShuffle, KeepsEveryCardOnce)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    for (std::uint32_t tick : {0u, 1u, 65535u, 123456789u}) {
        platform.now = tick;
        CardStack deck = Deck();
        deck.Shuffle();
        std::vector<int> seen(52, 0);
        for (int v : Values(deck))
            ++seen[v];
        EXPECT_EQ(seen, std::vector<int>(52, 1)) << tick;
    }
}

TEST(RandomGenerator, FollowsTheClassicSequence)
{
    // Reference: the same recurrence in 64-bit arithmetic, reduced explicitly.
    for (std::uint32_t seed : {0u, 1u, 42u, 0x80000000u, 0xFFFFFFFFu}) {
        SeedRandom(seed);
        std::uint64_t state = seed;
        for (int i = 0; i < 1000; ++i) {
            state = (state * 214013u + 2531011u) % 0x100000000ull;
            ASSERT_EQ(NextRandom(), static_cast<int>((state >> 16) & 0x7FFF)) << seed << " #" << i;
        }
    }
    SeedRandom(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169};
    for (int value : expected)
        EXPECT_EQ(NextRandom(), value);
}

} // namespace
