#include "ui/core/TableLayout.h"

TableChildren LayOutTableChildren(int width, int height, int cardWidth, int cardHeight, int bannerWidth,
                                  int bannerHeight)
{
    const int panelsRight = width - (7 * cardWidth) / 4;
    TableChildren children;
    children.clock = RectAt(width - cardWidth / 2, 10, 14, height - (2 * cardHeight) / 3 - 8);
    children.banner = RectAt(width - bannerWidth - 25, height - 46, bannerWidth, bannerHeight);
    children.cardsPanel = RectAt(panelsRight - 154, 10, statusPanelWidth, statusPanelHeight);
    children.levelPanel = RectAt(panelsRight + 11, 10, statusPanelWidth, statusPanelHeight);
    return children;
}
