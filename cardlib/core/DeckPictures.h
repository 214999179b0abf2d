#pragma once

#include "cardlib/core/PeResources.h"
#include "cardlib/core/PictureScaling.h"

#include <array>
#include <cstdint>

// A bitmap resource that passed CheckPicture: a 40-byte header and its
// colour table, then the rows, uncompressed, all inside the resource.
struct DibPicture {
    ByteSpan info; // header and colour table, as the drawing call takes them
    ByteSpan rows; // exactly the rows the header describes
    int width = 0;
    int height = 0; // rows; the header's sign tells bottom-up from top-down
    bool topDown = false;
    int bitCount = 0;
    int colours = 0;
};

// The longest side a picture may have; larger headers are damaged or crafted.
constexpr int largestPictureSide = 1024;
// The card strip: 68 pictures side by side, the 52 faces first.
constexpr int stripCells = 68;
// Bitmap resources are of resource type 2.
constexpr std::uint32_t bitmapResourceType = 2;

// The picture in a bitmap resource, when its header asks for nothing the
// resource does not hold and nothing the system would read differently:
// a 40-byte header, one plane, no compression, 1, 4, 8, 24 or 32 bits a
// pixel, a colour table no longer than those bits can index (at most 256
// entries), both sides from 1 to largestPictureSide, and header, table and
// rows together within the resource. False for anything else.
bool CheckPicture(ByteSpan resource, DibPicture& picture);
// The same for a whole BMP file, the form of the larger sets: its 14-byte
// file header, then the picture, whose rows lie where the file header says,
// past the colour table and within the resource.
bool CheckPictureFile(ByteSpan resource, DibPicture& picture);

// The colour of a pixel, 0x00RRGGBB, counted from the top left; an index
// past the colour table reads as black.
std::uint32_t PixelColour(const DibPicture& picture, int x, int y);
// All of them, row by row from the top.
Picture DecodePicture(const DibPicture& picture);

// How a card library numbers its pictures.
enum class DeckOrder {
    // Ids 1..52 ace to king of clubs, then diamonds, hearts and spades;
    // 53..64 card backs, 65..68 the place markers X, O, frame and empty.
    SuitBySuit,
    // Ids 0..51 the four aces (clubs, diamonds, hearts, spades), then the
    // four twos and so on; 52..66 card backs, 67 and 68 the markers X and O.
    RankByRank,
};

// The resource id whose picture fills strip cell `cell` (0..67): cells
// 0..51 hold the faces rank by rank, clubs to spades, 52..63 backs, 64 and
// 65 the markers X and O, 66 and 67 the frame and the empty place (a deck
// without those fills them with further backs).
int CellResourceId(DeckOrder order, int cell);

// The order of a deck told from its own pictures: ids 1 to 4 are four black
// clubs in a deck numbered suit by suit, red, red, black and black (ace of
// diamonds, hearts and spades, two of clubs) in one numbered rank by rank
// from 0. False when they are neither.
bool TellDeckOrder(const std::array<DibPicture, 4>& firstPictures, DeckOrder& order);

// The 68 pictures of a deck file in strip order.
struct DeckPictures {
    DeckOrder order = DeckOrder::SuitBySuit;
    int width = 0;
    int height = 0;
    std::array<DibPicture, stripCells> cells{};
};

// Reads a deck file's order and its 68 strip pictures; false when the order
// cannot be told, or any picture is missing, fails CheckPicture, or differs
// in size from the first.
bool ReadDeckPictures(const PeResources& file, DeckPictures& deck);

// The larger sets of a deck: its pictures at 2 and 3 times the standard
// size, whole BMP files under resource types of their own, "BITMAP2X" and
// "BITMAP3X", with the standard set's ids. Reads the set of `factor` in
// strip order; false unless all 68 are there, pass CheckPictureFile and are
// exactly that many times the standard size: a set is never mixed. Only
// headers are read.
bool ReadLargerSet(const PeResources& file, const DeckPictures& standard, int factor,
                   std::array<DibPicture, stripCells>& cells);
