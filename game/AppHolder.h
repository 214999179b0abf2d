#pragma once

#include "game/GameBase.h"

#include <windows.h>

// Interim stand-in, dropped at merge.
class AppHolder {
public:
    AppHolder();
    virtual ~AppHolder();
    GameBase* Game() const;
    HWND MainWindow() const;
    void SetMainWindow(HWND window);

private:
    GameBase* game = nullptr;
    HWND mainWindow = nullptr;
};
