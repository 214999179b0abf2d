#include "ui/core/ScreenLayout.h"

namespace screen {

namespace {
// Each upper card pairs with the lower card at the same place: 9 + 4, 10 + 3,
// 11 + 2, 12 + 1.
constexpr std::array<int, 4> upperValues{33, 37, 43, 44};
constexpr std::array<int, 4> lowerValues{12, 11, 5, 2};
} // namespace

IntroLayout LayOutIntro(int width, int height, int cardWidth, int cardHeight, const DisplayScale& scale)
{
    IntroLayout layout;
    layout.whiteBand = {0, 0, width, height / 6};
    layout.blackBand = {0, height / 6, width, height};
    layout.titleCentre = {width / 2, height / 12};

    const int gap = (4 * cardWidth) / 3;
    const int step = cardWidth + gap;
    const int upperY = height / 2 - cardHeight / 3 + scale.ToDevice(5);
    const int upperX = width / 2 - 2 * cardWidth - gap / 2 - gap;
    const int lowerY = upperY + cardHeight / 4;
    const int lowerX = upperX - cardWidth / 3;
    for (int i = 0; i < 4; ++i) {
        layout.cards[i] = {{upperX + i * step, upperY}, upperValues[i]};
        layout.cards[i + 4] = {{lowerX + i * step, lowerY}, lowerValues[i]};
    }
    return layout;
}

int IntroRuleTop(int height, int textHeight, int line) { return height / 12 + (3 + line) * textHeight; }

int IntroHintTop(int height, int textHeight) { return height - textHeight - textHeight / 2; }

int TitleTop(int height) { return height / 8; }

std::array<std::string, 2> LevelLines(int level, int cardsRequired)
{
    return {"get ready for level " + std::to_string(level + 1),
            "remove " + std::to_string(cardsRequired) + " cards to complete the next level"};
}

int LevelLineTop(int height, int titleTextHeight, int line) { return height / 8 + (2 + line) * titleTextHeight; }

int PromptTop(int height) { return height / 3 + height / 2; }

Rect PromptEraseBox(int width, int height, int measuredWidth, int measuredHeight)
{
    return RectAt(width / 2 - measuredWidth, PromptTop(height), 2 * measuredWidth, measuredHeight + 5);
}

} // namespace screen
