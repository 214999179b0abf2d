#include "ui/core/HandCursor.h"

namespace hand {

namespace {

struct Rows {
    int first;
    int last;
    std::uint32_t andBits;
    std::uint32_t xorBits;
};

// Rows not listed are transparent (AND all ones, XOR all zeros).
constexpr Rows shape[] = {
    {1, 1, 0xf9ffffff, 0x00000000},  {2, 5, 0xf0ffffff, 0x06000000},  {6, 6, 0xf024ffff, 0x06000000},
    {7, 7, 0xf0007fff, 0x06db0000},  {8, 8, 0xc0007fff, 0x06db0000},  {9, 10, 0x80007fff, 0x36db0000},
    {11, 11, 0x80007fff, 0x37ff0000}, {12, 13, 0x80007fff, 0x3fff0000}, {14, 14, 0xc0007fff, 0x1fff0000},
    {15, 15, 0xe0007fff, 0x0fff0000}, {16, 16, 0xf000ffff, 0x07fe0000}, {17, 18, 0xf000ffff, 0x00000000},
};

void PutRow(std::array<std::uint8_t, size * size / 8>& mask, int row, std::uint32_t bits)
{
    for (int i = 0; i < 4; ++i)
        mask[static_cast<std::size_t>(row * 4 + i)] = static_cast<std::uint8_t>(bits >> (24 - 8 * i));
}

bool Bit(const std::array<std::uint8_t, size * size / 8>& mask, int x, int y)
{
    return (mask[static_cast<std::size_t>(y * 4 + x / 8)] >> (7 - x % 8)) & 1;
}

} // namespace

Masks CursorMasks()
{
    Masks masks;
    for (int row = 0; row < size; ++row) {
        PutRow(masks.andMask, row, 0xffffffff);
        PutRow(masks.xorMask, row, 0);
    }
    for (const Rows& rows : shape)
        for (int row = rows.first; row <= rows.last; ++row) {
            PutRow(masks.andMask, row, rows.andBits);
            PutRow(masks.xorMask, row, rows.xorBits);
        }
    return masks;
}

Pixel PixelAt(const Masks& masks, int x, int y)
{
    const bool andBit = Bit(masks.andMask, x, y);
    const bool xorBit = Bit(masks.xorMask, x, y);
    if (andBit)
        return xorBit ? Pixel::Inverted : Pixel::Transparent;
    return xorBit ? Pixel::White : Pixel::Black;
}

} // namespace hand
