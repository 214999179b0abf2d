#pragma once

class CardRegion;
class CardStack;

// The numbered rules and styles of a region. The numbers are part of the
// interface: games pass them as plain integers.
enum DragRule { DragNone = 0, DragTopCard = 1, DragAny = 2, DragAsk = 3 };
enum DropRule { DropRefuse = 0, DropAccept = 1, DropAsk = 2 };
enum EmptyStyle { EmptyBackground = 0, EmptyOutline = 1, EmptyNothing = 2 };

// Callbacks are plain functions; the first argument is the region concerned.
using DragRuleCallback = bool (*)(CardRegion* region, int count);
using DropRuleCallback = bool (*)(CardRegion* target, const CardStack* dragged);
using CardsAddedCallback = void (*)(CardRegion* target, CardStack* cards);
using CardsRemovedCallback = void (*)(CardRegion* source, int count);

// A region's drag and drop rules with their callbacks, and the decisions
// they make. The region supplies the lock probe's outcome.
class RegionRules {
public:
    // Rule 0..2 keeps the callback, 3 stores it; other values: false.
    bool SetDragRule(int rule, DragRuleCallback callback);
    // Rule 0..1 keeps the callback, 2 stores it; other values: false.
    bool SetDropRule(int rule, DropRuleCallback callback);
    int DragRuleValue() const { return dragRule; }
    int DropRuleValue() const { return dropRule; }

    bool CanDrag(CardRegion* region, int count, bool lockFree) const;
    bool CanDrop(CardRegion* region, const CardStack* dragged, bool lockFree) const;

private:
    int dragRule = DragAny;
    int dropRule = DropAccept;
    DragRuleCallback dragRuleCallback = nullptr;
    DropRuleCallback dropRuleCallback = nullptr;
};

// Any value outside 0..2 falls back to Background.
int ValidEmptyStyle(int style);
