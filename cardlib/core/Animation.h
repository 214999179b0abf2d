#pragma once

#include "cardlib/core/Geometry.h"

#include <vector>

// A frame of a sliding move is the top-left corner of the drag image.
using AnimationFrame = Point;

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
// The library's step is animationStep (CardLibrary.h).
std::vector<AnimationFrame> AnimationPath(int startX, int startY, int destinationX, int destinationY,
                                          double step);
