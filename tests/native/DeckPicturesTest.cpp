#include "cardlib/core/DeckPictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

namespace {

struct Header {
    std::int64_t size, width, height, planes, bits, compression, colours;
};

// A bitmap resource: the header, a colour table and rows, padded with zeros
// or cut to `length` bytes. (The tests run on little-endian machines, as
// the file is.)
std::vector<std::uint8_t> Resource(const Header& h, std::size_t length, std::vector<std::uint32_t> table = {},
                                   const std::vector<std::uint8_t>& rows = {})
{
    const auto word = [](std::int64_t value) { return static_cast<std::uint32_t>(value); };
    table.insert(table.begin(), {word(h.size), word(h.width), word(h.height), word(h.planes | h.bits << 16),
                                 word(h.compression), 0, 0, 0, word(h.colours), 0});
    std::vector<std::uint8_t> bytes(table.size() * 4);
    std::memcpy(bytes.data(), table.data(), bytes.size());
    bytes.insert(bytes.end(), rows.begin(), rows.end());
    bytes.resize(length);
    return bytes;
}

// Only what the system would draw from exactly the bytes the resource holds
// passes: our 24-bit pictures (71 x 96: 40 + 96 rows of 216 bytes) and
// Wine's 4-bit ones (40 + 16 colours of 4 + 96 rows of 36), top-down too.
TEST(DeckPictures, CheckPictureTakesOnlyHeadersWhoseRowsFitTheResource)
{
    const struct {
        Header header;
        std::size_t length, infoSize;
    } accepted[] = {{{40, 71, 96, 1, 24, 0, 0}, 20776, 40},     {{40, 71, -96, 1, 24, 0, 0}, 20776, 40},
                    {{40, 71, 96, 1, 4, 0, 0}, 3560, 104},      {{40, 71, 96, 1, 4, 0, 16}, 3560, 104},
                    {{40, 71, 96, 1, 4, 0, 2}, 3504, 48},       {{40, 71, 96, 1, 24, 0, 256}, 21800, 1064},
                    {{40, 1, 1, 1, 1, 0, 0}, 52, 48},           {{40, 1024, -1024, 1, 32, 0, 0}, 4194344, 40}};
    for (const auto& c : accepted) {
        const std::vector<std::uint8_t> bytes = Resource(c.header, c.length);
        DibPicture picture;
        ASSERT_TRUE(CheckPicture({bytes.data(), bytes.size()}, picture)) << c.header.bits << " bits";
        EXPECT_EQ(std::tuple(picture.info.data, picture.info.size, picture.rows.data, picture.rows.size),
                  std::tuple(bytes.data(), c.infoSize, bytes.data() + c.infoSize, c.length - c.infoSize));
        EXPECT_FALSE(CheckPicture({bytes.data(), bytes.size() - 1}, picture)) << c.header.bits << " bits, 1 byte less";
    }
    // Each in 30000 bytes, room enough for any 71 x 96 picture.
    const Header refused[] = {
        {40, 71, 96, 1, 4, 0, 17}, {40, 71, 96, 1, 24, 0, 257}, {41, 71, 96, 1, 24, 0, 0}, {40, 71, 96, 2, 24, 0, 0},
        {40, 71, 96, 0, 24, 0, 0}, {40, 71, 96, 1, 8, 1, 0},    {40, 71, 96, 1, 32, 3, 0}, {40, 71, 96, 1, 16, 0, 0},
        {40, 71, 96, 1, 2, 0, 0},  {40, 71, 96, 1, 0, 0, 0},    {40, 0, 96, 1, 24, 0, 0},  {40, -71, 96, 1, 24, 0, 0},
        {40, 1025, 1, 1, 24, 0, 0}, {40, 71, 1025, 1, 1, 0, 0}, {40, 71, 0, 1, 24, 0, 0},
        {40, 71, INT32_MIN, 1, 8, 0, 0}};
    for (const Header& header : refused) {
        const std::vector<std::uint8_t> bytes = Resource(header, 30000);
        DibPicture picture;
        EXPECT_FALSE(CheckPicture({bytes.data(), bytes.size()}, picture)) << header.size << ": " << header.width << "x"
            << header.height << "x" << header.bits << " " << header.planes << header.compression << header.colours;
    }
}

// Told by ids 1 to 4: four black clubs in our deck, the red aces of diamonds
// and hearts first in Wine's. Red ink is strong red, not grey, dark red or
// yellow, in a colour table too; an index past the table is black, whatever
// the bytes after the table hold.
TEST(DeckPictures, TheDeckOrderIsToldByTheRedOfItsFirstPictures)
{
    const std::vector<std::uint8_t> pictures[] = {
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {28, 12, 204, 0}),            // r: red
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {128, 128, 128, 0}),          // g: grey
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {0, 0, 127, 0}),              // d: dark red
        Resource({40, 2, 1, 1, 4, 0, 2}, 52, {0, 0xff0000}, {0x11, 0, 0, 0}),   // p: red from the table
        Resource({40, 2, 1, 1, 4, 0, 2}, 52, {0, 0xff0000}, {0x22, 0, 255, 0}), // x: past the table
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {0, 255, 255, 0}),            // y: yellow
    };
    // Four pictures (r: red, g: grey, ...), then the order told: S suit by suit, R rank by rank, - none.
    const char* const cases[] = {"gggg S", "dxyg S", "rrgg R", "prxd R", "pgxg -", "grrg -", "rrrr -", "rggg -"};
    for (const std::string c : cases) {
        std::array<DibPicture, 4> four{};
        for (int i = 0; i < 4; ++i) {
            const std::vector<std::uint8_t>& bytes = pictures[std::string("rgdpxy").find(c[i])];
            ASSERT_TRUE(CheckPicture({bytes.data(), bytes.size()}, four[i]));
        }
        DeckOrder order = c[5] == 'S' ? DeckOrder::RankByRank : DeckOrder::SuitBySuit;
        const bool told = TellDeckOrder(four, order);
        EXPECT_EQ(told ? order == DeckOrder::SuitBySuit ? 'S' : 'R' : '-', c[5]) << c;
    }
}

} // namespace
