#pragma once

#include <array>

// The rules of the game over a plain model of the 35 places, so that they
// can be checked without a window. The game builds the model from its
// regions whenever it has to decide.

// Cards to remove in level L: 16 in level 1, two more each level, at most 48.
int CardsRequired(int level);
// Seconds allowed for level L: 170 in level 1, ten fewer each level, at least 90.
int TimeAllowed(int level);

// The 1-based row of triangle place id (1 | 2-3 | 4-6 | ... | 22-28).
int RowOf(int id);

// What a rule needs to know of one place.
struct Place {
    int cards = 0;          // lying in the place
    int cardsWithDrag = 0;  // the card in the player's hand counted too
    int topFace = 0;        // face value of the top lying card, 0 when none
    bool dragging = false;  // its card is in the player's hand
    bool visible = true;
};

// Index = place id; entry 0 is unused.
using TableModel = std::array<Place, 36>;

// Row 7 lies open; any other triangle card is open once both cards over it
// have left, the one in the player's hand still counting as over it.
bool IsUncovered(const TableModel& table, int id);
// A card dropped on a triangle place pairs with it when that place is open
// and holds a card, and the two add up to 13.
bool TriangleAccepts(const TableModel& table, int target, int draggedFace);
// A side stack takes any card while empty, else a 13-partner from another place.
bool SideStackAccepts(const TableModel& table, int target, int draggedFace);
// Whether an emptied side stack stays on the table: as Easy's one
// placeholder only, when no other visible side stack is empty.
bool StaysAsPlaceholder(const TableModel& table, int stack, int difficulty);

// The last accepted move, for the one step of Undo.
struct UndoRecord {
    int targetId = 0;
    int sourceId = 0;
    bool wasPlacement = false;

    bool IsEmpty() const { return targetId == 0; }
    void Clear() { *this = UndoRecord{}; }
};

// What a removed pair means with `removed` cards on the pile and `required` to remove.
struct PairOutcome {
    bool levelDone = false;     // every card is gone
    bool targetReached = false; // exactly now
    bool showRemaining = false; // the panel changes
    int remaining = 0;
};
PairOutcome OutcomeOfPair(int removed, int required);
// The panel's number after an Undo: never below 0.
int RemainingAfterUndo(int removed, int required);
