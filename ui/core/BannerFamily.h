#pragma once

#include <cstdint>

// Which of the banner's two pictures suits a table colour: the light logo on
// the dark tables, the dark web address on the others. Colour 0 has none.
namespace banner {

constexpr int noImage = 0;

int ImageFor(std::uint32_t tableColour);

// The picture's ground colour, left out when the banner is drawn.
std::uint32_t KeyColourOf(int imageId);

// A change of picture changes the banner's size, so the table lays out its
// children again; not while the table is still at its small starting size,
// and not on the first colour (no picture before).
bool NeedsLayout(int oldImage, int newImage, int parentWindowHeight);

} // namespace banner
