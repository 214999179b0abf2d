// The rules and moves of the game, and the plain-function callbacks that
// lead to them.
#include "game/TriangleCallbacks.h"

#include "cardlib/CardRegion.h"
#include "game/TriangleGame.h"
#include "game/core/Hint.h"
#include "ui/GameTableWindow.h"

namespace {
TriangleGame* Game()
{
    return static_cast<TriangleGame*>(CurrentGame);
}

int TopFace(const CardStack* cards)
{
    return cards && cards->Count() > 0 ? FaceValueOf(cards->At(0)) : 0;
}
} // namespace

bool TriangleDragRule(CardRegion* region, int)
{
    return Game() && Game()->IsUncovered(region->Id());
}

bool TriangleDropRule(CardRegion* target, const CardStack* dragged)
{
    return Game() && Game()->TriangleDropAllowed(target, dragged);
}

void TriangleCardsRemoved(CardRegion* source, int)
{
    if (Game())
        Game()->OnTriangleCardsRemoved(source);
}

void TriangleCardsAdded(CardRegion* target, CardStack*)
{
    if (Game())
        Game()->OnTriangleCardsAdded(target);
}

bool SideStackDropRule(CardRegion* target, const CardStack* dragged)
{
    return Game() && Game()->SideStackDropAllowed(target, dragged);
}

void SideStackCardsRemoved(CardRegion* source, int)
{
    if (Game())
        Game()->OnSideStackCardsRemoved(source);
}

void SideStackCardsAdded(CardRegion* target, CardStack*)
{
    if (Game())
        Game()->OnSideStackCardsAdded(target);
}

void OnNextLevelButton(CardButton*)
{
    if (Game())
        Game()->OnNextLevelButton();
}

void OnTimeUp(std::uint32_t)
{
    if (Game())
        Game()->OnTimeUp();
}

void OnHintKey(CardWindow*)
{
    if (Game())
        Game()->ShowHint();
}

TableModel TriangleGame::Model() const
{
    TableModel model;
    for (int id = 1; id <= placeCount && table; ++id) {
        CardRegion* region = table->FindRegion(id);
        if (!region)
            continue;
        Place& place = model[id];
        place.cards = region->CardCount();
        place.cardsWithDrag = region->CardCountWithDrag();
        place.topFace = TopFace(region->Cards());
        place.dragging = region->IsDragging();
        place.visible = region->IsVisible();
    }
    return model;
}

bool TriangleGame::IsUncovered(int id) const
{
    return ::IsUncovered(Model(), id);
}

bool TriangleGame::TriangleDropAllowed(CardRegion* target, const CardStack* dragged)
{
    if (TriangleAccepts(Model(), target->Id(), TopFace(dragged)))
        return true;
    PlaySound(refusedSound, soundSoftly);
    return false;
}

bool TriangleGame::SideStackDropAllowed(CardRegion* target, const CardStack* dragged)
{
    if (SideStackAccepts(Model(), target->Id(), TopFace(dragged)))
        return true;
    PlaySound(refusedSound, soundSoftly);
    return false;
}

void TriangleGame::OnTriangleCardsRemoved(CardRegion* source)
{
    source->SetVisible(false);
    undo.sourceId = source->Id();
}

void TriangleGame::OnSideStackCardsRemoved(CardRegion* source)
{
    UpdatePlaceholder(source);
    undo.sourceId = source->Id();
}

void TriangleGame::OnTriangleCardsAdded(CardRegion* target)
{
    if (RemovePair(target))
        return;
    target->SetVisible(false);
    undo.targetId = target->Id();
    undo.wasPlacement = false;
}

void TriangleGame::OnSideStackCardsAdded(CardRegion* target)
{
    if (target->CardCount() == 1) {
        undo.wasPlacement = true;
        undo.targetId = target->Id();
        return;
    }
    undo.wasPlacement = false;
    if (RemovePair(target))
        return;
    UpdatePlaceholder(target);
    undo.targetId = target->Id();
}

bool TriangleGame::RemovePair(CardRegion* region)
{
    PlaySound(pairSound, soundSoftly);
    region->MoveCards(removedPile, 2, true);
    const int removed = removedPile->CardCountWithDrag();
    const PairOutcome outcome = OutcomeOfPair(removed, CardsRequired(table->Level()));
    if (outcome.levelDone) {
        ShowNextLevelButton(false);
        EndLevel(true);
        return true;
    }
    if (outcome.targetReached) {
        PlaySound(targetSound, soundAtOnce);
        ShowNextLevelButton(true);
    }
    if (outcome.showRemaining)
        SetCardsRemaining(outcome.remaining);
    return false;
}

void TriangleGame::UpdatePlaceholder(CardRegion* stack)
{
    const int id = stack->Id();
    if (id < firstSideStack || id > lastSideStack || stack->CardCount() > 0)
        return;
    stack->SetVisible(StaysAsPlaceholder(Model(), id, difficulty));
}

void TriangleGame::OnNextLevelButton()
{
    table->Clock().Stop();
    OnTimeUp();
}

void TriangleGame::ShowHint()
{
    // With a card held by key: where that card may go.
    const CardRegion* held = table->Keyboard().HeldRegion();
    const HintMove move =
        held ? ChooseHintFor(Model(), held->Id(), TopFace(held->CardsInHand())) : ChooseHint(Model());
    if (move.first == 0) {
        PlaySound(refusedSound, soundSoftly);
        return;
    }
    table->Keyboard().ShowHint(table->FindRegion(move.first), table->FindRegion(move.second));
}

void TriangleGame::OnTimeUp()
{
    ShowNextLevelButton(false);
    EndLevel(removedPile->CardCountWithDrag() >= CardsRequired(table->Level()));
}
