#include "ui/core/HandCursor.h"

#include <cstddef>

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

// The two mask bits of the 32 x 32 hand at (x, y).
void HandBits(int x, int y, bool& andBit, bool& xorBit)
{
    andBit = true;
    xorBit = false;
    for (const Rows& rows : shape)
        if (rows.first <= y && y <= rows.last) {
            andBit = (rows.andBits >> (31 - x)) & 1;
            xorBit = (rows.xorBits >> (31 - x)) & 1;
        }
}

std::size_t ByteAt(const Masks& masks, int x, int y)
{
    return static_cast<std::size_t>(y * masks.rowBytes + x / 8);
}

// The first of the `side` pixels whose block belongs to hand pixel i.
int BlockStart(int i, int side) { return (i * side + size - 1) / size; }

} // namespace

Masks CursorMasks(int side)
{
    Masks masks;
    masks.side = side > 0 ? side : size;
    masks.rowBytes = (masks.side + 15) / 16 * 2;
    masks.hotSpotX = BlockStart(hotSpotX, masks.side);
    masks.hotSpotY = BlockStart(hotSpotY, masks.side);
    masks.andMask.assign(static_cast<std::size_t>(masks.rowBytes * masks.side), 0xff);
    masks.xorMask.assign(masks.andMask.size(), 0);
    for (int y = 0; y < masks.side; ++y)
        for (int x = 0; x < masks.side; ++x) {
            bool andBit = true;
            bool xorBit = false;
            HandBits(x * size / masks.side, y * size / masks.side, andBit, xorBit);
            const auto bit = static_cast<std::uint8_t>(0x80 >> (x % 8));
            if (!andBit)
                masks.andMask[ByteAt(masks, x, y)] &= static_cast<std::uint8_t>(~bit);
            if (xorBit)
                masks.xorMask[ByteAt(masks, x, y)] |= bit;
        }
    return masks;
}

Pixel PixelAt(const Masks& masks, int x, int y)
{
    const bool andBit = (masks.andMask[ByteAt(masks, x, y)] >> (7 - x % 8)) & 1;
    const bool xorBit = (masks.xorMask[ByteAt(masks, x, y)] >> (7 - x % 8)) & 1;
    if (andBit)
        return xorBit ? Pixel::Inverted : Pixel::Transparent;
    return xorBit ? Pixel::White : Pixel::Black;
}

} // namespace hand
