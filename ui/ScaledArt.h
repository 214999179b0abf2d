#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/PictureScaling.h"

// The program's own pictures at the table's scale. Each is there at its
// standard size (resource type BITMAP) and at 2 and 3 times that size
// (types "BITMAP2X" and "BITMAP3X", whole BMP files, under the same id).

// The pixels of picture `id` of the set `factor` (1, 2 or 3); an empty
// picture when the set lacks it or its bytes do not hold what its header
// says.
Picture ArtPicture(int id, int factor);

// Picture `id` at `scale`, as large as its standard size maps to: from the
// smallest set at least the scale whose picture is exactly that many times
// the standard one, else the largest such, scaled the rest of the way.
// Empty when the program has no such picture.
Picture ScaledArt(int id, const DisplayScale& scale);
