#include "game/GameBase.h"

#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/core/PlatformServices.h"
#include "res/ResourceIds.h"
#include "ui/GameTableWindow.h"

GameBase* CurrentGame = nullptr;

GameBase::GameBase()
{
    CurrentGame = this;
    targetSound = LoadWave(IDW_REACHED);
    dealSound = LoadWave(IDW_DEAL);
    overSound = LoadWave(IDW_GAME_OVER);
}

GameBase::~GameBase()
{
    if (CurrentGame == this)
        CurrentGame = nullptr;
}

const void* GameBase::LoadWave(int id)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "WAVE");
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

bool GameBase::IsPlaying() const
{
    return playing && table && !table->Transition().IsRunning();
}

bool GameBase::CanUndo() const
{
    return !undo.IsEmpty() && IsPlaying() && !IsPaused();
}

void GameBase::Pause()
{
    if (table && table->Pause())
        Platform().PlaySoundFromMemory(nullptr, 0);
}

void GameBase::Resume()
{
    if (table)
        table->Resume();
}

bool GameBase::IsPaused() const
{
    return table && table->IsPaused();
}

bool GameBase::HoldsCard() const
{
    return table && dragRegion && dragRegion->Window() == table.get() && dragRegion->IsDragging();
}

void GameBase::PlaySound(const void* wave, unsigned flags) const
{
    if (wave)
        Platform().PlaySoundFromMemory(wave, flags);
}

void GameBase::ShowNextLevelButton(bool visible)
{
    CardButton* button = table ? table->FindButton(nextLevelButtonId) : nullptr;
    if (!button || button->IsVisible() == visible)
        return;
    button->SetVisible(visible);
    const Rect place = table->Scale().ToDevice(button->Placement());
    const RECT area = {place.left, place.top, place.right, place.bottom};
    InvalidateRect(table->Handle(), &area, FALSE);
}

bool GameBase::ConfirmAbort() const
{
    return Platform().ShowMessageBox(table->Handle(), "Do you want to abort the current game?", "Morvane Solitaire",
                                     MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void GameBase::NewGame(bool nextLevel)
{
    // Screens do not nest: a new game waits until the screen has gone.
    if (!table || table->Transition().IsRunning())
        return;
    // A card in hand goes home before anything else, without a move.
    table->CancelDrag();
    if (!nextLevel && table->Clock().SecondsLeft() != 0 && !ConfirmAbort())
        return;
    table->Clock().Pause();
    const int level = nextLevel ? table->Level() + 1 : 1;
    table->SetCardsRemaining(CardsRequired(level));
    playing = false;
    if (!ShowScreenBefore(nextLevel))
        return;
    table->Clock().Stop();
    table->Clock().SetDuration(static_cast<std::uint32_t>(TimeAllowed(level)));
    table->SetLevel(level);
    ClearUndo();
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514))); // IDC_WAIT
    PlaySound(dealSound, soundLooping);
    Deal();
    Platform().PlaySoundFromMemory(nullptr, 0);
    table->Clock().Start();
    playing = true;
}

bool GameBase::ShowScreenBefore(bool nextLevel)
{
    // The introduction goes out onto the table as at the first start: no
    // cards, no level, the bar stopped.
    if (!nextLevel) {
        table->SetLevel(-1);
        table->Clock().Stop();
        ClearTable();
    }
    const bool shown = table->ShowScreen(nextLevel ? LevelScreen : IntroScreen);
    if (!shown) {
        // Closing: the quit waits in the queue for the outer loop. A screen
        // that could not be made at all does not stop the game.
        MSG quit = {};
        if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
            return false;
    }
    if (nextLevel)
        table->EmptyAllRegions();
    return true;
}

void GameBase::EndLevel(bool passed)
{
    if (!table)
        return;
    table->CancelDrag();
    // Moves of an ended level are not taken back.
    ClearUndo();
    if (passed) {
        PlaySound(targetSound, soundAtOnce);
        NewGame(true);
        return;
    }
    PlaySound(overSound, soundAtOnce);
    table->ShowScreen(GameOverScreen);
    table->SetCardsRemaining(-1);
    table->SetLevel(-1);
    table->Clock().Stop();
}
