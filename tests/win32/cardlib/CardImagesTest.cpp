#include "cardlib/CardDrawing.h"
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

constexpr COLORREF magenta = RGB(255, 0, 255);
constexpr COLORREF outline = RGB(0, 0, 0);

std::string BesideProgram(const char* name)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// One card library bitmap, read into a surface of its own.
class LibraryPicture {
public:
    LibraryPicture(HMODULE module, int id) : surface(71, 96)
    {
        GdiObject<HBITMAP> picture(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
        MemoryContext from(surface.Context());
        ScopedSelect selected(from.Get(), picture.Get());
        loaded = picture.Get() != nullptr;
        BitBlt(surface.Context(), 0, 0, 71, 96, from.Get(), 0, 0, SRCCOPY);
    }
    COLORREF Pixel(int x, int y) const { return surface.Pixel(x, y); }
    bool loaded = false;

private:
    MemorySurface surface;
};

// The whole strip, copied into memory so its pixels can be read quickly.
class StripCopy {
public:
    StripCopy() : surface(stripCells * cardWidth, cardHeight)
    {
        BitBlt(surface.Context(), 0, 0, stripCells * cardWidth, cardHeight, cardStripSurface.Get(), 0, 0, SRCCOPY);
    }
    COLORREF Pixel(int cell, int x, int y) const { return surface.Pixel(cell * cardWidth + x, y); }

private:
    MemorySurface surface;
};

bool OnOutline(int x, int y, int w, int h)
{
    bool edgeRowOrColumn = (y == 0 || y == h - 1) ? (x >= 2 && x <= w - 3) : false;
    bool sideColumn = (x == 0 || x == w - 1) && y >= 2 && y <= h - 3;
    bool diagonal = (x == 1 || x == w - 2) && (y == 1 || y == h - 2);
    return edgeRowOrColumn || sideColumn || diagonal;
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
        if (module)
            FreeLibrary(module);
    }
    HMODULE module = nullptr;
};

TEST_F(CardImages, EveryCellHoldsItsResourceInsideTheOutline)
{
    ASSERT_TRUE(LoadCardImagesFrom(BesideProgram("cards.dll").c_str()));
    ASSERT_EQ(cardWidth, 71);
    ASSERT_EQ(cardHeight, 96);
    StripCopy strip;
    for (int cell = 0; cell < stripCells; ++cell) {
        LibraryPicture picture(module, StripCellResourceId(cell));
        ASSERT_TRUE(picture.loaded) << cell;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                COLORREF expected = OnOutline(x, y, 71, 96) ? outline : picture.Pixel(x, y);
                ASSERT_EQ(strip.Pixel(cell, x, y), expected) << "cell " << cell << " at " << x << "," << y;
            }
    }
}

TEST_F(CardImages, PicturesDifferSoTheMappingIsSeen)
{
    // Without this the cell test could not tell two cells apart.
    const int pairs[][2] = {{1, 14}, {1, 2}, {14, 27}, {27, 40}, {52, 53}, {53, 68}};
    for (const auto& pair : pairs) {
        LibraryPicture a(module, pair[0]);
        LibraryPicture b(module, pair[1]);
        int differences = 0;
        for (int y = 2; y < 94; ++y)
            for (int x = 2; x < 69; ++x)
                differences += a.Pixel(x, y) != b.Pixel(x, y);
        EXPECT_GT(differences, 20) << pair[0] << " vs " << pair[1];
    }
}

TEST_F(CardImages, DrawnCardLeavesThreePixelsAtEachCornerAlone)
{
    ASSERT_TRUE(LoadCardImagesFrom(BesideProgram("cards.dll").c_str()));
    MemorySurface surface(100, 120);
    surface.Fill(magenta);
    DrawCard(surface.Context(), 10, 12, 47);
    StripCopy strip;
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            int fromSide = x < 70 - x ? x : 70 - x;
            int fromEdge = y < 95 - y ? y : 95 - y;
            COLORREF expected = fromSide + fromEdge >= 2 ? strip.Pixel(47, x, y) : magenta;
            ASSERT_EQ(surface.Pixel(10 + x, 12 + y), expected) << x << "," << y;
        }
    EXPECT_EQ(surface.Pixel(9, 50), magenta);
    EXPECT_EQ(surface.Pixel(81, 50), magenta);
    EXPECT_EQ(surface.Pixel(40, 108), magenta);
}

TEST_F(CardImages, MissingLibraryShowsTheErrorBoxAndQuits)
{
    FakePlatform platform;
    ScopedPlatform installed(platform);
    TakeQuitMessage();
    EXPECT_FALSE(LoadCardImagesFrom(BesideProgram("no-such-folder\\cards.dll").c_str()));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Error loading cards.dll (32bit)");
    EXPECT_EQ(platform.messages[0].caption, "Kilp");
    EXPECT_EQ(platform.messages[0].flags, 0x30u);
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(cardWidth, 0);
    EXPECT_EQ(cardHeight, 0);
    EXPECT_EQ(cardStrip.Get(), nullptr);
}

