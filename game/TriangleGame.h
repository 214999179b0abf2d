#pragma once

#include "game/GameBase.h"

#include <array>

class CardRegion;
class CardStack;

// Morvane Solitaire: 28 cards in a triangle of seven rows, 20 on six side
// stacks; pairs of open cards adding up to 13 go to the removed pile.
class TriangleGame : public GameBase {
public:
    TriangleGame() = default;
    ~TriangleGame() override = default;

    bool Create(HWND parent) override;
    void Undo() override;
    int CardsRequired(int level) const override;
    int TimeAllowed(int level) const override;
    void Deal() override;
    void ClearTable() override;

    // The rules and moves behind the region callbacks (TriangleCallbacks.cpp).
    bool IsUncovered(int id) const;
    bool TriangleDropAllowed(CardRegion* target, const CardStack* dragged);
    bool SideStackDropAllowed(CardRegion* target, const CardStack* dragged);
    void OnTriangleCardsRemoved(CardRegion* source);
    void OnSideStackCardsRemoved(CardRegion* source);
    void OnTriangleCardsAdded(CardRegion* target);
    void OnSideStackCardsAdded(CardRegion* target);
    void OnNextLevelButton();
    void OnTimeUp();
    // Outlines a move for a moment, or plays the refused sound when there is none.
    void ShowHint();

    // True when the pair ended the level (the next one is dealt, or the game is over).
    bool RemovePair(CardRegion* region);
    void UpdatePlaceholder(CardRegion* stack);
    // The places as the rules see them.
    TableModel Model() const;

private:
    void CreateSideStacks();
    void CreateTriangle();
    void CreateRemovedPile();
    void SetCardsRemaining(int count);

    // Kept in the order they are dealt: 29, 30, 31, 32, 34, 33.
    std::array<CardRegion*, 6> sideStacks{};
    // Row r (0 at the apex) uses slots 0..r.
    std::array<std::array<CardRegion*, 8>, 7> triangleRegions{};
};
