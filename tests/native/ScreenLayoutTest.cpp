#include "ui/core/ScreenLayout.h"
#include "ui/core/ScreenWipe.h"

#include <gtest/gtest.h>

#include <vector>

using namespace screen;

TEST(IntroLayout, WorkedPositionsOnA706By500Table)
{
    IntroLayout layout = LayOutIntro(706, 500, 71, 96);
    EXPECT_EQ(layout.whiteBand, (Rect{0, 0, 706, 83}));
    EXPECT_EQ(layout.blackBand, (Rect{0, 83, 706, 500}));
    EXPECT_EQ(layout.titleCentre, (Point{353, 41}));
    // Upper row 165 apart from x = 70 at y = 223, lower row from x = 47 at
    // y = 247; each upper card and the one below it add up to 13.
    const int cards[][3] = {{70, 223, 33}, {235, 223, 37}, {400, 223, 43}, {565, 223, 44},
                            {47, 247, 12}, {212, 247, 11}, {377, 247, 5},  {542, 247, 2}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(layout.cards[i].at, (Point{cards[i][0], cards[i][1]})) << "card " << i;
        EXPECT_EQ(layout.cards[i].value, cards[i][2]) << "card " << i;
    }
}

TEST(ScreenText, LinesFromTheirTextHeights)
{
    EXPECT_EQ(IntroRuleTop(500, 30, 0), 41 + 90);
    EXPECT_EQ(IntroRuleTop(500, 30, 1), 41 + 120);
    EXPECT_EQ(IntroHintTop(500, 31), 500 - 31 - 15);
    EXPECT_EQ(TitleTop(500), 62);
    EXPECT_EQ(LevelLineTop(500, 69, 0), 62 + 138);
    EXPECT_EQ(LevelLineTop(500, 69, 1), 62 + 207);
    EXPECT_EQ(PromptTop(500), 166 + 250);
    // Twice the measured width, centred, five rows taller than the text.
    EXPECT_EQ(PromptEraseBox(706, 500, 150, 16), (Rect{203, 416, 503, 437}));
}

TEST(ScreenWipe, FirstStripsOfEachWipe)
{
    wipe::Step intro = wipe::Intro(5, 706, 500);
    EXPECT_EQ(intro.strips, (std::vector<Rect>{RectAt(701, 0, 5, 100), RectAt(0, 100, 5, 400)}));
    wipe::Step gameOver = wipe::GameOver(5, 706, 500);
    ASSERT_EQ(gameOver.strips.size(), 40u);
    EXPECT_EQ(gameOver.strips[0], RectAt(0, 0, 19, 5));
    EXPECT_EQ(gameOver.strips[1], RectAt(19, 495, 19, 5));
    EXPECT_EQ(gameOver.strips[39], RectAt(741, 495, 19, 5));
    wipe::Step level = wipe::Level(100, 706, 500);
    EXPECT_EQ(level.strips, (std::vector<Rect>{RectAt(203, 150, 300, 200)}));
}

// Runs each wipe to its end: the ticks it takes, its timer period, and
// whether its strips have covered every pixel by then. The level rectangle,
// 1.5 times as wide as high, covers tables at least as wide as high.
TEST(ScreenWipe, LengthPeriodAndCoverage)
{
    const struct {
        int mode, width, height, ticks;
        unsigned period;
        bool whole;
    } cases[] = {
        {IntroScreen, 706, 500, 142, 10, true},  {GameOverScreen, 706, 500, 100, 30, true},
        {LevelScreen, 706, 500, 71, 30, true},   {IntroScreen, 101, 37, 21, 10, true},
        {GameOverScreen, 101, 37, 8, 30, true},  {LevelScreen, 101, 37, 10, 30, true},
        {GameOverScreen, 39, 401, 81, 30, true}, {LevelScreen, 10, 400, 1, 30, false},
    };
    for (const auto& c : cases) {
        std::vector<bool> covered(static_cast<std::size_t>(c.width * c.height), false);
        int ticks = 0;
        for (bool complete = false; !complete && ticks < 100000;) {
            ++ticks;
            wipe::Step step = wipe::WipeIn(c.mode, ticks * wipe::stepPixels, c.width, c.height);
            for (const Rect& strip : step.strips)
                for (int y = std::max(strip.top, 0); y < std::min(strip.bottom, c.height); ++y)
                    for (int x = std::max(strip.left, 0); x < std::min(strip.right, c.width); ++x)
                        covered[static_cast<std::size_t>(y * c.width + x)] = true;
            complete = step.complete;
        }
        EXPECT_EQ(ticks, c.ticks) << "mode " << c.mode << " " << c.width << " x " << c.height;
        EXPECT_EQ(wipe::PeriodFor(c.mode), c.period) << "mode " << c.mode;
        EXPECT_EQ(covered == std::vector<bool>(covered.size(), true), c.whole)
            << "mode " << c.mode << " " << c.width << " x " << c.height;
    }
}
