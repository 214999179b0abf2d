#pragma once

#include <windows.h>

class GameTableWindow;

// Interim stand-in for the game's base class, dropped at merge.
class GameBase {
public:
    GameBase();
    virtual ~GameBase();
    virtual bool Create(HWND parent) = 0;
    virtual void Undo() = 0;
    virtual int CardsRequired(int level) const = 0;
    virtual int TimeAllowed(int level) const = 0;
    virtual void Deal() = 0;
    void NewGame(bool nextLevel);
    void EndLevel(bool passed);
    void SetDifficulty(int newDifficulty);
    int Difficulty() const;
    bool IsPlaying() const;
    bool CanUndo() const;
    void ClearUndo();
    GameTableWindow* Table() const;

protected:
    GameTableWindow* table = nullptr;
    int difficulty = 40006;
};
extern GameBase* CurrentGame;
