// Any bytes at all, read as a deck file: no read may leave the buffer
// (AddressSanitizer), no arithmetic may overflow (UndefinedBehaviorSanitizer),
// and a deck that is accepted, and each larger set of it, hands the drawing
// only bytes of each picture's own resource, exactly as many as its header
// makes it read, every picture of a set of the set's size.
#include "cardlib/core/DeckPictures.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const PeResources file(data, size);
    DeckPictures deck;
    if (!ReadDeckPictures(file, deck))
        return 0;
    std::array<DibPicture, stripCells> set = deck.cells;
    for (int factor = 1; factor <= 3; ++factor) {
        if (factor > 1 && !ReadLargerSet(file, deck, factor, set))
            continue;
        for (int cell = 0; cell < stripCells; ++cell) {
            const DibPicture& picture = set[cell];
            const auto id = static_cast<std::uint32_t>(CellResourceId(deck.order, cell));
            const ByteSpan own = factor == 1 ? file.Find(bitmapResourceType, id)
                                             : file.Find(factor == 2 ? "BITMAP2X" : "BITMAP3X", id);
            const auto inside = [&](ByteSpan span) {
                return span.data >= own.data && span.data + span.size <= own.data + own.size;
            };
            const std::size_t stride = (static_cast<std::size_t>(picture.width) * picture.bitCount + 31) / 32 * 4;
            if (!inside(picture.info) || !inside(picture.rows) || picture.width != factor * deck.width ||
                picture.height != factor * deck.height || picture.info.size != 40 + 4 * std::size_t(picture.colours) ||
                picture.rows.size != stride * std::size_t(picture.height))
                __builtin_trap();
            PixelColour(picture, picture.width - 1, picture.height - 1);
        }
    }
    return 0;
}
