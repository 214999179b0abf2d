#include "app/MainWindow.h"

#include "app/BackgroundColourDialog.h"
#include "app/HelpViewer.h"
#include "app/Settings.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/core/PlatformServices.h"
#include "game/AppHolder.h"
#include "game/GameBase.h"
#include "res/ResourceIds.h"
#include "ui/GameTableWindow.h"

namespace {

const char className[] = "Wexa";
constexpr int windowWidth = 712;
constexpr int windowHeight = 553;
// The tracking size is larger than the window: the window never grows, it
// only keeps the platform from shrinking it.
constexpr int trackingWidth = 712;
constexpr int trackingHeight = 592;

} // namespace

MainWindow::~MainWindow()
{
    // A window still open here (the game failed to start) must not reach
    // this object or the game any more.
    if (hwnd && IsWindow(hwnd)) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        DestroyWindow(hwnd);
    }
}

bool MainWindow::Register(HINSTANCE instance)
{
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_WEXA));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_WEXA), IMAGE_ICON, 16, 16, 0));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN);
    windowClass.lpszClassName = className;
    return RegisterClassExA(&windowClass) != 0;
}

bool MainWindow::Create(HINSTANCE instance)
{
    // WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU: no caption, a thin
    // border and the class menu.
    const DWORD style = 0x90880000;
    const int x = GetSystemMetrics(SM_CXFULLSCREEN) / 2 - windowWidth / 2;
    const int y = GetSystemMetrics(SM_CYFULLSCREEN) / 2 - 274;
    HWND made = CreateWindowExA(0, className, "Wexa", style, x, y, windowWidth, windowHeight, nullptr, nullptr,
                                instance, this);
    if (!made)
        return false;
    holder.SetMainWindow(made);
    return true;
}

GameBase* MainWindow::Game() const { return holder.Game(); }

LRESULT CALLBACK MainWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* creation = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* created = static_cast<MainWindow*>(creation->lpCreateParams);
        created->hwnd = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    if (message == WM_GETMINMAXINFO) { // arrives before WM_NCCREATE
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {trackingWidth, trackingHeight};
        limits->ptMaxTrackSize = {trackingWidth, trackingHeight};
        return 0;
    }
    auto* mainWindow = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!mainWindow)
        return DefWindowProcA(window, message, wParam, lParam);
    return mainWindow->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        return OnCreate() ? 0 : -1;
    case WM_SIZE:
        OnSize(wParam, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_SETFOCUS:
        OnSetFocus();
        return 0;
    case WM_NCHITTEST:
        return OnHitTest(wParam, lParam);
    case WM_INITMENUPOPUP:
        OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        return DefWindowProcA(hwnd, message, wParam, lParam);
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        OnClose();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// False ends the window's creation: nothing of the program is shown.
bool MainWindow::OnCreate()
{
    GameBase* game = Game();
    const bool made = game && game->Create(hwnd) && game->Table();
    // The table loads the deck as it is made; a deck that failed has been
    // reported by the library already.
    const bool deckReported = game && cardWidth == 0;
    if (!made && !deckReported)
        Platform().ShowMessageBox(nullptr, "Unable to initialize. Quitting...", nullptr, MB_OK);
    if (!made || deckReported)
        return false;
    const Settings settings = LoadSettings();
    game->SetDifficulty(settings.difficulty);
    game->Table()->SetBackgroundColour(settings.colour);
    // The first game starts as soon as the message loop runs.
    PostMessageA(hwnd, WM_COMMAND, IDC_NEW_GAME, 0);
    return true;
}

void MainWindow::OnSize(WPARAM type, int width, int height)
{
    GameBase* game = Game();
    if (!game || !game->Table() || !game->Table()->Handle())
        return;
    MoveWindow(game->Table()->Handle(), 0, 0, width, height, TRUE);
    if (type == SIZE_MINIMIZED) {
        minimised = true;
        game->Pause();
    } else if (minimised) {
        minimised = false;
        game->Resume();
    }
}

// The keys go to the table, which plays by them; the accelerators and the
// menu keys still reach this window from there.
void MainWindow::OnSetFocus()
{
    GameBase* game = Game();
    if (game && game->Table() && game->Table()->Handle())
        SetFocus(game->Table()->Handle());
}

// The menu bar right of its last item acts as the caption: dragging there
// moves the window.
LRESULT MainWindow::OnHitTest(WPARAM wParam, LPARAM lParam)
{
    const LRESULT hit = DefWindowProcA(hwnd, WM_NCHITTEST, wParam, lParam);
    HMENU menu = GetMenu(hwnd);
    const int count = menu ? GetMenuItemCount(menu) : 0;
    if (hit != HTMENU || count <= 0)
        return hit;
    // The items run left to right from the window's left edge.
    RECT last = {};
    GetMenuItemRect(hwnd, menu, static_cast<UINT>(count - 1), &last);
    return static_cast<short>(LOWORD(lParam)) > last.right ? HTCAPTION : HTMENU;
}

void MainWindow::OnInitMenuPopup(HMENU popup)
{
    GameBase* game = Game();
    if (!game || popup != GetSubMenu(GetMenu(hwnd), 0))
        return;
    EnableMenuItem(popup, IDC_UNDO, MF_BYCOMMAND | (game->CanUndo() ? MF_ENABLED : MF_GRAYED));
    // No new game while a level is being set up or a screen waits for its click.
    EnableMenuItem(popup, IDC_NEW_GAME, MF_BYCOMMAND | (game->IsPlaying() ? MF_ENABLED : MF_GRAYED));
    // A stored difficulty that is neither plays as Normal and checks neither entry.
    const int difficulty = game->Difficulty();
    CheckMenuItem(popup, IDC_EASY, MF_BYCOMMAND | (difficulty == IDC_EASY ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(popup, IDC_NORMAL, MF_BYCOMMAND | (difficulty == IDC_NORMAL ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::OnCommand(int command)
{
    // Exit works even when the game never started.
    if (command == IDC_EXIT) {
        PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return;
    }
    GameBase* game = Game();
    if (!game || !game->Table())
        return;
    switch (command) {
    case IDC_NEW_GAME:
        game->NewGame(false);
        break;
    case IDC_UNDO:
        game->Undo();
        break;
    case IDC_PAUSE:
        // Only restoring the window ends a pause that minimising began.
        if (game->IsPaused() && !minimised)
            game->Resume();
        else
            game->Pause();
        break;
    case IDC_BACKGROUND: {
        // Cancel and the close box change nothing.
        BackgroundColourDialog dialog;
        dialog.SelectColour(game->Table()->BackgroundColour());
        if (dialog.Run(hwnd) == IDOK)
            game->Table()->SetBackgroundColour(dialog.SelectedColour());
        break;
    }
    case IDC_EASY:
    case IDC_NORMAL:
        // In force from the next emptied side stack on; no new game.
        game->SetDifficulty(command);
        break;
    case IDC_HELP_CONTENTS:
        // The HTML dialog where the system has one, else our own viewer.
        ShowHelp(hwnd);
        break;
    default:
        break;
    }
}

// Saves the settings and closes; never asks about a game in progress.
void MainWindow::OnClose()
{
    GameBase* game = Game();
    if (game && game->Table()) {
        Settings settings;
        settings.colour = game->Table()->BackgroundColour();
        settings.difficulty = game->Difficulty();
        SaveSettings(settings);
    }
    DestroyWindow(hwnd);
}
