#pragma once

#include "cardlib/core/PictureScaling.h"
#include "ui/GameWindow.h"
#include "ui/StatusPanel.h"

// The game's table: the card window with its countdown bar, link banner,
// the "level" and "cards remaining" panels and the message screens, laid
// out from the card size.
class GameTableWindow : public GameWindow {
public:
    GameTableWindow() = default;
    ~GameTableWindow() override = default;

    bool CreateTable(HWND parent, DWORD extendedStyle, DWORD style, int x, int y, int width, int height,
                     TimeUpCallback timeUp) override;
    void SetBackgroundColour(Colour colour) override;
    // Repaints where cards lie, not the panels, the bar or the banner.
    void Redraw() override;
    // Places the four children for a client area of width x height device
    // pixels, whose logical size the layout takes; the card regions keep
    // their places.
    void OnSize(int width, int height) override;
    // Everything drawn at the scale from now on, panels and screens too;
    // the children are placed again.
    void SetScale(const DisplayScale& newScale) override;

    void OnScreenTimer(UINT_PTR timerId) override;
    void SetCardsRemaining(int count) override { cardsPanel.SetValue(count); }
    int Level() const override { return levelPanel.Value(); }
    void SetLevel(int level) override { levelPanel.SetValue(level); }
    void PaintScreen(HDC dc) override;
    void AfterIntro(int) override {}

    const StatusPanel& LevelPanel() const { return levelPanel; }
    const StatusPanel& CardsPanel() const { return cardsPanel; }

private:
    void DropScreenPictures() override { titleArt = Picture{}; }

    StatusPanel levelPanel;
    StatusPanel cardsPanel;
    // The intro's title at the scale, made when an intro is painted and
    // dropped when the screen has gone; none unscaled.
    Picture titleArt;
};
