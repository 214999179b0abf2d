#pragma once

#include "cardlib/core/Geometry.h"

#include <array>

// A push button's frame: three lines of one logical pixel round its face,
// light on the top and left and black with a shadow line inside on the
// right and bottom when raised, the other way round when sunken. Given as
// rectangles that tile the button exactly, so each maps to device pixels
// on its own and the frame stays closed at any scale.
enum class FrameColour { Highlight, Black, Shadow, Face };

struct FramePart {
    Rect rect;
    FrameColour colour = FrameColour::Face;
};

std::array<FramePart, 7> ButtonFrame(const Rect& button, bool raised);
