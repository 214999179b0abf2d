#include "cardlib/core/Colour.h"

#include <cmath>

namespace {

int BlendChannel(int from, int to, double factor)
{
    // The order (difference * factor) + channel + 0.5 matters for the last bit.
    double moved = static_cast<double>(to - from) * factor + static_cast<double>(from) + 0.5;
    return static_cast<int>(std::trunc(moved));
}

// Keeps factors the system never uses (above 0.95) from pushing a channel
// past the end of its byte.
Colour ChannelByte(int value, int shift)
{
    if (value < 0)
        value = 0;
    if (value > 255)
        value = 255;
    return static_cast<Colour>(value) << shift;
}

} // namespace

Colour Blend(Colour colour, Colour target, double factor)
{
    if (!(factor > 0.0))
        return colour;
    if (factor >= 1.0)
        return target;
    int red = BlendChannel(RedOf(colour), RedOf(target), factor + 0.02);
    int green = BlendChannel(GreenOf(colour), GreenOf(target), factor);
    int blue = BlendChannel(BlueOf(colour), BlueOf(target), factor + 0.05);
    return ChannelByte(red, 0) | ChannelByte(green, 8) | ChannelByte(blue, 16);
}

Colour HighlightOf(Colour colour)
{
    return Blend(colour, white, 0.25);
}

Colour ShadowOf(Colour colour)
{
    return Blend(colour, black, 0.25);
}

Colour FaceOf(Colour colour)
{
    return Blend(colour, white, 0.1);
}

void Shades(Colour colour, Colour* light, Colour* base, Colour* dark, Colour* midDark)
{
    if (light)
        *light = Blend(colour, white, 0.2);
    if (base)
        *base = colour;
    if (dark)
        *dark = Blend(colour, black, 0.4);
    if (midDark)
        *midDark = Blend(colour, black, 0.2);
}

std::array<Colour, paletteSize> PaletteEntries(Colour background)
{
    Colour light = 0;
    Colour dark = 0;
    Colour midDark = 0;
    Shades(background, &light, nullptr, &dark, &midDark);
    // Entry 2 is free: it holds the light frame line of a push button, the
    // one button shade that would otherwise have no entry of its own.
    return {black, background, HighlightOf(FaceOf(background)), HighlightOf(background),
            ShadowOf(background), FaceOf(background), light, background, dark, midDark};
}
