#include "ui/ScreenPainter.h"

#include "cardlib/CardDrawing.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/PictureDrawing.h"
#include "res/ResourceIds.h"
#include "ui/Fonts.h"
#include "ui/ScreenDrawing.h"
#include "ui/core/ScreenLayout.h"

namespace {

const char* const ruleLine1 = "Dismantle the Morvane by removing two exposed";
const char* const ruleLine2 = "cards with a combined face value of 13:";
const char* const helpHint = "Select help->contents for more information";

HFONT MakeScreenFont(screen::FontSpec spec, const DisplayScale& scale)
{
    return MakeFont("Georgia", scale.ToDevice(spec.height), spec.weight);
}

void CopySnapshot(HDC context, const ScreenContent& content)
{
    if (content.snapshot)
        BitBlt(context, 0, 0, content.width, content.height, content.snapshot, 0, 0, SRCCOPY);
}

void PaintIntro(HDC context, const ScreenContent& content)
{
    const int width = content.width;
    const int height = content.height;
    const int cardWidth = content.cardWidth, cardHeight = content.cardHeight;
    const screen::IntroLayout layout = screen::LayOutIntro(width, height, cardWidth, cardHeight, content.scale);
    const Rect& white = layout.whiteBand;
    const Rect& black = layout.blackBand;
    FillSolid(context, RECT{white.left, white.top, white.right, white.bottom}, screen::white);
    FillSolid(context, RECT{black.left, black.top, black.right, black.bottom}, screen::black);
    const Point title = layout.titleCentre;
    if (content.title)
        DrawPicture(context, title.x - content.title->width / 2, title.y - content.title->height / 2, *content.title);
    else
        DrawImageCentred(context, title.x, title.y, IDB_TITLE);
    const RectList wholeCard = CardMaskColumns(cardWidth, cardHeight, CornerInsetsAt(content.scale));
    for (const screen::PlacedCard& card : layout.cards)
        DrawCardRects(context, RectAt(card.at.x, card.at.y, cardWidth, cardHeight), card.value, wholeCard,
                      content.scale);

    GdiObject<HFONT> font(MakeScreenFont(screen::introFont, content.scale));
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
    GdiObject<HFONT> titleFont(MakeScreenFont(screen::titleFont, content.scale));
    GdiObject<HFONT> lineFont(MakeScreenFont(screen::lineFont, content.scale));
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
    GdiObject<HFONT> titleFont(MakeScreenFont(screen::titleFont, content.scale));
    GdiObject<HFONT> promptFont(MakeScreenFont(screen::promptFont, content.scale));
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
