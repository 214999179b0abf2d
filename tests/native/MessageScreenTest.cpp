#include "ui/core/ScreenLayout.h"
#include "ui/core/ScreenWipe.h"

#include <gtest/gtest.h>

#include <vector>

using namespace screen;

// Runs each wipe to its end: the ticks it takes, its timer period, and
// whether its strips have covered every pixel by then. The level rectangle,
// 1.5 times as wide as high, covers tables at least as wide as high. At a
// zoom the same table takes the same ticks and its device strips leave no
// pixel out.
TEST(ScreenWipe, LengthPeriodAndCoverage)
{
    const struct {
        int mode, width, height, ticks;
        unsigned period;
        bool whole;
        int zoom = 100;
    } cases[] = {
        {IntroScreen, 706, 500, 142, 10, true},       {GameOverScreen, 706, 500, 100, 30, true},
        {LevelScreen, 706, 500, 71, 30, true},        {IntroScreen, 101, 37, 21, 10, true},
        {GameOverScreen, 101, 37, 8, 30, true},       {LevelScreen, 101, 37, 10, 30, true},
        {GameOverScreen, 39, 401, 81, 30, true},      {LevelScreen, 10, 400, 1, 30, false},
        {IntroScreen, 706, 500, 142, 10, true, 125},  {GameOverScreen, 706, 500, 100, 30, true, 175},
        {LevelScreen, 706, 500, 71, 30, true, 200},
    };
    for (const auto& c : cases) {
        const DisplayScale scale(96, c.zoom);
        const int width = scale.ToDevice(c.width), height = scale.ToDevice(c.height);
        std::vector<bool> covered(static_cast<std::size_t>(width * height), false);
        int ticks = 0;
        for (bool complete = false; !complete && ticks < 100000;) {
            ++ticks;
            wipe::Step step = wipe::WipeIn(c.mode, ticks * wipe::stepPixels, c.width, c.height, scale);
            for (const Rect& strip : step.strips)
                for (int y = std::max(strip.top, 0); y < std::min(strip.bottom, height); ++y)
                    for (int x = std::max(strip.left, 0); x < std::min(strip.right, width); ++x)
                        covered[static_cast<std::size_t>(y * width + x)] = true;
            complete = step.complete;
        }
        EXPECT_EQ(ticks, c.ticks) << "mode " << c.mode << " " << c.width << " x " << c.height << " " << c.zoom;
        EXPECT_EQ(wipe::PeriodFor(c.mode), c.period) << "mode " << c.mode;
        EXPECT_EQ(covered == std::vector<bool>(covered.size(), true), c.whole)
            << "mode " << c.mode << " " << c.width << " x " << c.height << " " << c.zoom;
    }
}

// Passing level 1 announces level 2 and what it asks for.
TEST(LevelScreen, AnnouncesTheComingLevelAndItsDemand)
{
    const std::array<std::string, 2> lines = {"get ready for level 2", "remove 18 cards to complete the next level"};
    EXPECT_EQ(LevelLines(1, 18), lines);
}
