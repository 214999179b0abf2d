#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardButton.h"
#include "cardlib/GdiHolders.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF base = 0x005000;
constexpr COLORREF light = 0x407338;
constexpr COLORREF dark = 0x003000;
constexpr COLORREF midDark = 0x004000;

// The engraved empty place of a w x h card, pixel by pixel, as drawn: the
// octagon outline dark on top and left, mid-dark on right and bottom, a
// light inner line along right and bottom, a checkerboard inside.
COLORREF ExpectedEmptyPlace(int x, int y, int w, int h)
{
    if (y == 0 && x >= 2 && x <= w - 3)
        return dark;
    if ((x == w - 2 && y == 1) || (x == 1 && y == 1) || (x == 0 && y >= 2 && y <= h - 3))
        return dark;
    if (x == w - 1 && y >= 2 && y <= h - 3)
        return midDark;
    if ((x == w - 2 && y == h - 2) || (y == h - 1 && x >= 2 && x <= w - 3) || (x == 1 && y == h - 2))
        return midDark;
    if ((x == w - 2 && y >= 3 && y <= h - 3) || (y == h - 2 && x >= 4 && x <= w - 3))
        return light;
    bool inside = x >= 2 && x < w - 2 && y >= 2 && y < h - 2;
    if (inside && !(x == 2 && y == 2) && (x - 2 + y - 2) % 2 == 0)
        return light;
    return base;
}

TEST(EmptyPlaceImage, EngravedOutlineAndDitheredInside)
{
    for (auto size : {std::pair<int, int>{71, 96}, {12, 9}}) {
        const int w = size.first, h = size.second;
        WindowContext screen(nullptr);
        MemoryContext surface(screen.Get());
        HGDIOBJ original = GetCurrentObject(surface.Get(), OBJ_BITMAP);
        HBITMAP image = MakeEmptyPlaceImage(screen.Get(), surface.Get(), 0x02005000, w, h);
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(GetCurrentObject(surface.Get(), OBJ_BITMAP), image) << "left selected into the surface";
        MemorySurface read(w, h);
        BitBlt(read.Context(), 0, 0, w, h, surface.Get(), 0, 0, SRCCOPY);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(read.Pixel(x, y), ExpectedEmptyPlace(x, y, w, h)) << w << "x" << h << " at " << x << "," << y;
        SelectObject(surface.Get(), original);
        DeleteObject(image);
    }
}

// The ten entries of the table colour's palette, selected for a drawing and put back.
TEST(Palette, TenEntriesSelectedForADrawingAndPutBack)
{
    GdiObject<HPALETTE> palette(BuildPalette(0x02644000));
    PALETTEENTRY entries[16] = {};
    ASSERT_EQ(GetPaletteEntries(palette.Get(), 0, 16, entries), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue), PaletteEntries(0x02644000)[i] & 0xFFFFFF)
            << "entry " << i;
    TestTable table(50, 50);
    MemorySurface surface(10, 10);
    HGDIOBJ before = GetCurrentObject(surface.Context(), OBJ_PAL);
    {
        ScopedLibraryPalette selected(surface.Context());
        EXPECT_EQ(GetCurrentObject(surface.Context(), OBJ_PAL), libraryPalette.Get());
    }
    EXPECT_EQ(GetCurrentObject(surface.Context(), OBJ_PAL), before);
    table.PaintInto(surface);
    EXPECT_EQ(GetCurrentObject(surface.Context(), OBJ_PAL), before) << "Paint restores the palette";
}

} // namespace
