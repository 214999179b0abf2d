#pragma once

#include <cstdint>
#include <vector>

// The banner's pointer: a black-outlined white hand pointing up with its
// index finger, drawn on 32 x 32 pixels, hot spot at the finger's tip.
namespace hand {

constexpr int size = 32;
constexpr int hotSpotX = 5;
constexpr int hotSpotY = 2;

// Monochrome cursor masks of side x side pixels, as the platform takes
// them: each row in whole 16-bit words, the most significant bit of its
// first byte the leftmost pixel.
struct Masks {
    int side = size;
    int rowBytes = size / 8;
    int hotSpotX = hand::hotSpotX;
    int hotSpotY = hand::hotSpotY;
    std::vector<std::uint8_t> andMask;
    std::vector<std::uint8_t> xorMask;
};

// The hand at the system's cursor size (32 at 96 DPI, 48 at 144, 64 at 192):
// each pixel takes the hand pixel whose block holds it, and the hot spot is
// the first pixel of the fingertip's block.
Masks CursorMasks(int side = size);

enum class Pixel { Transparent, Black, White, Inverted };
Pixel PixelAt(const Masks& masks, int x, int y);

} // namespace hand
