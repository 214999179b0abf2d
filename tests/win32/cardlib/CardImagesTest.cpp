#include "cardlib/CardImages.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/DeckPictures.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

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
// different cards all differ, so a wrong mapping cannot pass unseen); at
// twice the size the deck's own larger picture as the system reads the file,
// the outline's every pixel a 2 x 2 block: not the standard one enlarged,
// in which every aligned 2 x 2 block would be one colour.
TEST_F(CardImages, EveryCellHoldsItsResourceInsideTheOutline)
{
    for (int k : {1, 2}) {
        ASSERT_TRUE(LoadCardImagesFrom(Wide(BesideProgram("cards.dll")), DisplayScale(96 * k, 100)));
        ASSERT_EQ(std::make_pair(cardWidth, cardHeight), std::make_pair(71, 96));
        const int w = 71 * k, h = 96 * k;
        MemorySurface strip(stripCells * w, h), pictures(stripCells * w, h);
        BitBlt(strip.Context(), 0, 0, stripCells * w, h, cardStripSurface.Get(), 0, 0, SRCCOPY);
        MemoryContext from(pictures.Context());
        for (int cell = 0; cell < stripCells; ++cell) {
            // Rank by rank, clubs to spades (ids 1, 14, 27, 40 for the aces), then the backs and places.
            const int id = cell < 52 ? cell % 4 * 13 + cell / 4 + 1 : cell + 1;
            GdiObject<HBITMAP> picture(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
            const auto* file = static_cast<const BYTE*>(
                LockResource(LoadResource(module, FindResourceA(module, MAKEINTRESOURCEA(id), "BITMAP2X"))));
            ASSERT_TRUE(picture.Get() && file) << cell;
            ScopedSelect selected(from.Get(), picture.Get());
            if (k == 1)
                BitBlt(pictures.Context(), cell * w, 0, w, h, from.Get(), 0, 0, SRCCOPY);
            else
                StretchDIBits(pictures.Context(), cell * w, 0, w, h, 0, 0, w, h,
                              file + *reinterpret_cast<const DWORD*>(file + 10),
                              reinterpret_cast<const BITMAPINFO*>(file + 14), DIB_RGB_COLORS, SRCCOPY);
        }
        int blended = 0;
        for (int i = 0; i < stripCells * w * h; ++i) {
            const int x = i % (stripCells * w), y = i / (stripCells * w);
            ASSERT_EQ(strip.Pixel(x, y), OnOutline(x % w / k, y / k) ? 0 : pictures.Pixel(x, y))
                << k << "x at " << x << "," << y;
            blended += x % 2 == 0 && y % 2 == 0 && strip.CountOf(strip.Pixel(x, y), x, y, x + 2, y + 2) < 4;
        }
        EXPECT_GT(blended, k == 1 ? 0 : stripCells * 100) << k;
    }
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
