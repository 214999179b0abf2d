#pragma once

#include "cardlib/core/Card.h"
#include "cardlib/core/CardStack.h"

#include <string>

// A short text form of cards for readable test failures and dumps:
// rank A 2..10 J Q K, suit C D H S; "QS 10H" lists a stack bottom first.
std::string CardText(const Card& card);
std::string StackText(const CardStack& stack);
// "region 12: 7C 8D"
std::string RegionText(int id, const CardStack& stack);
// Parses the stack form back; a card that does not parse is skipped.
CardStack ParseStack(const std::string& text);
