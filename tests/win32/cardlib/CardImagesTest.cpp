#include "cardlib/CardImages.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/DeckPictures.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

std::string BesideProgram(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// The test's paths are plain ASCII.
std::wstring Wide(const std::string& path)
{
    return std::wstring(path.begin(), path.end());
}

// The black octagon the strip draws round every card.
bool OnOutline(int x, int y)
{
    const bool edgeRow = (y == 0 || y == 95) && x >= 2 && x <= 68;
    const bool sideColumn = (x == 0 || x == 70) && y >= 2 && y <= 93;
    return edgeRow || sideColumn || ((x == 1 || x == 69) && (y == 1 || y == 94));
}

class CardImages : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(windowCount, 0) << "the shared images belong to no window here";
        module = LoadLibraryExA(BesideProgram("cards.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override
    {
        ReleaseCardImages();
        FreeLibrary(module);
    }
    HMODULE module = nullptr;
};

// Every cell holds its own resource inside the outline (our pictures of
// different cards all differ, so a wrong mapping cannot pass unseen).
TEST_F(CardImages, EveryCellHoldsItsResourceInsideTheOutline)
{
    ASSERT_TRUE(LoadCardImagesFrom(Wide(BesideProgram("cards.dll"))));
    ASSERT_EQ(std::make_pair(cardWidth, cardHeight), std::make_pair(71, 96));
    MemorySurface strip(stripCells * 71, 96), pictures(stripCells * 71, 96);
    BitBlt(strip.Context(), 0, 0, stripCells * 71, 96, cardStripSurface.Get(), 0, 0, SRCCOPY);
    MemoryContext from(pictures.Context());
    for (int cell = 0; cell < stripCells; ++cell) {
        // Rank by rank, clubs to spades (ids 1, 14, 27, 40 for the aces), then the backs and places.
        const int id = cell < 52 ? cell % 4 * 13 + cell / 4 + 1 : cell + 1;
        GdiObject<HBITMAP> picture(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
        ASSERT_NE(picture.Get(), nullptr) << cell;
        ScopedSelect selected(from.Get(), picture.Get());
        BitBlt(pictures.Context(), cell * 71, 0, 71, 96, from.Get(), 0, 0, SRCCOPY);
    }
    for (int i = 0; i < stripCells * 71 * 96; ++i) {
        const int x = i % (stripCells * 71), y = i / (stripCells * 71);
        ASSERT_EQ(strip.Pixel(x, y), OnOutline(x % 71, y) ? 0 : pictures.Pixel(x, y)) << "at " << x << "," << y;
    }
}

// At twice the size a card shows the deck's own picture of that size, as
// the system reads the file, inside the outline (each of its pixels a 2 x 2
// block): not the standard picture enlarged, in which every aligned 2 x 2
// block would be one colour.
TEST_F(CardImages, AtTwiceTheSizeACardIsTheDecksOwnLargerPicture)
{
    TestTable table(200, 250);
    CardRegion* queen = table.Region(1, 10, 20, 0, 0, "QS");
    table.Window().SetScale(DisplayScale(192, 100));
    MemorySurface painted(200, 250), picture(142, 192);
    painted.Fill(RGB(255, 0, 255));
    queen->Draw(painted.Context());
    const auto* file = static_cast<const BYTE*>(
        LockResource(LoadResource(module, FindResourceA(module, MAKEINTRESOURCEA(51), "BITMAP2X"))));
    ASSERT_NE(file, nullptr);
    StretchDIBits(picture.Context(), 0, 0, 142, 192, 0, 0, 142, 192, file + *reinterpret_cast<const DWORD*>(file + 10),
                  reinterpret_cast<const BITMAPINFO*>(file + 14), DIB_RGB_COLORS, SRCCOPY);
    int wrong = 0, blended = 0;
    for (int y = 0; y < 192; ++y)
        for (int x = 0; x < 142; ++x) {
            const int i = x / 2, j = y / 2;
            const COLORREF expected = std::min(i, 70 - i) + std::min(j, 95 - j) < 2 ? RGB(255, 0, 255)
                                      : OnOutline(i, j)                           ? 0
                                                                                  : picture.Pixel(x, y);
            wrong += painted.Pixel(20 + x, 40 + y) != expected;
            blended += x % 2 == 0 && y % 2 == 0 &&
                       (picture.Pixel(x + 1, y) != picture.Pixel(x, y) || picture.Pixel(x, y + 1) != picture.Pixel(x, y));
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(blended, 100);
}

// A deck that cannot be read is refused with the error box and a quit. (What a damaged deck does to the whole program
// the end-to-end deck test shows.)
TEST_F(CardImages, AnUnreadableDeckIsRefusedWithTheErrorBoxAndQuit)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    TakeQuitMessage();
    EXPECT_FALSE(LoadCardImagesFrom(Wide(BesideProgram("no-such-folder\\cards.dll"))));
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(cardWidth, 0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Error loading cards.dll (32bit)");
    EXPECT_EQ(platform.messages[0].caption, "Kilp");
    EXPECT_EQ(platform.messages[0].flags, 0x30u);
}

} // namespace
