#include "ui/core/PanelLayout.h"

#include <cstring>

namespace panel {

Rect PictureClip(int imageWidth, int imageHeight)
{
    return {imageWidth / 9, imageHeight / 6 + 29, (9 * imageWidth) / 10 + 1, imageHeight + 28};
}

bool ClipsPicture(std::uint32_t tableColour) { return tableColour != pictureGround; }

std::string ValueText(int value) { return value == -1 ? std::string() : std::to_string(value); }

Point NumberOrigin(int imageWidth, int imageHeight, int characters, int measuredWidth, const DisplayScale& scale)
{
    const int two = scale.ToDevice(2);
    const Rect area{0, two, imageWidth, imageHeight};
    // Signed throughout: the wide texts give a negative difference to halve.
    const long long spare = static_cast<long long>(area.Width()) - static_cast<long long>(characters) * measuredWidth;
    int x = area.left + static_cast<int>(spare / 2);
    x += characters >= 2 ? two : -two;
    return {x, area.bottom - area.top};
}

Rect LabelBand(int panelWidth, int textHeight) { return {0, 0, panelWidth, textHeight}; }

Point LabelOrigin(int panelWidth, int textWidth, int textHeight)
{
    return {panelWidth / 2 - textWidth / 2, textHeight / 2};
}

Rect WidenedForLabel(const Rect& pictureArea, int labelWidth)
{
    const int needed = labelWidth + 2;
    if (needed <= pictureArea.Width())
        return pictureArea;
    const int side = (needed - pictureArea.Width() + 1) / 2;
    return {pictureArea.left - side, pictureArea.top, pictureArea.right + side, pictureArea.bottom};
}

bool FitsLabel(const char* text) { return text && std::strlen(text) <= labelCapacity; }

} // namespace panel
