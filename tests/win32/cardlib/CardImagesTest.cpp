#include "cardlib/CardImages.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/core/CardMask.h"
#include "tests/support/FakePlatform.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

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

// One card library bitmap, read into a surface of its own.
struct LibraryPicture : MemorySurface {
    LibraryPicture(HMODULE module, int id) : MemorySurface(71, 96)
    {
        GdiObject<HBITMAP> picture(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
        MemoryContext from(Context());
        ScopedSelect selected(from.Get(), picture.Get());
        loaded = picture.Get() != nullptr;
        BitBlt(Context(), 0, 0, 71, 96, from.Get(), 0, 0, SRCCOPY);
    }
    bool loaded = false;
};

// The black octagon the strip draws round every card.
bool OnOutline(int x, int y, int w, int h)
{
    bool edgeRow = (y == 0 || y == h - 1) && x >= 2 && x <= w - 3;
    bool sideColumn = (x == 0 || x == w - 1) && y >= 2 && y <= h - 3;
    bool diagonal = (x == 1 || x == w - 2) && (y == 1 || y == h - 2);
    return edgeRow || sideColumn || diagonal;
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

// Every cell holds its own resource inside the outline. Pictures of
// neighbouring ids differ, so a wrong mapping cannot pass unseen.
TEST_F(CardImages, EveryCellHoldsItsResourceInsideTheOutline)
{
    ASSERT_TRUE(LoadCardImagesFrom(BesideProgram("cards.dll").c_str()));
    ASSERT_EQ(cardWidth, 71);
    ASSERT_EQ(cardHeight, 96);
    MemorySurface strip(stripCells * 71, 96);
    BitBlt(strip.Context(), 0, 0, stripCells * 71, 96, cardStripSurface.Get(), 0, 0, SRCCOPY);
    for (int cell = 0; cell < stripCells; ++cell) {
        // Rank by rank, clubs to spades (ids 1, 14, 27, 40 for the aces), then the backs and places.
        LibraryPicture picture(module, cell < 52 ? cell % 4 * 13 + cell / 4 + 1 : cell + 1);
        ASSERT_TRUE(picture.loaded) << cell;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                COLORREF expected = OnOutline(x, y, 71, 96) ? 0 : picture.Pixel(x, y);
                ASSERT_EQ(strip.Pixel(cell * 71 + x, y), expected) << "cell " << cell << " at " << x << "," << y;
            }
    }
    const int pairs[][2] = {{1, 14}, {1, 2}, {14, 27}, {27, 40}, {52, 53}, {53, 68}};
    for (const auto& pair : pairs) {
        LibraryPicture a(module, pair[0]);
        LibraryPicture b(module, pair[1]);
        EXPECT_GT(a.CountDifferences(b), 20) << pair[0] << " vs " << pair[1];
    }
}

// A copy of our deck rebuilt with one bitmap left out (an empty
// replacement) or replaced by another picture; id 0 rebuilds it faithfully.
class RebuiltDeck {
public:
    RebuiltDeck(HMODULE original, const std::string& name, int brokenId, const std::vector<BYTE>& replacement)
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path = std::string(folder) + name;
        HANDLE update = CopyFileA(BesideProgram("cards.dll").c_str(), path.c_str(), FALSE)
                            ? BeginUpdateResourceA(path.c_str(), TRUE)
                            : nullptr;
        if (!update)
            return;
        bool added = true;
        for (int id = 1; id <= 68; ++id) {
            if (id == brokenId && replacement.empty())
                continue;
            HRSRC found = FindResourceA(original, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
            DWORD size = id == brokenId ? static_cast<DWORD>(replacement.size()) : SizeofResource(original, found);
            void* data = id == brokenId ? const_cast<BYTE*>(replacement.data())
                                        : LockResource(LoadResource(original, found));
            added = added && UpdateResourceA(update, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(id),
                                             MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), data, size);
        }
        made = EndUpdateResourceA(update, !added) && added;
    }
    ~RebuiltDeck() { DeleteFileA(path.c_str()); }
    std::string path;
    bool made = false;
};

// A 24-bit bitmap resource (a DIB without its file header) of a given size.
std::vector<BYTE> BitmapResource(int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    std::size_t row = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<BYTE> data(sizeof(header) + row * height, 0x80);
    memcpy(data.data(), &header, sizeof(header));
    return data;
}

// A deck that cannot be loaded, or whose bitmaps are missing or not all of
// one size, is refused with the error box and a quit, leaving nothing behind.
TEST_F(CardImages, MissingOrBrokenDecksAreRefusedWithTheErrorBoxAndQuit)
{
    const struct {
        const char* name;
        int id;
        std::vector<BYTE> replacement;
        bool loads;
    } cases[] = {{"wexa-rebuilt.dll", 0, {}, true},
                 {"no-such-folder\\cards.dll", -1, {}, false},
                 {"wexa-missing-30.dll", 30, {}, false},
                 {"wexa-wide-5.dll", 5, BitmapResource(72, 96), false},
                 {"wexa-short-68.dll", 68, BitmapResource(71, 95), false}};
    for (const auto& c : cases) {
        RebuiltDeck deck(module, c.name, c.id, c.replacement);
        ASSERT_EQ(deck.made, c.id >= 0) << c.name;
        FakePlatform platform;
        ScopedPlatform installed(platform);
        TakeQuitMessage();
        long outstanding = GdiObjectsOutstanding();
        EXPECT_EQ(LoadCardImagesFrom(deck.path.c_str()), c.loads) << c.name;
        EXPECT_EQ(TakeQuitMessage(), !c.loads) << c.name;
        EXPECT_EQ(cardWidth, c.loads ? 71 : 0) << c.name;
        EXPECT_EQ(cardStrip.Get() != nullptr, c.loads) << c.name;
        ReleaseCardImages();
        EXPECT_EQ(GdiObjectsOutstanding(), outstanding) << c.name;
        ASSERT_EQ(platform.messages.size(), c.loads ? 0u : 1u) << c.name;
        if (!c.loads) {
            EXPECT_EQ(platform.messages[0].text, "Error loading cards.dll (32bit)");
            EXPECT_EQ(platform.messages[0].caption, "Kilp");
            EXPECT_EQ(platform.messages[0].flags, 0x30u);
        }
    }
}

TEST_F(CardImages, NeverTakesTheDeckFromTheCurrentFolder)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "wexa-current";
    CreateDirectoryA(folder.c_str(), nullptr);
    RebuiltDeck planted(module, "wexa-current\\cards.dll", 5, BitmapResource(72, 96));
    ASSERT_TRUE(planted.made);
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    FakePlatform platform;
    ScopedPlatform installed(platform);
    bool loaded = LoadCardImages();
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(loaded) << "the deck beside the program, not the broken one in the current folder";
    EXPECT_TRUE(platform.messages.empty());
}

} // namespace
