#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"
#include "ui/core/ScreenLayout.h"

#include <vector>

// The wipes that bring a message screen over the table (and take the intro
// away again): each timer tick advances the wipe by 5 pixels and copies the
// strips it yields from the off-screen picture to the window. The wipe runs
// over the table's logical size and yields device strips at the table's
// scale, their edges mapped: a wipe takes the same ticks at every scale, and
// its strips meet with no gap.
namespace wipe {

constexpr int stepPixels = 5;
constexpr unsigned promptPeriod = 600; // milliseconds between blinks of the prompt

// Timer period while a screen is wiped: the intro is quick, the others slower.
unsigned PeriodFor(int mode);

struct Step {
    std::vector<Rect> strips;
    bool complete = false;
};

// The strips of one tick once the wipe has advanced to `progress` pixels
// (5, 10, ...), for a table of width x height logical pixels.
// Intro: the top fifth uncovered from right to left, the rest from left to
// right. Used for the wipe-out of the intro too.
Step Intro(int progress, int width, int height, const DisplayScale& scale = {});
// Game over: forty columns, the even ones uncovered downwards, the odd ones
// upwards.
Step GameOver(int progress, int width, int height, const DisplayScale& scale = {});
// Level passed: a rectangle growing from the centre, 1.5 times as wide as high.
Step Level(int progress, int width, int height, const DisplayScale& scale = {});

// The wipe-in of a screen mode.
Step WipeIn(int mode, int progress, int width, int height, const DisplayScale& scale = {});

} // namespace wipe
