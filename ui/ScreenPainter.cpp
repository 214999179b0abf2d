#include "ui/ScreenPainter.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "res/ResourceIds.h"
#include "ui/Fonts.h"
#include "ui/ScreenDrawing.h"
#include "ui/core/ScreenLayout.h"

namespace {

const char* const ruleLine1 = "Dismantle the Morvane by removing two exposed";
const char* const ruleLine2 = "cards with a combined face value of 13:";
const char* const helpHint = "Select help->contents for more information";

HFONT MakeScreenFont(screen::FontSpec spec) { return MakeFont("Georgia", spec.height, spec.weight); }

void CopySnapshot(HDC context, const ScreenContent& content)
{
    if (content.snapshot)
        BitBlt(context, 0, 0, content.width, content.height, content.snapshot, 0, 0, SRCCOPY);
}

void PaintIntro(HDC context, const ScreenContent& content)
{
    const int width = content.width;
    const int height = content.height;
    const screen::IntroLayout layout = screen::LayOutIntro(width, height, content.cardWidth, content.cardHeight);
    const Rect& white = layout.whiteBand;
    const Rect& black = layout.blackBand;
    FillSolid(context, RECT{white.left, white.top, white.right, white.bottom}, screen::white);
    FillSolid(context, RECT{black.left, black.top, black.right, black.bottom}, screen::black);
    DrawImageCentred(context, layout.titleCentre.x, layout.titleCentre.y, IDB_TITLE);
    for (const screen::PlacedCard& card : layout.cards)
        DrawCard(context, card.at.x, card.at.y, card.value);

    GdiObject<HFONT> font(MakeScreenFont(screen::introFont));
    ScopedSelect selected(context, font.Get());
    SetTextColor(context, screen::introBlue);
    const int ruleHeight = TextHeight(context, ruleLine1);
    DrawCentredText(context, width / 2, screen::IntroRuleTop(height, ruleHeight, 0), ruleLine1);
    DrawCentredText(context, width / 2, screen::IntroRuleTop(height, ruleHeight, 1), ruleLine2);
    SetTextColor(context, screen::darkBlue);
    DrawCentredText(context, width / 2, screen::IntroHintTop(height, TextHeight(context, helpHint)), helpHint);
}

// The level screen's two lines, under where the title goes.
void PaintLevelLines(HDC context, const ScreenContent& content, HFONT lineFont)
{
    const std::array<std::string, 2> lines = screen::LevelLines(content.level, content.cardsRemaining);
    const char* coming = lines[0].c_str();
    const char* demand = lines[1].c_str();
    SetTextColor(context, screen::yellow);
    // The lines are spaced by the height the first would have in the title font.
    const int titleHeight = TextHeight(context, coming);
    ScopedSelect selected(context, lineFont);
    DrawCentredText(context, content.width / 2, screen::LevelLineTop(content.height, titleHeight, 0), coming);
    DrawCentredText(context, content.width / 2, screen::LevelLineTop(content.height, titleHeight, 1), demand);
}

void PaintVerdict(HDC context, const ScreenContent& content)
{
    CopySnapshot(context, content);
    StippleRect(context, RECT{0, 0, content.width, content.height});
    GdiObject<HFONT> titleFont(MakeScreenFont(screen::titleFont));
    GdiObject<HFONT> lineFont(MakeScreenFont(screen::lineFont));
    ScopedSelect selected(context, titleFont.Get());
    const char* title = "Game Over";
    if (content.mode == LevelScreen) {
        PaintLevelLines(context, content, lineFont.Get());
        SetTextColor(context, screen::darkBlue);
        title = "Well Done!!!";
    } else {
        SetTextColor(context, screen::black);
    }
    DrawCentredText(context, content.width / 2, screen::TitleTop(content.height), title);
}

// Opaque, so that a pause gives no time to study the cards: the checkerboard
// over dark blue, the title and the prompt standing still.
void PaintPause(HDC context, const ScreenContent& content)
{
    const RECT whole{0, 0, content.width, content.height};
    FillSolid(context, whole, screen::darkBlue);
    StippleRect(context, whole);
    GdiObject<HFONT> titleFont(MakeScreenFont(screen::titleFont));
    GdiObject<HFONT> promptFont(MakeScreenFont(screen::promptFont));
    ScopedSelect selected(context, titleFont.Get());
    SetTextColor(context, screen::white);
    DrawCentredText(context, content.width / 2, screen::TitleTop(content.height), "Paused");
    SelectObject(context, promptFont.Get());
    DrawCentredText(context, content.width / 2, screen::PromptTop(content.height), promptText);
}

} // namespace

void PaintMessageScreen(HDC context, const ScreenContent& content)
{
    if (content.phase == 0) {
        CopySnapshot(context, content);
        return;
    }
    if (content.mode == IntroScreen)
        PaintIntro(context, content);
    else if (content.mode == LevelScreen || content.mode == GameOverScreen)
        PaintVerdict(context, content);
    else if (content.mode == PauseScreen)
        PaintPause(context, content);
}
