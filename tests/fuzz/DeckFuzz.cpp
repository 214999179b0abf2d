// Any bytes at all, read as a deck file: no read may leave the buffer
// (AddressSanitizer), no arithmetic may overflow (UndefinedBehaviorSanitizer),
// and a deck that is accepted hands the drawing calls only bytes inside the
// file, exactly as many as each picture's header makes them read.
#include "cardlib/core/DeckPictures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    DeckPictures deck;
    if (!ReadDeckPictures(PeResources(data, size), deck))
        return 0;
    const auto inside = [&](ByteSpan span) { return span.data >= data && span.data + span.size <= data + size; };
    for (const DibPicture& picture : deck.cells) {
        const std::size_t stride = (static_cast<std::size_t>(picture.width) * picture.bitCount + 31) / 32 * 4;
        if (!inside(picture.info) || !inside(picture.rows) || picture.width != deck.width ||
            picture.height != deck.height || picture.info.size != 40 + 4 * std::size_t(picture.colours) ||
            picture.rows.size != stride * std::size_t(picture.height))
            __builtin_trap();
        PixelColour(picture, picture.width - 1, picture.height - 1);
    }
    return 0;
}
