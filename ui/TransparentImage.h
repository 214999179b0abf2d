#pragma once

#include <windows.h>

// Draws width x height pixels of `image`, from (sourceX, sourceY), at (x, y)
// of `context`, leaving out every pixel of the key colour: the destination
// shows through there. Uses a monochrome mask and two block copies, so it
// works on any kind of context.
void DrawTransparent(HDC context, int x, int y, int width, int height, HBITMAP image, int sourceX, int sourceY,
                     COLORREF key);
