#include "cardlib/core/DeckPictures.h"

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::uint64_t infoHeaderSize = 40;
constexpr std::uint32_t uncompressed = 0;

std::uint64_t RowStride(std::uint64_t width, std::uint64_t bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

// Red ink: a face of hearts or diamonds has plenty of it, one of clubs or
// spades none (our faces are drawn in black and shades of grey, Wine's in
// pure black).
bool IsRedInk(std::uint32_t colour)
{
    return (colour >> 16 & 0xff) >= 128 && (colour >> 8 & 0xff) < 96 && (colour & 0xff) < 96;
}

// A red card: at least one pixel in a hundred is red ink.
bool IsRedCard(const DibPicture& picture)
{
    int red = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            red += IsRedInk(PixelColour(picture, x, y)) ? 1 : 0;
    return red * 100 >= picture.width * picture.height;
}

} // namespace

bool CheckPicture(ByteSpan resource, DibPicture& picture)
{
    if (resource.size < infoHeaderSize || ReadLittle32(resource.data) != infoHeaderSize)
        return false;
    const std::int64_t width = static_cast<std::int32_t>(ReadLittle32(resource.data + 4));
    const std::int64_t height = static_cast<std::int32_t>(ReadLittle32(resource.data + 8));
    const std::uint16_t planes = ReadLittle16(resource.data + 12);
    const std::uint16_t bitCount = ReadLittle16(resource.data + 14);
    const std::uint32_t compression = ReadLittle32(resource.data + 16);
    const std::uint32_t used = ReadLittle32(resource.data + 32);
    const std::uint64_t rows = static_cast<std::uint64_t>(height < 0 ? -height : height);
    const std::uint64_t indexable = bitCount <= 8 ? std::uint64_t{1} << bitCount : 256;
    const std::uint64_t colours = used != 0 || bitCount > 8 ? used : indexable;
    if (planes != 1 || compression != uncompressed ||
        (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) ||
        colours > indexable || width < 1 || width > largestPictureSide || rows < 1 || rows > largestPictureSide)
        return false;
    // At most 1024 x 32 bits a row and 1024 rows: nothing here can overflow.
    const std::uint64_t infoSize = infoHeaderSize + colours * 4;
    const std::uint64_t rowsSize = RowStride(static_cast<std::uint64_t>(width), bitCount) * rows;
    if (infoSize + rowsSize > resource.size)
        return false;
    picture.info = {resource.data, static_cast<std::size_t>(infoSize)};
    picture.rows = {resource.data + infoSize, static_cast<std::size_t>(rowsSize)};
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(rows);
    picture.topDown = height < 0;
    picture.bitCount = bitCount;
    picture.colours = static_cast<int>(colours);
    return true;
}

bool CheckPictureFile(ByteSpan resource, DibPicture& picture)
{
    if (resource.size < fileHeaderSize || resource.data[0] != 'B' || resource.data[1] != 'M')
        return false;
    const std::uint64_t rowsAt = ReadLittle32(resource.data + 10);
    DibPicture found;
    if (!CheckPicture({resource.data + fileHeaderSize, resource.size - fileHeaderSize}, found) ||
        rowsAt < fileHeaderSize + found.info.size || rowsAt > resource.size || found.rows.size > resource.size - rowsAt)
        return false;
    found.rows.data = resource.data + rowsAt;
    picture = found;
    return true;
}

std::uint32_t PixelColour(const DibPicture& picture, int x, int y)
{
    const int bits = picture.bitCount;
    const std::uint8_t* row = picture.rows.data +
                              RowStride(static_cast<std::uint64_t>(picture.width), static_cast<std::uint64_t>(bits)) *
                                  static_cast<std::uint64_t>(picture.topDown ? y : picture.height - 1 - y);
    if (bits > 8) {
        const std::uint8_t* pixel = row + x * (bits / 8);
        return static_cast<std::uint32_t>(pixel[2] << 16 | pixel[1] << 8 | pixel[0]);
    }
    const int perByte = 8 / bits;
    const int shift = (perByte - 1 - x % perByte) * bits;
    const int index = row[x / perByte] >> shift & ((1 << bits) - 1);
    if (index >= picture.colours)
        return 0;
    const std::uint8_t* entry = picture.info.data + infoHeaderSize + index * 4;
    return static_cast<std::uint32_t>(entry[2] << 16 | entry[1] << 8 | entry[0]);
}

Picture DecodePicture(const DibPicture& picture)
{
    Picture decoded{picture.width, picture.height, {}};
    decoded.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            decoded.pixels.push_back(PixelColour(picture, x, y));
    return decoded;
}

int CellResourceId(DeckOrder order, int cell)
{
    if (order == DeckOrder::SuitBySuit)
        return cell < 52 ? (cell % 4) * 13 + cell / 4 + 1 : cell + 1;
    if (cell < 64)
        return cell < 52 ? cell : cell + 1;
    // The markers X and O, then two more backs where the deck has no frame
    // and no empty place.
    constexpr int markers[] = {67, 68, 65, 66};
    return markers[cell - 64];
}

bool TellDeckOrder(const std::array<DibPicture, 4>& firstPictures, DeckOrder& order)
{
    int pattern = 0;
    for (const DibPicture& picture : firstPictures)
        pattern = pattern << 1 | (IsRedCard(picture) ? 1 : 0);
    if (pattern != 0b0000 && pattern != 0b1100)
        return false;
    order = pattern == 0 ? DeckOrder::SuitBySuit : DeckOrder::RankByRank;
    return true;
}

bool ReadDeckPictures(const PeResources& file, DeckPictures& deck)
{
    std::array<DibPicture, 4> first{};
    for (std::uint32_t i = 0; i < first.size(); ++i)
        if (!CheckPicture(file.Find(bitmapResourceType, i + 1), first[i]))
            return false;
    if (!TellDeckOrder(first, deck.order))
        return false;
    for (int cell = 0; cell < stripCells; ++cell) {
        DibPicture& picture = deck.cells[cell];
        const auto id = static_cast<std::uint32_t>(CellResourceId(deck.order, cell));
        if (!CheckPicture(file.Find(bitmapResourceType, id), picture) || picture.width != deck.cells[0].width ||
            picture.height != deck.cells[0].height)
            return false;
    }
    deck.width = deck.cells[0].width;
    deck.height = deck.cells[0].height;
    return true;
}

bool ReadLargerSet(const PeResources& file, const DeckPictures& standard, int factor,
                   std::array<DibPicture, stripCells>& cells)
{
    const char* type = factor == 2 ? "BITMAP2X" : factor == 3 ? "BITMAP3X" : nullptr;
    for (int cell = 0; type && cell < stripCells; ++cell) {
        DibPicture& picture = cells[cell];
        const auto id = static_cast<std::uint32_t>(CellResourceId(standard.order, cell));
        if (!CheckPictureFile(file.Find(type, id), picture) ||
            !FitsSet(factor, standard.width, standard.height, picture.width, picture.height))
            return false;
    }
    return type != nullptr;
}
