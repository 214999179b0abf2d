#pragma once

#include <windows.h>

#include <memory>

class GameTableWindow;

// A card table that shows what has been built so far, standing in for the
// game until the game itself sits on the library: the game's layout of
// fanned side stacks and the overlapping triangle dealt from a shuffled
// deck, an empty place in each empty style, cards to drag anywhere, a push
// button and a label, the countdown bar, both panels, the link banner and
// the three message screens.
//
// Its menu and keys: 1 intro screen, 2 level screen, 3 game-over screen, N new deal,
// C next table colour.
class Showcase {
public:
    Showcase();
    ~Showcase();
    Showcase(const Showcase&) = delete;
    Showcase& operator=(const Showcase&) = delete;

    // Makes the top-level window and its table; false when either fails.
    bool Create(HINSTANCE instance, int showCommand);

    void Deal();
    void ShowScreen(int mode);
    void NextColour();
    void RestartCountdown();

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateTable();
    void LayOutRegions();
    void LayOutButtons();
    void OnKey(WPARAM key);
    void OnCommand(int command);

    HWND hwnd = nullptr;
    std::unique_ptr<GameTableWindow> table;
    int colourIndex = 0;
};
