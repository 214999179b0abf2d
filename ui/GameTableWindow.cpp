#include "ui/GameTableWindow.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "res/ResourceIds.h"
#include "ui/ScaledArt.h"
#include "ui/ScreenPainter.h"
#include "ui/core/TableLayout.h"

namespace {
// The last card of the triangle's bottom row, and the pile of removed cards.
constexpr int lastTriangleRegion = 28;
constexpr int removedPileRegion = 35;

void MoveTo(HWND window, const Rect& place)
{
    MoveWindow(window, place.left, place.top, place.Width(), place.Height(), TRUE);
}

} // namespace

bool GameTableWindow::CreateTable(HWND parent, DWORD extendedStyle, DWORD style, int x, int y, int width,
                                  int height, TimeUpCallback timeUp)
{
    if (!GameWindow::CreateTable(parent, extendedStyle, style, x, y, width, height, timeUp))
        return false;
    if (!levelPanel.Create(Handle(), 0, 0, 0, 0) || !cardsPanel.Create(Handle(), 0, 0, 0, 0))
        return false;
    levelPanel.SetLabel("level");
    cardsPanel.SetLabel("cards remaining");
    return true;
}

void GameTableWindow::SetBackgroundColour(Colour colour)
{
    levelPanel.SetColour(colour);
    cardsPanel.SetColour(colour);
    GameWindow::SetBackgroundColour(colour);
}

void GameTableWindow::Redraw()
{
    HWND window = Handle();
    // The side stacks' row along the top.
    InvalidateLogical(Rect{0, 0, 5 * cardWidth, cardHeight});
    const CardRegion* triangleEnd = FindRegion(lastTriangleRegion);
    const CardRegion* removedPile = FindRegion(removedPileRegion);
    if (triangleEnd) {
        // Everything from below that row to the triangle's lower right corner.
        int x = 0, y = 0;
        triangleEnd->Position(x, y);
        InvalidateLogical(Rect{0, cardHeight, x + cardWidth, y + cardHeight});
    }
    if (removedPile) {
        // The removed pile and everything right of and below it.
        int x = 0, y = 0;
        removedPile->Position(x, y);
        RECT client = {};
        GetClientRect(window, &client);
        const RECT area = {Scale().ToDevice(x), Scale().ToDevice(y), client.right, client.bottom};
        InvalidateRect(window, &area, FALSE);
    }
    if (!triangleEnd && !removedPile)
        InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

void GameTableWindow::OnSize(int width, int height)
{
    const DisplayScale& tableScale = Scale();
    deviceWidth = width;
    deviceHeight = height;
    clientWidth = tableScale.ToLogical(width);
    clientHeight = tableScale.ToLogical(height);
    const SIZE bannerSize = banner.ImageSize();
    const TableChildren places =
        LayOutTableChildren(clientWidth, clientHeight, cardWidth, cardHeight, bannerSize.cx, bannerSize.cy);
    MoveTo(clock.Window(), tableScale.ToDevice(places.clock));
    MoveTo(banner.Window(), tableScale.ToDevice(places.banner));
    cardsPanel.Place(places.cardsPanel);
    levelPanel.Place(places.levelPanel);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void GameTableWindow::SetScale(const DisplayScale& newScale)
{
    GameWindow::SetScale(newScale);
    levelPanel.SetScale(newScale);
    cardsPanel.SetScale(newScale);
    titleArt = Picture{};
    LayOutAgain();
}

void GameTableWindow::OnScreenTimer(UINT_PTR)
{
    transition.Step(*this, Handle(), screenMode, deviceWidth, deviceHeight);
}

void GameTableWindow::PaintScreen(HDC dc)
{
    ScreenContent content;
    content.mode = IsPaused() ? PauseScreen : screenMode;
    content.phase = IsPaused() ? 1 : transition.Phase();
    content.width = deviceWidth;
    content.height = deviceHeight;
    content.cardWidth = Scale().WidestLength(cardWidth);
    content.cardHeight = Scale().WidestLength(cardHeight);
    content.scale = Scale();
    if (content.mode == IntroScreen && titleArt.pixels.empty() && !Scale().IsUnscaled())
        titleArt = ScaledArt(IDB_TITLE, Scale());
    content.title = titleArt.pixels.empty() ? nullptr : &titleArt;
    content.snapshot = transition.Snapshot();
    content.level = Level();
    content.cardsRemaining = cardsPanel.Value();
    PaintMessageScreen(dc, content);
}