// A copy of our deck rebuilt with one bitmap left out (no replacement) or
// replaced by another picture.
class BrokenDeck {
public:
    BrokenDeck(HMODULE original, const char* name, int brokenId, const std::vector<BYTE>& replacement)
    {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path = std::string(folder) + name;
        if (!CopyFileA(BesideProgram("cards.dll").c_str(), path.c_str(), FALSE))
            return;
        HANDLE update = BeginUpdateResourceA(path.c_str(), TRUE);
        if (!update)
            return;
        bool added = true;
        for (int id = 1; id <= 68; ++id) {
            const void* data = replacement.data();
            DWORD size = static_cast<DWORD>(replacement.size());
            if (id != brokenId)
                data = Resource(original, id, size);
            else if (replacement.empty())
                continue;
            added = added && UpdateResourceA(update, MAKEINTRESOURCEA(2), MAKEINTRESOURCEA(id),
                                             MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), const_cast<void*>(data),
                                             size);
        }
        made = EndUpdateResourceA(update, !added) && added;
    }
    ~BrokenDeck() { DeleteFileA(path.c_str()); }
    std::string path;
    bool made = false;

private:
    static const void* Resource(HMODULE module, int id, DWORD& size)
    {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(2));
        size = found ? SizeofResource(module, found) : 0;
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        return loaded ? LockResource(loaded) : nullptr;
    }
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

TEST_F(CardImages, DeckWithAMissingOrOddSizedBitmapIsRefused)
{
    struct Case {
        const char* name;
        int id;
        std::vector<BYTE> replacement;
    };
    const Case cases[] = {{"wexa-missing-30.dll", 30, {}},
                          {"wexa-wide-5.dll", 5, BitmapResource(72, 96)},
                          {"wexa-short-68.dll", 68, BitmapResource(71, 95)}};
    for (const Case& c : cases) {
        BrokenDeck deck(module, c.name, c.id, c.replacement);
        ASSERT_TRUE(deck.made) << c.name;
        HMODULE check = LoadLibraryExA(deck.path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(check, nullptr);
        HRSRC found = FindResourceA(check, MAKEINTRESOURCEA(c.id), MAKEINTRESOURCEA(2));
        ASSERT_EQ(found != nullptr, !c.replacement.empty()) << c.name << ": the copy is broken as meant";
        FreeLibrary(check);

        FakePlatform platform;
        ScopedPlatform installed(platform);
        TakeQuitMessage();
        long outstanding = GdiObjectsOutstanding();
        EXPECT_FALSE(LoadCardImagesFrom(deck.path.c_str())) << c.name;
        ASSERT_EQ(platform.messages.size(), 1u) << c.name;
        EXPECT_EQ(platform.messages[0].text, "Error loading cards.dll (32bit)");
        EXPECT_EQ(platform.messages[0].caption, "Kilp");
        EXPECT_TRUE(TakeQuitMessage()) << c.name;
        EXPECT_EQ(cardWidth, 0) << c.name;
        EXPECT_EQ(cardStrip.Get(), nullptr) << c.name;
        EXPECT_EQ(GdiObjectsOutstanding(), outstanding) << c.name << ": a refused deck leaves nothing behind";
    }
}

TEST_F(CardImages, FaithfulRebuildOfTheDeckLoads)
{
    // The rebuilding above is not what makes a deck fail.
    BrokenDeck deck(module, "wexa-rebuilt.dll", 0, {});
    ASSERT_TRUE(deck.made);
    FakePlatform platform;
    ScopedPlatform installed(platform);
    EXPECT_TRUE(LoadCardImagesFrom(deck.path.c_str()));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(cardWidth, 71);
}

TEST_F(CardImages, NeverTakesTheDeckFromTheCurrentFolder)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "wexa-current";
    CreateDirectoryA(folder.c_str(), nullptr);
    BrokenDeck planted(module, "wexa-current\\cards.dll", 5, BitmapResource(72, 96));
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
    EXPECT_EQ(cardWidth, 71);
}

TEST(CardImagesLifetime, LoadedByTheFirstWindowAgainAfterTheLastWent)
{
    ASSERT_EQ(windowCount, 0);
    {
        TestTable first(100, 100);
        ASSERT_NE(cardStrip.Get(), nullptr);
        HBITMAP strip = cardStrip.Get();
        TestTable second(100, 100);
        EXPECT_EQ(cardStrip.Get(), strip) << "a second window does not load the deck again";
        EXPECT_EQ(windowCount, 2);
    }
    EXPECT_EQ(windowCount, 0);
    EXPECT_EQ(cardStrip.Get(), nullptr);
    EXPECT_EQ(cardWidth, 0);
    TestTable again(100, 100);
    EXPECT_NE(cardStrip.Get(), nullptr);
    EXPECT_EQ(cardWidth, 71);
    MemorySurface surface(100, 100);
    surface.Fill(magenta);
    DrawCard(surface.Context(), 0, 0, 0);
    StripCopy strip;
    EXPECT_EQ(surface.Pixel(35, 48), strip.Pixel(0, 35, 48));
    EXPECT_NE(surface.Pixel(35, 48), magenta);
}

} // namespace
