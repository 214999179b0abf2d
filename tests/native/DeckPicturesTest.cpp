#include "cardlib/core/DeckPictures.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

namespace {

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

struct Header {
    std::uint32_t size;
    std::int32_t width, height;
    std::uint16_t planes, bits;
    std::uint32_t compression, colours;
};

// A bitmap resource of `length` bytes with the given header, colour table
// and rows (from the resource's start of rows on), zeros elsewhere.
std::vector<std::uint8_t> Resource(const Header& h, std::size_t length, const std::vector<std::uint32_t>& table = {},
                                   const std::vector<std::uint8_t>& rows = {})
{
    std::vector<std::uint8_t> bytes(length);
    const std::uint32_t fields[][3] = {{0, h.size, 4},   {4, static_cast<std::uint32_t>(h.width), 4},
                                       {8, static_cast<std::uint32_t>(h.height), 4},
                                       {12, h.planes, 2}, {14, h.bits, 2}, {16, h.compression, 4},
                                       {32, h.colours, 4}};
    for (const auto& field : fields)
        if (field[0] + field[2] <= length)
            Put(bytes, field[0], field[1], static_cast<int>(field[2]));
    for (std::size_t i = 0; i < table.size(); ++i)
        Put(bytes, 40 + 4 * i, table[i], 4);
    for (std::size_t i = 0; i < rows.size(); ++i)
        bytes[40 + 4 * table.size() + i] = rows[i];
    return bytes;
}

// Only what the system would draw from exactly the bytes the resource holds
// passes: our 24-bit pictures (71 x 96: 40 + 96 rows of 216 bytes) and
// Wine's 4-bit ones (40 + 16 colours of 4 + 96 rows of 36), top-down too.
TEST(DeckPictures, CheckPictureTakesOnlyHeadersWhoseRowsFitTheResource)
{
    const struct {
        Header header;
        std::size_t length, infoSize; // 0: refused
    } cases[] = {
        {{40, 71, 96, 1, 24, 0, 0}, 20776, 40},         {{40, 71, 96, 1, 24, 0, 0}, 20775, 0},
        {{40, 71, -96, 1, 24, 0, 0}, 20776, 40},        {{40, 71, 96, 1, 32, 0, 0}, 20776, 0},
        {{40, 71, 96, 1, 4, 0, 0}, 3560, 104},          {{40, 71, 96, 1, 4, 0, 16}, 3560, 104},
        {{40, 71, 96, 1, 4, 0, 2}, 3504, 48},           {{40, 71, 96, 1, 4, 0, 17}, 9000, 0},
        {{40, 71, 96, 1, 24, 0, 256}, 21800, 1064},     {{40, 71, 96, 1, 24, 0, 257}, 30000, 0},
        {{40, 71, 96, 1, 24, 0, 0x7fffffff}, 30000, 0}, {{40, 1, 1, 1, 1, 0, 0}, 52, 48},
        {{40, 1, 1, 1, 1, 0, 0}, 51, 0},                {{40, 1024, -1024, 1, 32, 0, 0}, 4194344, 40},
        {{41, 71, 96, 1, 24, 0, 0}, 30000, 0},          {{1 << 20, 71, 96, 1, 24, 0, 0}, 30000, 0},
        {{40, 71, 96, 2, 24, 0, 0}, 30000, 0},          {{40, 71, 96, 0, 24, 0, 0}, 30000, 0},
        {{40, 71, 96, 1, 8, 1, 0}, 30000, 0},           {{40, 71, 96, 1, 32, 3, 0}, 30000, 0},
        {{40, 71, 96, 1, 16, 0, 0}, 30000, 0},          {{40, 71, 96, 1, 2, 0, 0}, 30000, 0},
        {{40, 71, 96, 1, 0, 0, 0}, 30000, 0},           {{40, 0, 96, 1, 24, 0, 0}, 30000, 0},
        {{40, -71, 96, 1, 24, 0, 0}, 30000, 0},         {{40, 100000, 96, 1, 24, 0, 0}, 30000, 0},
        {{40, 1025, 1, 1, 24, 0, 0}, 30000, 0},         {{40, 71, 4000, 1, 24, 0, 0}, 30000, 0},
        {{40, 71, 1025, 1, 1, 0, 0}, 30000, 0},         {{40, 71, 0, 1, 24, 0, 0}, 30000, 0},
        {{40, 71, INT_MIN, 1, 24, 0, 0}, 30000, 0},     {{40, 71, 96, 1, 24, 0, 0}, 39, 0},
    };
    for (const auto& c : cases) {
        const std::vector<std::uint8_t> bytes = Resource(c.header, c.length);
        DibPicture picture;
        const bool accepted = CheckPicture({bytes.data(), bytes.size()}, picture);
        EXPECT_EQ(accepted, c.infoSize > 0) << c.header.width << "x" << c.header.height << "x" << c.header.bits
                                            << " colours " << c.header.colours << " in " << c.length;
        if (accepted && c.infoSize > 0) {
            EXPECT_EQ(picture.info.data, bytes.data());
            EXPECT_EQ(picture.info.size, c.infoSize);
            EXPECT_EQ(picture.rows.data, bytes.data() + c.infoSize);
            EXPECT_EQ(picture.rows.size, c.length - c.infoSize);
        }
    }
}

// Pixels counted from the top left whichever way the rows are stored; an
// index past a short colour table is black.
TEST(DeckPictures, PixelColourReadsEveryDepthTopFirst)
{
    const std::vector<std::uint32_t> table = {0x000000, 0x00ff0000, 0x0000ff00};
    const struct {
        Header header;
        std::vector<std::uint32_t> table;
        std::vector<std::uint8_t> rows;
        int x, y;
        std::uint32_t colour;
    } cases[] = {
        {{40, 9, 2, 1, 1, 0, 0}, {0, 0xabcdef}, {0, 0x80, 0, 0, 0x40, 0, 0, 0}, 8, 1, 0xabcdef},
        {{40, 9, 2, 1, 1, 0, 0}, {0, 0xabcdef}, {0, 0x80, 0, 0, 0x40, 0, 0, 0}, 1, 0, 0xabcdef},
        {{40, 3, 1, 1, 4, 0, 3}, table, {0x12, 0x30, 0, 0}, 1, 0, 0x00ff00},
        {{40, 3, 1, 1, 4, 0, 3}, table, {0x12, 0x30, 0, 0}, 2, 0, 0},
        {{40, 2, -2, 1, 8, 0, 3}, table, {1, 0, 0, 0, 0, 2, 0, 0}, 0, 0, 0xff0000},
        {{40, 2, 2, 1, 8, 0, 3}, table, {1, 0, 0, 0, 0, 2, 0, 0}, 1, 0, 0x00ff00},
        {{40, 2, 1, 1, 24, 0, 0}, {}, {1, 2, 3, 4, 5, 6, 0, 0}, 1, 0, 0x060504},
        {{40, 2, 1, 1, 32, 0, 0}, {}, {1, 2, 3, 9, 4, 5, 6, 9}, 1, 0, 0x060504},
    };
    for (const auto& c : cases) {
        const std::size_t length = 40 + 4 * c.table.size() + c.rows.size();
        const std::vector<std::uint8_t> bytes = Resource(c.header, length, c.table, c.rows);
        DibPicture picture;
        ASSERT_TRUE(CheckPicture({bytes.data(), bytes.size()}, picture)) << c.header.bits;
        EXPECT_EQ(PixelColour(picture, c.x, c.y), c.colour) << c.header.bits << " bits at " << c.x << "," << c.y;
    }
}

// Told by ids 1 to 4: four black clubs in our deck, the red aces of diamonds
// and hearts first in Wine's; red ink is strong red, not grey or dark red.
TEST(DeckPictures, TheDeckOrderIsToldByTheRedOfItsFirstPictures)
{
    const std::vector<std::uint8_t> red = Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {28, 12, 204, 0});
    const std::vector<std::uint8_t> grey = Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {128, 128, 128, 0});
    const std::vector<std::uint8_t> dark = Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {0, 0, 127, 0});
    const struct {
        const char* colours; // r red, g grey, d dark red
        bool told;
        DeckOrder order;
    } cases[] = {{"gggg", true, DeckOrder::SuitBySuit}, {"dgdg", true, DeckOrder::SuitBySuit},
                 {"rrgg", true, DeckOrder::RankByRank}, {"grrg", false, {}},
                 {"rrrr", false, {}},                   {"rggg", false, {}}};
    for (const auto& c : cases) {
        std::array<DibPicture, 4> pictures{};
        for (int i = 0; i < 4; ++i) {
            const std::vector<std::uint8_t>& bytes = c.colours[i] == 'r' ? red : c.colours[i] == 'g' ? grey : dark;
            ASSERT_TRUE(CheckPicture({bytes.data(), bytes.size()}, pictures[i]));
        }
        DeckOrder order = c.told ? DeckOrder::RankByRank : DeckOrder::SuitBySuit;
        EXPECT_EQ(TellDeckOrder(pictures, order), c.told) << c.colours;
        EXPECT_TRUE(!c.told || order == c.order) << c.colours;
    }
}

// Strip cells hold the faces rank by rank, clubs to spades, then the backs,
// the markers X and O, the frame and the empty place.
TEST(DeckPictures, EachStripCellComesFromItsResourceInEitherOrder)
{
    const int suitBySuit[][2] = {{0, 1},  {1, 14},  {2, 27},  {3, 40},  {4, 2},   {51, 52},
                                 {52, 53}, {63, 64}, {64, 65}, {65, 66}, {67, 68}};
    for (const auto& c : suitBySuit)
        EXPECT_EQ(CellResourceId(DeckOrder::SuitBySuit, c[0]), c[1]) << c[0];
    const int rankByRank[][2] = {{0, 0},   {1, 1},   {4, 4},   {51, 51}, {52, 53},
                                 {63, 64}, {64, 67}, {65, 68}, {66, 65}, {67, 66}};
    for (const auto& c : rankByRank)
        EXPECT_EQ(CellResourceId(DeckOrder::RankByRank, c[0]), c[1]) << c[0];
}

} // namespace
