#include "ui/core/ScreenWipe.h"

namespace wipe {

unsigned PeriodFor(int mode) { return mode == IntroScreen ? 10u : 30u; }

namespace {
void Add(Step& step, const Rect& logical, const DisplayScale& scale) { step.strips.push_back(scale.ToDevice(logical)); }
} // namespace

Step Intro(int progress, int width, int height, const DisplayScale& scale)
{
    const int fifth = height / 5;
    Step step;
    Add(step, RectAt(width - progress, 0, stepPixels, fifth), scale);
    Add(step, RectAt(progress - stepPixels, fifth, stepPixels, height - fifth), scale);
    step.complete = progress >= width;
    return step;
}

Step GameOver(int progress, int width, int height, const DisplayScale& scale)
{
    const int column = width / 40 + 2;
    Step step;
    for (int i = 0; i < 20; ++i) {
        const int x = 2 * i * column;
        Add(step, RectAt(x, progress - stepPixels, column, stepPixels), scale);
        Add(step, RectAt(x + column, height - progress, column, stepPixels), scale);
    }
    step.complete = progress >= height;
    return step;
}

Step Level(int progress, int width, int height, const DisplayScale& scale)
{
    const int halfWidth = progress / 2 + progress;
    Step step;
    Add(step, RectAt(width / 2 - halfWidth, height / 2 - progress, 2 * halfWidth, 2 * progress), scale);
    step.complete = progress >= width / 2;
    return step;
}

Step WipeIn(int mode, int progress, int width, int height, const DisplayScale& scale)
{
    switch (mode) {
    case IntroScreen:
        return Intro(progress, width, height, scale);
    case GameOverScreen:
        return GameOver(progress, width, height, scale);
    default:
        return Level(progress, width, height, scale);
    }
}

} // namespace wipe
