#pragma once

#include "cardlib/core/DisplayScale.h"
#include "cardlib/core/Geometry.h"

#include <cstdint>
#include <string>

// Where a status panel puts its picture, its number and its label. A panel
// is 54 x 65 pixels on the table: the label band at the top, the picture from
// row 30 down, the number over the picture's lower part.
namespace panel {

constexpr int pictureTop = 30;
constexpr std::uint32_t pictureGround = 0x00644000; // the picture's own dark blue
constexpr std::uint32_t numberColour = 0x00FE1414;
constexpr std::uint32_t labelColour = 0x00FFFFFF;
constexpr std::size_t labelCapacity = 31;           // characters, without the terminator

// The rounded rectangle that shows only the picture's oval; its corner
// ellipse is imageWidth x imageHeight.
Rect PictureClip(int imageWidth, int imageHeight);

// Only a table of the picture's own colour shows the whole picture.
bool ClipsPicture(std::uint32_t tableColour);

// The decimal text of a panel value, "" for -1 (no number).
std::string ValueText(int value);

// Top left of the number. `characters` is the length of the text and
// `measuredWidth` the text's width in the panel's default font. Short numbers
// are shifted (one digit 2 pixels left, two digits 2 right); wider numbers
// are centred with signed arithmetic so that they never land outside. On a
// scaled panel the sizes are device pixels and the 2-pixel steps mapped.
Point NumberOrigin(int imageWidth, int imageHeight, int characters, int measuredWidth,
                   const DisplayScale& scale = {});

// The label band across the top, as high as the label's text.
Rect LabelBand(int panelWidth, int textHeight);
// Top left of the label: centred, half a line down.
Point LabelOrigin(int panelWidth, int textWidth, int textHeight);

// The panel's window for a picture placed at `pictureArea` and a label
// `labelWidth` pixels wide: the picture's own place when the label fits in
// it (with a pixel to spare on each side), else as wide as the label needs,
// widened evenly on both sides so the label stays centred over the picture.
Rect WidenedForLabel(const Rect& pictureArea, int labelWidth);

// A label longer than the panel can hold is refused, not cut.
bool FitsLabel(const char* text);

} // namespace panel
