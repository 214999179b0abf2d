// Interim stand-in for the game, dropped at merge: a table and nothing more.
#include "game/AppHolder.h"
#include "ui/GameTableWindow.h"

GameBase* CurrentGame = nullptr;

namespace {
void OnTimeUp(unsigned) {}

class InterimGame : public GameBase {
public:
    bool Create(HWND parent) override
    {
        table = new GameTableWindow();
        return table->CreateTable(parent, WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, OnTimeUp);
    }
    void Undo() override {}
    int CardsRequired(int level) const override { return level; }
    int TimeAllowed(int level) const override { return level; }
    void Deal() override {}
};
} // namespace

GameBase::GameBase() { CurrentGame = this; }
GameBase::~GameBase() { delete table; }
void GameBase::NewGame(bool) {}
void GameBase::EndLevel(bool) {}
void GameBase::SetDifficulty(int newDifficulty) { difficulty = newDifficulty; }
int GameBase::Difficulty() const { return difficulty; }
bool GameBase::IsPlaying() const { return true; }
bool GameBase::CanUndo() const { return false; }
void GameBase::ClearUndo() {}
GameTableWindow* GameBase::Table() const { return table; }

AppHolder::AppHolder() : game(new InterimGame()) {}
AppHolder::~AppHolder() { delete game; }
GameBase* AppHolder::Game() const { return game; }
HWND AppHolder::MainWindow() const { return mainWindow; }
void AppHolder::SetMainWindow(HWND window) { mainWindow = window; }
