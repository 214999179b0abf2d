#pragma once

#include "cardlib/core/Card.h"

#include <array>

// A fixed-capacity pile of cards, bottom first. A plain value: copied whole,
// never shared. Positions "from the top" count 0 for the top card.
class CardStack {
public:
    static constexpr int capacity = 128;

    int Count() const { return count; }
    void Clear() { count = 0; }
    // 52 cards with values 0..51, the top card 51; face flags are kept.
    void FillDeck();
    // Reseeds the generator from the tick count, then 8 exchange passes.
    void Shuffle();
    // Adds the other stack's cards on top; does nothing when the other is
    // empty or the result would reach 128 cards (127 is the most).
    void Append(const CardStack& other);
    CardStack& operator+=(const CardStack& other);
    // Adds one card on top; false (and nothing changed) when full.
    bool Push(const Card& card);
    // The top n cards, lowest first; empty and unchanged when n > Count().
    CardStack PopTop(int n);
    // Removes the card at a position from the top; (0, face up) when there
    // is none.
    Card RemoveAt(int fromTop);
    // The entry at a position from the top; the bottom entry when the
    // position lies beyond the stack (entry 0 when empty).
    Card& At(int fromTop);
    const Card& At(int fromTop) const;

private:
    int IndexFromTop(int fromTop) const;

    std::array<Card, capacity> cards{};
    int count = 0;
};
