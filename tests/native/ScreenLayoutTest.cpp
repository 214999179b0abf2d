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
    struct Case {
        int x;
        int y;
        int value;
    };
    // Upper row 165 apart from x = 70 at y = 223, lower row from x = 47 at y = 247.
    const Case cards[] = {{70, 223, 33},  {235, 223, 37}, {400, 223, 43}, {565, 223, 44},
                          {47, 247, 12},  {212, 247, 11}, {377, 247, 5},  {542, 247, 2}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(layout.cards[i].at, (Point{cards[i].x, cards[i].y})) << "card " << i;
        EXPECT_EQ(layout.cards[i].value, cards[i].value) << "card " << i;
    }
}

TEST(IntroLayout, EachPairAddsUpToThirteen)
{
    IntroLayout layout = LayOutIntro(706, 500, 71, 96);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(layout.cards[i].value / 4 + 1 + layout.cards[i + 4].value / 4 + 1, 13) << "pair " << i;
}

TEST(IntroLayout, TextLinesFromTheirTextHeights)
{
    EXPECT_EQ(IntroRuleTop(500, 30, 0), 41 + 90);
    EXPECT_EQ(IntroRuleTop(500, 30, 1), 41 + 120);
    EXPECT_EQ(IntroHintTop(500, 31), 500 - 31 - 15);
}

TEST(MessageScreens, TitleLinesAndPrompt)
{
    EXPECT_EQ(TitleTop(500), 62);
    EXPECT_EQ(LevelLineTop(500, 69, 0), 62 + 138);
    EXPECT_EQ(LevelLineTop(500, 69, 1), 62 + 207);
    EXPECT_EQ(PromptTop(500), 166 + 250);
    // Twice the measured width, centred, five rows taller than the text.
    EXPECT_EQ(PromptEraseBox(706, 500, 150, 16), (Rect{203, 416, 503, 437}));
}

namespace {

// Runs a wipe to its end and marks every pixel its strips copy.
struct WipeRun {
    int ticks = 0;
    std::vector<bool> covered;
};

WipeRun RunWipe(int mode, int width, int height)
{
    WipeRun run;
    run.covered.assign(static_cast<std::size_t>(width * height), false);
    for (int progress = wipe::stepPixels;; progress += wipe::stepPixels) {
        ++run.ticks;
        wipe::Step step = wipe::WipeIn(mode, progress, width, height);
        for (const Rect& strip : step.strips)
            for (int y = std::max(strip.top, 0); y < std::min(strip.bottom, height); ++y)
                for (int x = std::max(strip.left, 0); x < std::min(strip.right, width); ++x)
                    run.covered[static_cast<std::size_t>(y * width + x)] = true;
        if (step.complete || run.ticks > 100000)
            return run;
    }
}

} // namespace

TEST(ScreenWipe, FirstStripsOfEachWipe)
{
    wipe::Step intro = wipe::Intro(5, 706, 500);
    ASSERT_EQ(intro.strips.size(), 2u);
    EXPECT_EQ(intro.strips[0], RectAt(701, 0, 5, 100));
    EXPECT_EQ(intro.strips[1], RectAt(0, 100, 5, 400));

    wipe::Step gameOver = wipe::GameOver(5, 706, 500);
    ASSERT_EQ(gameOver.strips.size(), 40u);
    EXPECT_EQ(gameOver.strips[0], RectAt(0, 0, 19, 5));
    EXPECT_EQ(gameOver.strips[1], RectAt(19, 495, 19, 5));
    EXPECT_EQ(gameOver.strips[39], RectAt(741, 495, 19, 5));

    wipe::Step level = wipe::Level(100, 706, 500);
    ASSERT_EQ(level.strips.size(), 1u);
    EXPECT_EQ(level.strips[0], RectAt(203, 150, 300, 200));
}

TEST(ScreenWipe, LengthInTicksAndCompleteCoverage)
{
    struct Case {
        int mode;
        int width;
        int height;
        int ticks;
    };
    const Case cases[] = {
        {IntroScreen, 706, 500, 142},    {GameOverScreen, 706, 500, 100}, {LevelScreen, 706, 500, 71},
        {IntroScreen, 101, 37, 21},      {GameOverScreen, 101, 37, 8},    {LevelScreen, 101, 37, 10},
        {GameOverScreen, 39, 401, 81},   {LevelScreen, 10, 400, 1},
    };
    for (const Case& c : cases) {
        WipeRun run = RunWipe(c.mode, c.width, c.height);
        EXPECT_EQ(run.ticks, c.ticks) << "mode " << c.mode << " " << c.width << " x " << c.height;
        std::size_t missing = 0;
        for (bool pixel : run.covered)
            missing += pixel ? 0 : 1;
        if (c.mode != LevelScreen) {
            EXPECT_EQ(missing, 0u) << "mode " << c.mode << " " << c.width << " x " << c.height;
        }
    }
}

TEST(ScreenWipe, LevelRectangleCoversTheWholeTableByTheEnd)
{
    // The rectangle is 1.5 times as wide as high: done at half the width, it
    // reaches past the top and bottom of any table at least as wide as high.
    EXPECT_EQ(RunWipe(LevelScreen, 706, 500).covered, std::vector<bool>(706 * 500, true));
}

TEST(ScreenWipe, PeriodsOfTheWipes)
{
    EXPECT_EQ(wipe::PeriodFor(IntroScreen), 10u);
    EXPECT_EQ(wipe::PeriodFor(LevelScreen), 30u);
    EXPECT_EQ(wipe::PeriodFor(GameOverScreen), 30u);
}
