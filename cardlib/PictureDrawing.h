#pragma once

#include "cardlib/core/PictureScaling.h"

#include <windows.h>

// Puts a picture's pixels at (x, y) of a drawing context as they are, top
// row first; false when the picture is empty or the system refuses.
bool DrawPicture(HDC dc, int x, int y, const Picture& picture);
