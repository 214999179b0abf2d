#pragma once

#include "cardlib/core/Geometry.h"

// Where the table window puts its four child windows for a client area of
// width x height: the countdown bar down the right edge, the two panels at
// the top right, the banner at the bottom right. All from the card size, so
// the layout follows the deck; nothing is clamped, so a narrow window puts
// children at negative positions.
struct TableChildren {
    Rect clock;
    Rect banner;
    Rect cardsPanel;
    Rect levelPanel;
};

constexpr int statusPanelWidth = 54;
constexpr int statusPanelHeight = 65;

TableChildren LayOutTableChildren(int width, int height, int cardWidth, int cardHeight, int bannerWidth,
                                  int bannerHeight);
