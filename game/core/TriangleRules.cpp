#include "game/core/TriangleRules.h"

#include "game/core/GameIds.h"

#include <algorithm>

int CardsRequired(int level)
{
    return std::min(2 * level + 14, dealtCards);
}

int TimeAllowed(int level)
{
    return std::max((18 - level) * 10, 90);
}

int RowOf(int id)
{
    for (int k = 1; k < 7; ++k)
        if (id <= k * (k + 1) / 2)
            return k;
    return 7;
}

bool IsUncovered(const TableModel& table, int id)
{
    const int row = RowOf(id);
    if (row == 7)
        return true;
    for (int over : {id + row, id + row + 1})
        if (table[over].cardsWithDrag != 0 || table[over].dragging)
            return false;
    return true;
}

bool TriangleAccepts(const TableModel& table, int target, int draggedFace)
{
    const Place& place = table[target];
    return IsUncovered(table, target) && place.cards > 0 && place.topFace + draggedFace == 13;
}

bool SideStackAccepts(const TableModel& table, int target, int draggedFace)
{
    const Place& place = table[target];
    if (place.cards == 0)
        return true;
    // A stack's top card cannot pair with the card beneath it.
    return place.topFace + draggedFace == 13 && !place.dragging;
}

bool StaysAsPlaceholder(const TableModel& table, int stack, int difficulty)
{
    for (int other = firstSideStack; other <= lastSideStack; ++other)
        if (other != stack && table[other].cards == 0 && table[other].visible)
            return false;
    return difficulty == difficultyEasy;
}

PairOutcome OutcomeOfPair(int removed, int required)
{
    PairOutcome outcome;
    if (removed >= dealtCards) {
        outcome.levelDone = true;
        return outcome;
    }
    if (removed > required)
        return outcome;
    outcome.targetReached = removed == required;
    outcome.showRemaining = true;
    outcome.remaining = required - removed;
    return outcome;
}

int RemainingAfterUndo(int removed, int required)
{
    return std::max(required - removed, 0);
}
