#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

namespace {

// The strip's pixel of a card cell, read straight from the strip surface.
COLORREF StripPixel(int cell, int x, int y)
{
    return GetPixel(cardStripSurface.Get(), cell * cardWidth + x, y);
}

TEST(RegionDraw, OneCardCopiesItsCellInsideTheMask)
{
    TestTable table(200, 150);
    CardRegion* region = table.Window().CreateRegion(1, true, 10, 20, 0, 0);
    region->SetCards(ParseStack("QS"));
    MemorySurface surface(200, 150);
    table.PaintInto(surface);
    const int cell = 47;
    ASSERT_EQ(cardWidth, 71);
    for (int y = 0; y < 96; y += 5)
        for (int x = 2; x < 69; x += 3)
            ASSERT_EQ(surface.Pixel(10 + x, 20 + y), StripPixel(cell, x, y)) << x << "," << y;
    EXPECT_EQ(surface.Pixel(10, 20), 0x005000u);
}

} // namespace
