#pragma once

#include "game/core/GameIds.h"
#include "game/core/TriangleRules.h"

#include <windows.h>

#include <memory>

class CardRegion;
class GameTableWindow;

// The game object without its layout: the flow from level to level against
// the countdown, the sounds, the undo record and the difficulty. A game
// supplies its table, rules, level formulas and deal.
class GameBase {
public:
    GameBase();
    virtual ~GameBase();
    GameBase(const GameBase&) = delete;
    GameBase& operator=(const GameBase&) = delete;

    virtual bool Create(HWND parent) = 0;
    virtual void Undo() = 0;
    virtual int CardsRequired(int level) const = 0;
    virtual int TimeAllowed(int level) const = 0;
    virtual void Deal() = 0;
    // Every place empty and in its look before a deal, and the table repainted.
    virtual void ClearTable() = 0;

    // A new game (asking first while a level is being played), or the next level.
    void NewGame(bool nextLevel);
    // The next level when passed, else the game is over.
    void EndLevel(bool passed);
    void SetDifficulty(int level) { difficulty = level; }
    int Difficulty() const { return difficulty; }
    // A level is being played: dealt, and no message screen up.
    bool IsPlaying() const;
    // There is a move to take back, and a level in play to take it back in.
    bool CanUndo() const;
    // The player steps away during a level, and no other time: any sound
    // stops, and the table stops the countdown and covers the cards.
    void Pause();
    void Resume();
    bool IsPaused() const;
    void ClearUndo() { undo.Clear(); }
    // What the player asked for cannot be done: the sound of a refused move.
    void PlayRefusedSound() const { PlaySound(refusedSound, soundSoftly); }
    GameTableWindow* Table() const { return table.get(); }

    // A WAVE resource of the program, kept for the life of the process; null when missing.
    static const void* LoadWave(int id);

protected:
    // The player holds a card of this table.
    bool HoldsCard() const;
    void PlaySound(const void* wave, unsigned flags) const;
    void ShowNextLevelButton(bool visible);

    bool playing = false;
    UndoRecord undo;
    int difficulty = difficultyNormal;
    std::unique_ptr<GameTableWindow> table;
    CardRegion* removedPile = nullptr; // owned by the table
    const void* refusedSound = nullptr;
    const void* pairSound = nullptr;
    const void* dealSound = nullptr;
    const void* targetSound = nullptr;
    const void* overSound = nullptr;

private:
    bool ConfirmAbort() const;
    // Shows the screen before a level; false when the program is closing.
    bool ShowScreenBefore(bool nextLevel);
};

// The one game object of the process, set by its constructor and cleared by
// its destructor; the table's plain-function callbacks reach the game here.
extern GameBase* CurrentGame;
