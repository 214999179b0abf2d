#include "cardlib/core/CardText.h"

#include <sstream>

namespace {

const char* const rankNames[13] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
const char suitNames[4] = {'C', 'D', 'H', 'S'};

bool ParseCard(const std::string& word, Card& card)
{
    if (word.size() < 2)
        return false;
    std::string rank = word.substr(0, word.size() - 1);
    char suit = word.back();
    for (int r = 0; r < 13; ++r) {
        for (int s = 0; s < 4; ++s) {
            if (rank == rankNames[r] && suit == suitNames[s]) {
                card.value = static_cast<std::uint32_t>(r * 4 + s);
                return true;
            }
        }
    }
    return false;
}

} // namespace

std::string CardText(const Card& card)
{
    if (card.value > 51)
        return "?" + std::to_string(card.value);
    return std::string(rankNames[RankOf(card)]) + suitNames[SuitOf(card)];
}

std::string StackText(const CardStack& stack)
{
    std::string text;
    for (int i = stack.Count() - 1; i >= 0; --i) {
        if (!text.empty())
            text += ' ';
        text += CardText(stack.At(i));
    }
    return text;
}

std::string RegionText(int id, const CardStack& stack)
{
    std::string cards = StackText(stack);
    return "region " + std::to_string(id) + ":" + (cards.empty() ? "" : " " + cards);
}

CardStack ParseStack(const std::string& text)
{
    CardStack stack;
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        Card card;
        if (ParseCard(word, card))
            stack.Push(card);
    }
    return stack;
}
