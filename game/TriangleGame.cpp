#include "game/TriangleGame.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "game/TriangleCallbacks.h"
#include "game/core/TriangleLayout.h"
#include "res/ResourceIds.h"
#include "ui/GameTableWindow.h"

namespace {
constexpr Colour firstTableColour = 0x00644000;
constexpr int fastDealStep = 80;
constexpr int playStep = 20;
constexpr int removedPileOffset = 8;
} // namespace

bool TriangleGame::Create(HWND parent)
{
    table.reset();
    removedPile = nullptr;
    table = std::make_unique<GameTableWindow>();
    if (!table->CreateTable(parent, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, &::OnTimeUp))
        return false;
    CreateSideStacks();
    CreateTriangle();
    CreateRemovedPile();
    table->Keyboard().SetHintCallback(&OnHintKey);
    table->SetBackgroundColour(firstTableColour);
    table->Redraw();
    refusedSound = LoadWave(IDW_REFUSED);
    pairSound = LoadWave(IDW_PAIR);
    const Point button = NextLevelButtonPosition(cardWidth);
    if (CardButton* next = table->CreateButton(nextLevelButtonId, "next level", PushButton, false, button.x,
                                               button.y, 70, 30))
        next->SetClickCallback(&::OnNextLevelButton);
    return true;
}

void TriangleGame::CreateSideStacks()
{
    for (int id : sideStackCreationOrder) {
        const Point at = SideStackPosition(id, cardWidth, cardHeight);
        CardRegion* stack = table->CreateRegion(id, true, at.x, at.y, 12, 0);
        stack->SetDragRule(DragTopCard, nullptr);
        stack->SetDropRule(DropAsk, &SideStackDropRule);
        stack->SetCardsAddedCallback(&SideStackCardsAdded);
        stack->SetCardsRemovedCallback(&SideStackCardsRemoved);
    }
    for (std::size_t i = 0; i < sideStacks.size(); ++i)
        sideStacks[i] = table->FindRegion(sideStackDealOrder[i]);
}

void TriangleGame::CreateTriangle()
{
    int id = 1;
    for (int row = 0; row < 7; ++row) {
        for (int j = 0; j <= row; ++j, ++id) {
            const Point at = TrianglePosition(row, j, cardWidth, cardHeight);
            CardRegion* region = table->CreateRegion(id, true, at.x, at.y, 0, 15);
            region->SetDragRule(DragAsk, &TriangleDragRule);
            region->SetDropRule(DropAsk, &TriangleDropRule);
            region->SetCardsAddedCallback(&TriangleCardsAdded);
            region->SetCardsRemovedCallback(&TriangleCardsRemoved);
            triangleRegions[row][j] = region;
        }
    }
}

void TriangleGame::CreateRemovedPile()
{
    const Point at = RemovedPilePosition(cardWidth, cardHeight);
    removedPile = table->CreateRegion(removedPileId, true, at.x, at.y, 0, 0);
    removedPile->SetDragRule(DragNone, nullptr);
    removedPile->SetEmptyStyle(EmptyBackground);
    removedPile->SetDropRule(DropRefuse, nullptr);
}

int TriangleGame::CardsRequired(int level) const
{
    return ::CardsRequired(level);
}

int TriangleGame::TimeAllowed(int level) const
{
    return ::TimeAllowed(level);
}

void TriangleGame::Deal()
{
    if (!table || !removedPile)
        return;
    ClearTable();
    removedPile->SetOffsets(0, 0);
    removedPile->SetCards(ShuffledDeck());
    SetAnimationStep(fastDealStep);
    for (int id : DealOrder()) {
        CardRegion* place = table->FindRegion(id);
        removedPile->MoveCards(place, 1, true);
        if (id <= triangleCount)
            place->SetEmptyStyle(EmptyNothing);
    }
    SetAnimationStep(playStep);
    removedPile->SetOffsets(removedPileOffset, 0);
}

// Places emptied during play are hidden or paint nothing: all show their
// outlines again, as on a new table. Every level starts without the button,
// however the last one ended.
void TriangleGame::ClearTable()
{
    ShowNextLevelButton(false);
    for (CardRegion* stack : sideStacks)
        stack->SetVisible(true);
    for (int id = 1; id <= triangleCount; ++id) {
        CardRegion* region = table->FindRegion(id);
        region->SetVisible(true);
        region->SetEmptyStyle(EmptyOutline);
    }
    table->EmptyAllRegions();
}

void TriangleGame::SetCardsRemaining(int count)
{
    table->SetCardsRemaining(count);
}

void TriangleGame::Undo()
{
    // Not while a card is in hand: the record's places may be the held card's own.
    if (!CanUndo() || HoldsCard())
        return;
    CardRegion* target = table->FindRegion(undo.targetId);
    CardRegion* source = table->FindRegion(undo.sourceId);
    if (!target || !source)
        return;
    PlaySound(refusedSound, soundSoftly);
    target->SetVisible(true);
    source->SetVisible(true);
    if (undo.wasPlacement) {
        target->MoveCards(source, 1, true);
        UpdatePlaceholder(target);
        UpdatePlaceholder(source);
    } else {
        removedPile->MoveCards(source, 1, true);
        removedPile->MoveCards(target, 1, true);
    }
    ClearUndo();
    SetCardsRemaining(RemainingAfterUndo(removedPile->CardCountWithDrag(), CardsRequired(table->Level())));
}
