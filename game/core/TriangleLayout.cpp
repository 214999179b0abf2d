#include "game/core/TriangleLayout.h"

#include "game/core/GameIds.h"

Point SideStackPosition(int id, int cardWidth, int cardHeight)
{
    const int middle = (7 * cardWidth) / 4 + 5;
    const int y2 = cardHeight / 4 + cardHeight + 10;
    const int y3 = y2 + cardHeight / 4 + cardHeight;
    switch (id) {
    case 29: return {5, 10};
    case 32: return {middle, 10};
    case 33: return {(7 * cardWidth) / 2 - 7, 10};
    case 30: return {5, y2};
    case 34: return {middle, y2};
    default: return {5, y3};
    }
}

namespace {
int RowY(int row, int cardHeight)
{
    return cardHeight / 2 + cardHeight + cardHeight / 4 + 10 + row * (cardHeight / 3);
}
} // namespace

Point TrianglePosition(int row, int j, int cardWidth, int cardHeight)
{
    // In floating point and truncated: odd rows of an odd card width lose the half pixel.
    const double x = cardWidth * j + cardWidth * (3.0 - 0.5 * row) + (2 * cardWidth + 5.0);
    return {static_cast<int>(x), RowY(row, cardHeight)};
}

Point RemovedPilePosition(int, int cardHeight)
{
    return {5, RowY(7, cardHeight) + cardHeight};
}

Point NextLevelButtonPosition(int cardWidth)
{
    return {710 - (7 * cardWidth) / 4, 100};
}

CardStack ShuffledDeck()
{
    CardStack deck;
    deck.FillDeck();
    for (int king = 0; king < 4; ++king)
        deck.RemoveAt(0);
    for (int pass = 0; pass < 4; ++pass)
        deck.Shuffle();
    return deck;
}

std::array<int, dealtCards> DealOrder()
{
    std::array<int, dealtCards> order{};
    std::size_t next = 0;
    for (int round = 0; round < 3; ++round)
        for (int id : sideStackDealOrder)
            order[next++] = id;
    order[next++] = 29;
    order[next++] = 30;
    for (int id = 1; id <= triangleCount; ++id)
        order[next++] = id;
    return order;
}

std::array<CardStack, 36> DealtLayout(const CardStack& deck)
{
    std::array<CardStack, 36> places;
    CardStack pile = deck;
    for (int id : DealOrder())
        places[id] += pile.PopTop(1);
    return places;
}
