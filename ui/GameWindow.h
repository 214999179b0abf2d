#pragma once

#include "cardlib/CardWindow.h"
#include "ui/CountdownClock.h"
#include "ui/LinkBanner.h"
#include "ui/ScreenTransition.h"
#include "ui/core/ScreenLayout.h"

#include <windows.h>

// The game's card table, without its game: a card window that owns the
// countdown bar, the link banner and the message screens, and declares what
// the game asks of its table. GameTableWindow fills it in.
class GameWindow : public CardWindow {
public:
    GameWindow() = default;
    ~GameWindow() override;

    // The window, then the countdown bar and the banner, all at size 0 until
    // the first OnSize. The position and size given are not used: the
    // parent places the table, the table its children.
    virtual bool CreateTable(HWND parent, DWORD extendedStyle, DWORD style, int x, int y, int width, int height,
                             TimeUpCallback timeUp);
    // Repaints the whole table at once in the new colour; the banner takes
    // the picture that suits it.
    void SetBackgroundColour(Colour colour) override;
    void OnSize(int width, int height) override = 0;
    // The table, and over it the game-over screen once that has appeared.
    void Paint(HDC dc) override;
    // The card window, the countdown bar and the banner draw at the scale
    // from now on; the game's table adds its own parts and lays out again.
    void SetScale(const DisplayScale& newScale) override;
    // The table as it is painted, buttons included, into a context of the
    // window's size other than the window's own (a screen's snapshot).
    void PaintTable(HDC dc);

    virtual void OnScreenTimer(UINT_PTR timerId) = 0;
    virtual void SetCardsRemaining(int count) = 0;
    virtual int Level() const = 0;
    virtual void SetLevel(int level) = 0;
    virtual void PaintScreen(HDC dc) = 0;
    virtual void AfterIntro(int value) = 0;

    // Shows a message screen over the table and returns when it has gone:
    // true then, false when the program is quitting (the quit is posted
    // again) or when a screen is already up (screens do not nest).
    bool ShowScreen(int mode);

    // The player steps away from a level: the countdown stops where it
    // stands, a card in hand goes home and the "Paused" screen covers the
    // table and its children. It has no message loop of its own, so the
    // menu and its keys go on working; a click, Enter or Space on it comes
    // back. False, changing nothing, outside a level: when no countdown runs
    // or a screen is up. A screen (New game asks first) ends the pause.
    bool Pause();
    // The table shows again and the countdown goes on from where it stood.
    void Resume();
    bool IsPaused() const { return paused; }
    // Keys that still work while a screen is up, whose loop translates no
    // others: an accelerator table, its commands sent to `target`. Not owned.
    void SetScreenKeys(HWND target, HACCEL keys)
    {
        screenKeyTarget = target;
        screenKeys = keys;
    }

    CountdownClock& Clock() { return clock; }
    LinkBanner& Banner() { return banner; }
    int ScreenMode() const { return screenMode; }
    const ScreenTransition& Transition() const { return transition; }

protected:
    // Places the children again for the window's present size and scale;
    // a screen that is up follows.
    void LayOutAgain();
    // A screen has gone: pictures made only for screens may go with it.
    virtual void DropScreenPictures() {}

    ScreenTransition transition;
    CountdownClock clock;
    LinkBanner banner;
    int screenMode = NoScreen; // kept after the screen has gone
    int deviceWidth = 0;       // the client area as the window has it
    int deviceHeight = 0;

private:
    static LRESULT CALLBACK ScreenProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PauseProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static BOOL CALLBACK HideChild(HWND child, LPARAM);
    static BOOL CALLBACK ShowChild(HWND child, LPARAM);
    // Runs the screen's message loop; false when WM_QUIT ended it, with its exit code.
    bool RunScreenLoop(WPARAM& quitCode);
    void FinishScreen(int mode);
    // The pause is over without the countdown going on, for a screen (a new
    // game's): the table's own procedure and children are back, a repaint is due.
    void EndPause();

    WNDPROC tableProcedure = nullptr; // the card window's procedure while a screen or the pause is up
    bool paused = false;
    HWND screenKeyTarget = nullptr;
    HACCEL screenKeys = nullptr;
};
