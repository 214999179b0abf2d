#pragma once

#include <windows.h>

class GameBase;

// Owns the one game object for as long as the message loop runs, and keeps
// the main window's handle for the shell.
class AppHolder {
public:
    AppHolder();
    virtual ~AppHolder();
    AppHolder(const AppHolder&) = delete;
    AppHolder& operator=(const AppHolder&) = delete;

    // Null when the game could not be made.
    GameBase* Game() const { return game; }
    HWND MainWindow() const { return mainWindow; }
    void SetMainWindow(HWND window) { mainWindow = window; }

private:
    HWND mainWindow = nullptr;
    GameBase* game = nullptr; // owned
};
