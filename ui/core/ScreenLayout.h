#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <array>
#include <cstdint>
#include <string>

// The three full-window message screens and where everything on them goes,
// for a table of W x H pixels and cards of the deck's size; and the "Paused"
// screen, drawn in their style over the table while the player is away,
// without a wipe or a loop of its own.
enum ScreenMode {
    NoScreen = 0,
    IntroScreen = 1,
    LevelScreen = 2,
    GameOverScreen = 3,
    PauseScreen = 4,
};

namespace screen {

constexpr std::uint32_t white = 0x00FFFFFF;
constexpr std::uint32_t black = 0x00000000;
constexpr std::uint32_t introBlue = 0x00F6821B;
constexpr std::uint32_t darkBlue = 0x00644000;
constexpr std::uint32_t yellow = 0x0000FFFF;

// Font cell heights and weights of the screens' texts.
struct FontSpec {
    int height;
    int weight;
};
constexpr FontSpec introFont{26, 700};
constexpr FontSpec titleFont{60, 700};
constexpr FontSpec lineFont{32, 700};
constexpr FontSpec promptFont{20, 800};

struct PlacedCard {
    Point at;
    int value = 0;
};

// The intro: a white band with the title, black below it with four example
// pairs (upper row first, each lower card over the lower left of its
// partner) and the rules.
struct IntroLayout {
    Rect whiteBand;
    Rect blackBand;
    Point titleCentre;
    std::array<PlacedCard, 8> cards;
};

// At a scale every size is in device pixels (the table's, the cards' as
// drawn whole) and the fixed offsets are mapped.
IntroLayout LayOutIntro(int width, int height, int cardWidth, int cardHeight, const DisplayScale& scale = {});

// Tops of the two rule lines, given the text height t of the first line.
int IntroRuleTop(int height, int textHeight, int line);
// Top of the help hint at the bottom, given its text height.
int IntroHintTop(int height, int textHeight);

// Top of the title of the level and game-over screens.
int TitleTop(int height);
// The level screen's two lines once `level` is passed, the next level
// asking for `cardsRequired` cards.
std::array<std::string, 2> LevelLines(int level, int cardsRequired);
// Tops of the level screen's two lines, given the title font's text height.
int LevelLineTop(int height, int titleTextHeight, int line);

// The blinking "click to continue..." prompt: its top, and the area that
// erasing it restores (twice the width measured in the default font, centred,
// five pixels taller than that font's text).
int PromptTop(int height);
Rect PromptEraseBox(int width, int height, int measuredWidth, int measuredHeight);

} // namespace screen
