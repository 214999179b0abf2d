#pragma once

#include <windows.h>

class AppHolder;
class GameBase;

// The program's one top-level window: captionless, 712 x 553 and centred,
// its menu bar the only frame the player sees (the bar's empty part moves
// the window), its client area filled by the game's table. It turns menu
// commands into calls on the game and keeps the two settings. Minimising it
// pauses a level; restoring it comes back.
class MainWindow {
public:
    explicit MainWindow(AppHolder& owner) : holder(owner) {}
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Registers the "Wexa" class once; false when that fails.
    static bool Register(HINSTANCE instance);
    // Makes the window; false when it cannot be made. A game that cannot
    // make its table is told to the player here, and the program quits.
    bool Create(HINSTANCE instance);
    HWND Handle() const { return hwnd; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    void OnSize(WPARAM type, int width, int height);
    void OnSetFocus();
    LRESULT OnHitTest(WPARAM wParam, LPARAM lParam);
    void OnInitMenuPopup(HMENU popup);
    void OnCommand(int command);
    void OnClose();
    GameBase* Game() const;

    AppHolder& holder;
    HWND hwnd = nullptr;
    bool minimised = false;
};
