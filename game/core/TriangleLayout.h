#pragma once

#include "cardlib/core/CardStack.h"
#include "cardlib/core/Geometry.h"
#include "game/core/GameIds.h"

#include <array>

// Where the game's places lie for cards of cardWidth x cardHeight, and the
// order in which a deck is dealt onto them.

// Side stacks in the order they are made: 29, 32, 33, 30, 34, 31.
constexpr std::array<int, 6> sideStackCreationOrder = {29, 32, 33, 30, 34, 31};
// Side stacks in the order they are dealt (and kept).
constexpr std::array<int, 6> sideStackDealOrder = {29, 30, 31, 32, 34, 33};

Point SideStackPosition(int id, int cardWidth, int cardHeight);
// Triangle place in row (0 at the apex) and position j (0..row).
Point TrianglePosition(int row, int j, int cardWidth, int cardHeight);
Point RemovedPilePosition(int cardWidth, int cardHeight);
Point NextLevelButtonPosition(int cardWidth);

// A full deck without its kings, shuffled four times (from the tick count,
// or on from a held seed).
CardStack ShuffledDeck();

// The place each card of the deck goes to, dealt from its top: three rounds
// over the side stacks, a fourth card to 29 and 30, then one card on each
// triangle place 1..28.
std::array<int, dealtCards> DealOrder();

// What each place holds once `deck` has been dealt in that order. Index =
// place id (0 and 35 stay empty).
std::array<CardStack, 36> DealtLayout(const CardStack& deck);
