#pragma once

#include "game/core/TriangleRules.h"

// The move the hint key shows: two places whose cards pair, or a card and
// the empty side stack it may be put on. `first` is 0 when there is no move.
struct HintMove {
    int first = 0;
    int second = 0;
};

// A card the player may pick up: an open triangle card, or the top card of
// a side stack on the table.
bool IsTakeable(const TableModel& table, int id);

// The first pair in place order (the lower place first), else the first
// takeable card with the first empty side stack left on the table (Easy's
// placeholder), else no move. Reads the table as it lies: call it while no
// card is in the player's hand.
HintMove ChooseHint(const TableModel& table);
// Where the card in the player's hand, taken from place `held` and of face
// value `face`, may go: the first other visible place in place order whose
// rule takes it, a partner before Easy's placeholder; no move when none does.
HintMove ChooseHintFor(const TableModel& table, int held, int face);
