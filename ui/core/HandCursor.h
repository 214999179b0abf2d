#pragma once

#include <array>
#include <cstdint>

// The banner's pointer: a black-outlined white hand pointing up with its
// index finger, 32 x 32 pixels, hot spot at the finger's tip.
namespace hand {

constexpr int size = 32;
constexpr int hotSpotX = 5;
constexpr int hotSpotY = 2;

// Each row four bytes, the most significant bit of the first the leftmost
// pixel, as the platform's monochrome cursor masks.
struct Masks {
    std::array<std::uint8_t, size * size / 8> andMask{};
    std::array<std::uint8_t, size * size / 8> xorMask{};
};

Masks CursorMasks();

enum class Pixel { Transparent, Black, White, Inverted };
Pixel PixelAt(const Masks& masks, int x, int y);

} // namespace hand
