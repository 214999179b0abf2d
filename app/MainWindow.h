#pragma once

#include "app/Settings.h"
#include "app/core/WindowZoom.h"

#include <windows.h>

class AppHolder;
class GameBase;

// The program's one top-level window: captionless, 712 x 553 and centred,
// its menu bar the only frame the player sees (the bar's empty part moves
// the window), its client area filled by the game's table. It turns menu
// commands into calls on the game and keeps the settings. Minimising it
// pauses a level; restoring it comes back. At another DPI, or zoomed, the
// table keeps its logical size and the window grows round it.
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
    // WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU: no caption, a thin
    // border and the class menu.
    static constexpr DWORD windowStyle = 0x90880000;

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

    // The zoom's keys of the accelerator table, alone; null for none.
    static HACCEL ZoomKeys(HINSTANCE instance);
    // The table's scale: the window's DPI and the player's zoom
    // (MainWindowScale.cpp).
    DisplayScale Scale() const { return DisplayScale(dpi, zoom); }
    // The window's outer size for the table at a DPI and zoom.
    Size SizeAt(int atDpi, int atZoom) const;
    // The size and place the window is made with, the zoom stepped down
    // until the window fits the screen.
    Rect FirstPlace();
    void OnZoom(ZoomKey key);
    void OnDpiChanged(int newDpi, const Rect& suggested);
    // The window takes its new place and the table the scale.
    void Rescale(const Rect& place);

    AppHolder& holder;
    HWND hwnd = nullptr;
    bool minimised = false;
    Settings settings;    // as read when the window is made
    Size tableClient;     // logical, the same at every scale
    Size windowSize = unscaledWindow;
    int dpi = DisplayScale::logicalDpi;
    int zoom = 100;
    HACCEL screenKeys = nullptr; // the zoom keys, for the message screens' loop
};
