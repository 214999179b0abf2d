#pragma once

#include <vector>

// One drawn frame of a sliding move: the top-left corner of the drag image.
struct AnimationFrame {
    int x = 0;
    int y = 0;
};

inline bool operator==(AnimationFrame a, AnimationFrame b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(AnimationFrame a, AnimationFrame b) { return !(a == b); }

// Where moved cards come to rest on a target holding targetCount cards: the
// top-left corner of the drag image once movedCount cards join the target's
// fan. With a negative offset the image's corner is the top moved card's.
AnimationFrame SlideDestination(int targetX, int targetY, int xOffset, int yOffset,
                                int targetCount, int movedCount);

// The frames of a slide from (startX, startY) to the destination, in steps of
// `step` pixels along the straight line. Each axis stops at the destination on
// its own; the last frame is always the destination itself, and a slide that
// starts where it ends is that one frame. A step that is not a positive
// number jumps to the destination in one frame instead of never arriving.
std::vector<AnimationFrame> AnimationPath(int startX, int startY, int destinationX, int destinationY,
                                          double step);

// Library-wide length in pixels of one animation step; 32 until changed.
double AnimationStep();
// Sets the step from whole pixels. Values below one pixel are ignored: a step
// of 0 would never reach its destination.
void SetAnimationStep(int pixels);
