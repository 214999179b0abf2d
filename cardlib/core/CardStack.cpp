#include "cardlib/core/CardStack.h"

#include "cardlib/core/PlatformServices.h"
#include "cardlib/core/Random.h"

#include <utility>

void CardStack::FillDeck()
{
    count = 52;
    for (int i = 0; i < 52; ++i)
        cards[i].value = static_cast<std::uint32_t>(i);
}

void CardStack::Shuffle()
{
    if (!IsSeedHeld())
        SeedRandom(Platform().TickCount());
    for (int pass = 0; pass < 8; ++pass) {
        for (int j = count - 1; j >= 1; --j) {
            int k = NextRandom() / (32767 / (j + 1) + 1);
            std::swap(cards[j], cards[k]);
        }
    }
}

void CardStack::Append(const CardStack& other)
{
    if (other.count == 0 || count + other.count >= capacity)
        return;
    for (int i = 0; i < other.count; ++i)
        cards[count + i] = other.cards[i];
    count += other.count;
}

CardStack& CardStack::operator+=(const CardStack& other)
{
    Append(other);
    return *this;
}

bool CardStack::Push(const Card& card)
{
    if (count >= capacity)
        return false;
    cards[count++] = card;
    return true;
}

CardStack CardStack::PopTop(int n)
{
    CardStack taken;
    if (n < 1 || n > count)
        return taken;
    for (int i = 0; i < n; ++i)
        taken.cards[i] = cards[count - n + i];
    taken.count = n;
    count -= n;
    return taken;
}

Card CardStack::RemoveAt(int fromTop)
{
    if (count == 0 || fromTop < 0 || fromTop >= count)
        return Card{};
    int index = count - 1 - fromTop;
    Card removed = cards[index];
    for (int i = index; i < count - 1; ++i)
        cards[i] = cards[i + 1];
    --count;
    return removed;
}

int CardStack::IndexFromTop(int fromTop) const
{
    if (fromTop < 0 || fromTop >= count)
        return 0;
    return count - 1 - fromTop;
}

Card& CardStack::At(int fromTop)
{
    return cards[IndexFromTop(fromTop)];
}

const Card& CardStack::At(int fromTop) const
{
    return cards[IndexFromTop(fromTop)];
}
