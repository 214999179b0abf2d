#pragma once

#include <cstdint>

// One playing card. The value is also the card's cell in the image strip:
// rank = value / 4 (0 = ace, 12 = king), suit = value % 4 in the deck's
// order clubs, diamonds, hearts, spades.
struct Card {
    std::uint32_t value = 0;
    bool faceUp = true;
};

inline int RankOf(const Card& card)
{
    return static_cast<int>(card.value / 4);
}

// Ace 1 .. king 13: the number the pairing rules add up.
inline int FaceValueOf(const Card& card)
{
    return static_cast<int>(card.value / 4) + 1;
}

inline int SuitOf(const Card& card)
{
    return static_cast<int>(card.value % 4);
}

inline bool operator==(const Card& a, const Card& b)
{
    return a.value == b.value && a.faceUp == b.faceUp;
}

inline bool operator!=(const Card& a, const Card& b)
{
    return !(a == b);
}
