#pragma once

#include "cardlib/core/DisplayScale.h"

#include <cstdint>
#include <vector>

// Pictures drawn at the table's scale: the deck and the program's art come
// in sets of 1, 2 and 3 times their standard size, and the set chosen is
// scaled the rest of the way here.

// A picture as 32-bit pixels, row by row from the top; any four bytes a
// pixel (0x00RRGGBB as the platform's DIBs hold them).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// The picture at width x height, each byte of a pixel on its own: an exact
// area average where an axis shrinks, bilinear where it grows, the pixels
// copied where it keeps its size. Integer arithmetic, rounding half up, so
// an area of one colour keeps exactly that colour (a key colour stays a key
// colour) and a picture of the asked size comes back unchanged. An empty
// picture or size, or a side over 65536, gives an empty picture.
Picture Resample(const Picture& picture, int width, int height);

// A picture of a set of `factor` times the standard size belongs to the
// set only when it is exactly that size.
bool FitsSet(int factor, int baseWidth, int baseHeight, int width, int height);

// The set to draw from at `scale`, from the factors of the sets that are
// there whole (the standard set, 1, always is): the smallest one at least
// as large as the scale, so pictures are only ever scaled down, else the
// largest there is.
int ChooseSet(const DisplayScale& scale, const std::vector<int>& wholeSets);
