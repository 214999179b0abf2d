#include "ui/core/ScreenWipe.h"

namespace wipe {

unsigned PeriodFor(int mode) { return mode == IntroScreen ? 10u : 30u; }

Step Intro(int progress, int width, int height)
{
    const int fifth = height / 5;
    Step step;
    step.strips.push_back(RectAt(width - progress, 0, stepPixels, fifth));
    step.strips.push_back(RectAt(progress - stepPixels, fifth, stepPixels, height - fifth));
    step.complete = progress >= width;
    return step;
}

Step GameOver(int progress, int width, int height)
{
    const int column = width / 40 + 2;
    Step step;
    for (int i = 0; i < 20; ++i) {
        const int x = 2 * i * column;
        step.strips.push_back(RectAt(x, progress - stepPixels, column, stepPixels));
        step.strips.push_back(RectAt(x + column, height - progress, column, stepPixels));
    }
    step.complete = progress >= height;
    return step;
}

Step Level(int progress, int width, int height)
{
    const int halfWidth = progress / 2 + progress;
    Step step;
    step.strips.push_back(RectAt(width / 2 - halfWidth, height / 2 - progress, 2 * halfWidth, 2 * progress));
    step.complete = progress >= width / 2;
    return step;
}

Step WipeIn(int mode, int progress, int width, int height)
{
    switch (mode) {
    case IntroScreen:
        return Intro(progress, width, height);
    case GameOverScreen:
        return GameOver(progress, width, height);
    default:
        return Level(progress, width, height);
    }
}

} // namespace wipe
