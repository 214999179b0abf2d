#include "ui/GameWindow.h"

#include "cardlib/CardButton.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "ui/core/ScreenWipe.h"

#include <vector>

GameWindow::~GameWindow()
{
    // The window outlives this part of the object: its own procedure comes back.
    if (paused && Handle())
        SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tableProcedure));
}

bool GameWindow::CreateTable(HWND parent, DWORD extendedStyle, DWORD style, int, int, int, int,
                             TimeUpCallback timeUp)
{
    if (!Create(parent, extendedStyle, style))
        return false;
    if (!clock.Create(Handle(), 0, 0, 0, 0, timeUp))
        return false;
    return banner.Create(Handle(), WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, makerAddress);
}

void GameWindow::SetBackgroundColour(Colour colour)
{
    CardWindow::SetBackgroundColour(colour);
    banner.SetColour(colour);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void GameWindow::Paint(HDC dc)
{
    CardWindow::Paint(dc);
    if (screenMode == GameOverScreen)
        PaintScreen(dc);
}

void GameWindow::SetScale(const DisplayScale& newScale)
{
    CardWindow::SetScale(newScale);
    clock.SetScale(newScale);
    banner.SetScale(newScale);
}

void GameWindow::LayOutAgain()
{
    RECT client = {};
    GetClientRect(Handle(), &client);
    OnSize(client.right, client.bottom);
    transition.Resize(*this, Handle(), screenMode, client.right, client.bottom);
}

void GameWindow::PaintTable(HDC dc)
{
    // A button paints itself onto the window: here it is kept out of the
    // table's paint and drawn into the context instead.
    std::vector<CardButton*> shown;
    for (int i = 0; i < ButtonCount(); ++i)
        if (ButtonByIndex(i)->IsVisible()) {
            shown.push_back(ButtonByIndex(i));
            shown.back()->SetVisible(false);
        }
    CardWindow::Paint(dc);
    ScopedLibraryPalette palette(dc);
    for (CardButton* button : shown) {
        button->SetVisible(true);
        button->Draw(dc, !button->IsPressed(), Scale());
    }
}

BOOL CALLBACK GameWindow::HideChild(HWND child, LPARAM)
{
    ShowWindow(child, SW_HIDE);
    return TRUE;
}

BOOL CALLBACK GameWindow::ShowChild(HWND child, LPARAM)
{
    ShowWindow(child, SW_SHOW);
    return TRUE;
}

bool GameWindow::ShowScreen(int mode)
{
    HWND window = Handle();
    if (!window || transition.IsRunning())
        return false;
    // The screen goes over the table, not over the pause.
    EndPause();
    // The screen's snapshot shows the table without the keyboard's marks.
    Keyboard().Hide();
    // The snapshot is the table as the game left it: the picture of an
    // earlier game over goes first.
    const bool overGone = screenMode == GameOverScreen && mode != GameOverScreen;
    screenMode = mode;
    if (overGone)
        InvalidateRect(window, nullptr, FALSE);
    // The table and its children as the game left them, the end of a pause included.
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    tableProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GameWindow::ScreenProcedure)));
    SetInputEnabled(mode != GameOverScreen);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (!transition.Begin(window, deviceWidth, deviceHeight)) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tableProcedure));
        return false;
    }
    EnumChildWindows(window, &GameWindow::HideChild, 0);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    SetTimer(window, ScreenTransition::timerId, wipe::PeriodFor(mode), nullptr);
    WPARAM quitCode = 0;
    const bool ended = RunScreenLoop(quitCode);
    KillTimer(window, ScreenTransition::timerId);
    transition.End();
    DropScreenPictures();
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tableProcedure));
    if (!ended) {
        // The outer loop must see the quit too.
        PostQuitMessage(static_cast<int>(quitCode));
        return false;
    }
    FinishScreen(mode);
    return true;
}

bool GameWindow::RunScreenLoop(WPARAM& quitCode)
{
    HWND window = Handle();
    MSG message = {};
    // An end message left over from an earlier screen must not end this one.
    // A quit request is taken whatever the filter: it ends the screen instead,
    // and the caller posts it again for the outer loop.
    while (PeekMessageA(&message, window, ScreenTransition::endMessage, ScreenTransition::endMessage, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitCode = message.wParam;
            return false;
        }
    }
    for (;;) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            quitCode = got == 0 ? message.wParam : 0;
            return false;
        }
        // Only the table's own end message ends the screen; other windows
        // of the thread may use WM_USER for their own purposes.
        if (message.message == ScreenTransition::endMessage && message.hwnd == window)
            return true;
        if (screenKeys && TranslateAcceleratorA(screenKeyTarget, screenKeys, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void GameWindow::FinishScreen(int mode)
{
    // After game over the table keeps its look: children hidden, input off.
    if (mode == GameOverScreen)
        return;
    EnumChildWindows(Handle(), &GameWindow::ShowChild, 0);
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

LRESULT CALLBACK GameWindow::ScreenProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* table = reinterpret_cast<GameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!table)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_TIMER:
        if (wParam == ScreenTransition::timerId)
            table->OnScreenTimer(wParam);
        return 0;
    case WM_PAINT: {
        PaintContext paint(window);
        table->PaintScreen(paint.Get());
        return 0;
    }
    case WM_LBUTTONDOWN:
        table->transition.Click(window, table->screenMode);
        return 0;
    case WM_KEYDOWN:
        // Enter and Space do what a click does; a key held down counts once.
        if ((wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & 0x40000000))
            table->transition.Click(window, table->screenMode);
        return 0;
    case WM_DESTROY:
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool GameWindow::Pause()
{
    HWND window = Handle();
    if (!window || paused || transition.IsRunning() || !clock.IsRunning())
        return false;
    Keyboard().Hide();
    CancelDrag();
    clock.Hold();
    paused = true;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    tableProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GameWindow::PauseProcedure)));
    EnumChildWindows(window, &GameWindow::HideChild, 0);
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    return true;
}

void GameWindow::Resume()
{
    if (!paused)
        return;
    EndPause();
    clock.Resume();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void GameWindow::EndPause()
{
    if (!paused)
        return;
    paused = false;
    SetWindowLongPtrA(Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tableProcedure));
    EnumChildWindows(Handle(), &GameWindow::ShowChild, 0);
    InvalidateRect(Handle(), nullptr, FALSE);
}

// The table's procedure while paused: the screen is painted, the ways back
// in are taken, the rest of the mouse and the keys play nothing; everything
// else (sizes, timers, the window's end) goes to the card window as usual.
LRESULT CALLBACK GameWindow::PauseProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* table = reinterpret_cast<GameWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!table)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        PaintContext paint(window);
        table->PaintScreen(paint.Get());
        return 0;
    }
    case WM_LBUTTONDOWN:
        table->Resume();
        return 0;
    case WM_KEYDOWN:
        // A key held down counts once.
        if ((wParam == VK_RETURN || wParam == VK_SPACE) && !(lParam & 0x40000000))
            table->Resume();
        return 0;
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
        return 0;
    default:
        return CallWindowProcA(table->tableProcedure, window, message, wParam, lParam);
    }
}
