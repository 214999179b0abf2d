#include "app/MainWindow.h"

#include "app/BackgroundColourDialog.h"
#include "app/HelpViewer.h"
#include "app/Settings.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/DisplayDpi.h"
#include "cardlib/core/PlatformServices.h"
#include "game/AppHolder.h"
#include "game/GameBase.h"
#include "res/ResourceIds.h"
#include "ui/GameTableWindow.h"

namespace {

const char className[] = "Wexa";
// Its first size message comes before it can be found from its window.
MainWindow* windowBeingMade = nullptr;
constexpr UINT dpiChangedMessage = 0x02E0;    // WM_DPICHANGED
constexpr UINT dpiScaledSizeMessage = 0x02E4; // WM_GETDPISCALEDSIZE

} // namespace

MainWindow::~MainWindow()
{
    if (screenKeys)
        DestroyAcceleratorTable(screenKeys);
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
    settings = LoadSettings();
    screenKeys = ZoomKeys(instance);
    const Rect place = FirstPlace();
    windowBeingMade = this;
    HWND made = CreateWindowExA(0, className, "Wexa", windowStyle, place.left, place.top, place.Width(),
                                place.Height(), nullptr, nullptr, instance, this);
    windowBeingMade = nullptr;
    if (!made)
        return false;
    holder.SetMainWindow(made);
    // Made on a monitor of another DPI than the system's: as if moved there.
    if (const int madeDpi = WindowDpi(made); madeDpi != dpi) {
        const Size size = SizeAt(madeDpi, zoom);
        OnDpiChanged(madeDpi, RectAt(place.left, place.top, size.width, size.height));
    }
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
    auto* mainWindow = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_GETMINMAXINFO) { // arrives before WM_NCCREATE
        // Larger than the window: the window never grows by it, it only
        // keeps the platform from shrinking it.
        const MainWindow* limited = mainWindow ? mainWindow : windowBeingMade;
        const Size tracking = limited ? TrackingSize(limited->windowSize, limited->Scale())
                                      : TrackingSize(unscaledWindow, DisplayScale());
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        limits->ptMinTrackSize = {tracking.width, tracking.height};
        limits->ptMaxTrackSize = {tracking.width, tracking.height};
        return 0;
    }
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
    case dpiChangedMessage: {
        const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
        OnDpiChanged(LOWORD(wParam), Rect{suggested.left, suggested.top, suggested.right, suggested.bottom});
        return 0;
    }
    case dpiScaledSizeMessage: {
        const Size size = SizeAt(static_cast<int>(wParam), zoom);
        *reinterpret_cast<SIZE*>(lParam) = {size.width, size.height};
        return TRUE;
    }
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
    game->SetDifficulty(settings.difficulty);
    game->Table()->SetBackgroundColour(settings.colour);
    game->Table()->SetScreenKeys(hwnd, screenKeys);
    if (!Scale().IsUnscaled())
        game->Table()->SetScale(Scale());
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
    case IDC_ZOOM_IN:
    case IDC_ZOOM_OUT:
    case IDC_ZOOM_RESET:
        OnZoom(command == IDC_ZOOM_IN ? ZoomKey::Larger : command == IDC_ZOOM_OUT ? ZoomKey::Smaller : ZoomKey::Reset);
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
        settings.colour = game->Table()->BackgroundColour();
        settings.difficulty = game->Difficulty();
        settings.zoom = zoom;
        SaveSettings(settings);
    }
    DestroyWindow(hwnd);
}
