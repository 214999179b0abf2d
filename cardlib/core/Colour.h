#pragma once

#include <array>
#include <cstdint>

// A colour laid out 0x00BBGGRR. The high byte is 0 in a plain colour; the
// platform's palette-relative marker 0x02 there asks a palette display for
// the nearest entry of the selected palette.
using Colour = std::uint32_t;

constexpr Colour paletteRelativeMarker = 0x02000000;
constexpr Colour white = 0xFFFFFF;
constexpr Colour black = 0x000000;

constexpr Colour PaletteRelative(Colour colour)
{
    return colour | paletteRelativeMarker;
}

constexpr int RedOf(Colour colour) { return static_cast<int>(colour & 0xFF); }
constexpr int GreenOf(Colour colour) { return static_cast<int>((colour >> 8) & 0xFF); }
constexpr int BlueOf(Colour colour) { return static_cast<int>((colour >> 16) & 0xFF); }

// Moves a colour toward a target. Red moves by factor + 0.02, green by the
// factor, blue by factor + 0.05. A factor of 0 or less (or not a number)
// keeps the colour as it is, high byte included; 1 or more gives the target.
Colour Blend(Colour colour, Colour target, double factor);

Colour HighlightOf(Colour colour); // light frame lines
Colour ShadowOf(Colour colour);    // dark frame lines
Colour FaceOf(Colour colour);      // a push button's face on a table of this colour

// The shades of an engraved empty place; any out-pointer may be null.
void Shades(Colour colour, Colour* light, Colour* base, Colour* dark, Colour* midDark);

// The ten entries of the library palette for a table colour.
constexpr int paletteSize = 10;
std::array<Colour, paletteSize> PaletteEntries(Colour background);
