#include "ui/core/BannerFamily.h"

#include "res/ResourceIds.h"

namespace banner {

int ImageFor(std::uint32_t tableColour)
{
    switch (tableColour) {
    case 0:
        return noImage;
    case 0x00005000:
    case 0x00328032:
    case 0x00644000:
    case 0x00FF8827:
        return IDB_BANNER_LOGO;
    default:
        return IDB_BANNER_ADDRESS;
    }
}

std::uint32_t KeyColourOf(int imageId) { return imageId == IDB_BANNER_LOGO ? 0x0024BFF8u : 0x00E7D6C6u; }

bool NeedsLayout(int oldImage, int newImage, int parentWindowHeight)
{
    return newImage != oldImage && oldImage != noImage && parentWindowHeight > 200;
}

} // namespace banner
