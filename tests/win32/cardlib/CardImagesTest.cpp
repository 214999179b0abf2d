#include "cardlib/CardImages.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/DeckPictures.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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

std::string InTemp(const std::string& name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder + name;
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

// A copy of our deck at `path` with bitmap `brokenId` left out (no
// replacement) or replaced; id 0 copies it faithfully.
bool RebuildDeck(HMODULE original, const std::string& path, int brokenId, const std::vector<BYTE>& replacement)
{
    HANDLE update = CopyFileA(BesideProgram("cards.dll").c_str(), path.c_str(), FALSE)
                        ? BeginUpdateResourceA(path.c_str(), TRUE)
                        : nullptr;
    bool added = update != nullptr;
    for (int id = 1; added && id <= 68; ++id) {
        if (id == brokenId && replacement.empty())
            continue;
        HRSRC found = FindResourceA(original, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
        DWORD size = id == brokenId ? static_cast<DWORD>(replacement.size()) : SizeofResource(original, found);
        void* data = id == brokenId ? const_cast<BYTE*>(replacement.data()) : LockResource(LoadResource(original, found));
        added = UpdateResourceA(update, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(id),
                                MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), data, size);
    }
    return update && EndUpdateResourceA(update, !added) && added;
}

// A 24-bit bitmap resource (a DIB without its file header) of a given size.
std::vector<BYTE> BitmapResource(int width, int height)
{
    BITMAPINFOHEADER header = {sizeof(header), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<BYTE> data(sizeof(header) + static_cast<std::size_t>((width * 3 + 3) / 4 * 4 * height), 0x80);
    std::memcpy(data.data(), &header, sizeof(header));
    return data;
}

// A deck that cannot be loaded, or whose bitmaps are missing or not all of
// one size, is refused with the error box and a quit, leaving nothing behind.
// The deck is never taken from the current folder, where a broken one lies.
TEST_F(CardImages, MissingOrBrokenDecksAreRefusedWithTheErrorBoxAndQuit)
{
    const struct {
        const char* name;
        int id;
        std::vector<BYTE> replacement;
        bool loads, fromCurrentFolder;
    } cases[] = {{"wexa-rebuilt.dll", 0, {}, true, false},
                 {"no-such-folder\\cards.dll", -1, {}, false, false},
                 {"wexa-missing-30.dll", 30, {}, false, false},
                 {"wexa-wide-5.dll", 5, BitmapResource(72, 96), false, false},
                 {"wexa-short-68.dll", 68, BitmapResource(71, 95), false, false},
                 {"wexa-current\\cards.dll", 5, BitmapResource(72, 96), true, true}};
    CreateDirectoryA(InTemp("wexa-current").c_str(), nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = InTemp(c.name);
        ASSERT_EQ(RebuildDeck(module, path, c.id, c.replacement), c.id >= 0);
        FakePlatform platform;
        ScopedPlatform installed(platform);
        TakeQuitMessage();
        const long outstanding = GdiObjectsOutstanding();
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        ASSERT_TRUE(!c.fromCurrentFolder || SetCurrentDirectoryA(InTemp("wexa-current").c_str()));
        EXPECT_EQ(c.fromCurrentFolder ? LoadCardImages() : LoadCardImagesFrom(Wide(path)), c.loads);
        SetCurrentDirectoryA(previous);
        EXPECT_EQ(TakeQuitMessage(), !c.loads);
        EXPECT_EQ(cardWidth, c.loads ? 71 : 0);
        ReleaseCardImages();
        DeleteFileA(path.c_str());
        EXPECT_EQ(GdiObjectsOutstanding(), outstanding);
        ASSERT_EQ(platform.messages.size(), c.loads ? 0u : 1u);
        if (!c.loads) {
            EXPECT_EQ(platform.messages[0].text, "Error loading cards.dll (32bit)");
            EXPECT_EQ(platform.messages[0].caption, "Kilp");
            EXPECT_EQ(platform.messages[0].flags, 0x30u);
        }
    }
}

} // namespace
