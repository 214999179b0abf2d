#include "cardlib/core/DeckPictures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
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
        EXPECT_EQ(picture.info.data, bytes.data());
        EXPECT_EQ(picture.info.size, c.infoSize);
        EXPECT_EQ(picture.rows.data, bytes.data() + c.infoSize);
        EXPECT_EQ(picture.rows.size, c.length - c.infoSize);
        EXPECT_FALSE(CheckPicture({bytes.data(), bytes.size() - 1}, picture)) << c.header.bits << " bits, one byte less";
    }
    // Each in 30000 bytes, room enough for any 71 x 96 picture.
    const Header refused[] = {
        {40, 71, 96, 1, 4, 0, 17},      {40, 71, 96, 1, 24, 0, 257},  {40, 71, 96, 1, 24, 0, ~0u >> 1},
        {41, 71, 96, 1, 24, 0, 0},      {1 << 20, 71, 96, 1, 24, 0, 0}, {40, 71, 96, 2, 24, 0, 0},
        {40, 71, 96, 0, 24, 0, 0},      {40, 71, 96, 1, 8, 1, 0},     {40, 71, 96, 1, 32, 3, 0},
        {40, 71, 96, 1, 16, 0, 0},      {40, 71, 96, 1, 2, 0, 0},     {40, 71, 96, 1, 0, 0, 0},
        {40, 0, 96, 1, 24, 0, 0},       {40, -71, 96, 1, 24, 0, 0},   {40, 100000, 96, 1, 24, 0, 0},
        {40, 1025, 1, 1, 24, 0, 0},     {40, 71, 4000, 1, 24, 0, 0},  {40, 71, 1025, 1, 1, 0, 0},
        {40, 71, 0, 1, 24, 0, 0},       {40, 71, INT32_MIN, 1, 24, 0, 0}};
    for (const Header& header : refused) {
        const std::vector<std::uint8_t> bytes = Resource(header, 30000);
        DibPicture picture;
        EXPECT_FALSE(CheckPicture({bytes.data(), bytes.size()}, picture))
            << header.size << ": " << header.width << "x" << header.height << "x" << header.bits << " planes "
            << header.planes << " compression " << header.compression << " colours " << header.colours;
    }
}

// Told by ids 1 to 4: four black clubs in our deck, the red aces of diamonds
// and hearts first in Wine's. Red ink is strong red, not grey or dark red,
// in a colour table too; an index past the table is black.
TEST(DeckPictures, TheDeckOrderIsToldByTheRedOfItsFirstPictures)
{
    const std::vector<std::uint8_t> pictures[] = {
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {28, 12, 204, 0}),            // r: red
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {128, 128, 128, 0}),          // g: grey
        Resource({40, 1, 1, 1, 24, 0, 0}, 44, {}, {0, 0, 127, 0}),              // d: dark red
        Resource({40, 2, 1, 1, 4, 0, 2}, 52, {0, 0xff0000}, {0x11, 0, 0, 0}),   // p: red from the table
        Resource({40, 2, 1, 1, 4, 0, 2}, 52, {0, 0xff0000}, {0x22, 0, 0, 0}),   // x: past the table
    };
    const struct {
        const char* colours;
        bool told;
        DeckOrder order;
    } cases[] = {{"gggg", true, DeckOrder::SuitBySuit}, {"dxdg", true, DeckOrder::SuitBySuit},
                 {"rrgg", true, DeckOrder::RankByRank}, {"pgxg", false, {}},  {"prxd", true, DeckOrder::RankByRank},
                 {"grrg", false, {}},                   {"rrrr", false, {}}, {"rggg", false, {}}};
    for (const auto& c : cases) {
        std::array<DibPicture, 4> four{};
        for (int i = 0; i < 4; ++i) {
            const std::vector<std::uint8_t>& bytes = pictures[std::string("rgdpx").find(c.colours[i])];
            ASSERT_TRUE(CheckPicture({bytes.data(), bytes.size()}, four[i]));
        }
        DeckOrder order = c.told ? DeckOrder::RankByRank : DeckOrder::SuitBySuit;
        EXPECT_EQ(TellDeckOrder(four, order), c.told) << c.colours;
        EXPECT_TRUE(!c.told || order == c.order) << c.colours;
    }
}

} // namespace
