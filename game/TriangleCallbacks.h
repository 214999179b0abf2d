#pragma once

#include "cardlib/core/Rules.h"

#include <cstdint>

class CardButton;
class CardWindow;

// The plain functions the table calls; each reaches the game through
// CurrentGame and does nothing when there is none.
bool TriangleDragRule(CardRegion* region, int count);
bool TriangleDropRule(CardRegion* target, const CardStack* dragged);
void TriangleCardsRemoved(CardRegion* source, int count);
void TriangleCardsAdded(CardRegion* target, CardStack* cards);
bool SideStackDropRule(CardRegion* target, const CardStack* dragged);
void SideStackCardsRemoved(CardRegion* source, int count);
void SideStackCardsAdded(CardRegion* target, CardStack* cards);
void OnNextLevelButton(CardButton* button);
void OnTimeUp(std::uint32_t seconds);
void OnHintKey(CardWindow* table);
