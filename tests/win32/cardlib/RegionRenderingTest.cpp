#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/Colour.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

constexpr COLORREF green = 0x005000;
constexpr COLORREF magenta = RGB(255, 0, 255);

bool InCardShape(int x, int y, int w = 71, int h = 96)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    return std::min(x, w - 1 - x) + std::min(y, h - 1 - y) >= 2;
}

// What a table should look like: the background, then every card laid
// down whole, bottom first, each rounded by the corner mask.
struct PaintersModel {
    PaintersModel(int w, int h) : surface(w, h), strip(68 * 71, 96)
    {
        surface.Fill(green);
        BitBlt(strip.Context(), 0, 0, 68 * 71, 96, cardStripSurface.Get(), 0, 0, SRCCOPY);
    }
    COLORREF CardPixel(int cell, int x, int y) const { return strip.Pixel(cell * 71 + x, y); }
    // Lays the region's cards, noting the pixels they cover in `covered`.
    void LayRegion(CardRegion* region, std::vector<bool>* covered = nullptr)
    {
        RegionLayout layout = region->Layout();
        for (int i = 0; i < layout.count; ++i) {
            const Point at = layout.CardPosition(i);
            const int cell = static_cast<int>(region->Cards()->At(layout.count - 1 - i).value);
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 71; ++x)
                    if (InCardShape(x, y)) {
                        SetPixelV(surface.Context(), at.x + x, at.y + y, CardPixel(cell, x, y));
                        if (covered && at.y + y < surface.Height())
                            (*covered)[(at.y + y) * surface.Width() + at.x + x] = true;
                    }
        }
    }
    MemorySurface surface;
    MemorySurface strip;
};

// Fans in every direction, with and without shared cut corners, over a card
// of an earlier region that shows in their cut corners. The region's shield
// keeps the background off exactly its cards, so no pixel is painted twice.
TEST(RegionDraw, FannedPilesLookLikeCardsLaidDownInOrder)
{
    const struct {
        int xOffset, yOffset;
        const char* cards;
        const char* under;
        bool visible;
    } cases[] = {{12, 0, "AC 7D KS", "", true},    {0, 17, "2C 3D 4H 5S", "", true}, {0, 0, "AS KD QC JH", "", true},
                 {1, 0, "AC 2C 3C", "", true},     {0, 93, "4C 4D 4H", "", true},    {67, 0, "KC KD", "", true},
                 {0, 0, "KC", "3H", true},         {12, 0, "5D 6D", "3H", true},     {0, 0, "QS", "", false}};
    for (const auto& c : cases) {
        TestTable table(300, 300);
        CardRegion* under = table.Region(0, 80, 90, 0, 0, c.under, *c.under != 0);
        CardRegion* region = table.Region(1, 100, 100, c.xOffset, c.yOffset, c.cards, c.visible);
        MemorySurface painted(300, 300);
        painted.Fill(magenta);
        table.Window().Paint(painted.Context());
        PaintersModel model(300, 300);
        model.LayRegion(under);
        std::vector<bool> covered(300 * 300, false);
        if (c.visible)
            model.LayRegion(region, &covered);
        EXPECT_EQ(painted.CountDifferences(model.surface), 0) << c.xOffset << "," << c.yOffset << " " << c.cards;
        painted.Fill(magenta);
        region->ShieldFromBackground(painted.Context());
        table.Window().FillBackground(painted.Context(), 0, 0, 300, 300);
        SelectClipRgn(painted.Context(), nullptr);
        for (int i = 0; i < 300 * 300; ++i)
            ASSERT_EQ(painted.Pixel(i % 300, i / 300) == magenta, covered[i]) << c.cards << " at " << i % 300 << "," << i / 300;
    }
}

// A triangle: the apex drawn alone paints the top band and whatever the
// visible cards of the row below leave open, so no pixel is painted twice.
TEST(RegionDraw, ACoveredCardPaintsOnlyWhatTheLowerRowLeavesOpen)
{
    TestTable table(300, 250);
    CardRegion* apex = table.Region(1, 100, 10, 0, 0, "5H");
    // The row below starts half a card to the left, a third lower, and its
    // cards touch: 64..134 and 135..205 under the apex's 100..170.
    CardRegion* left = table.Region(2, 64, 42, 0, 0, "8C");
    CardRegion* right = table.Region(3, 135, 42, 0, 0, "8S");
    PaintersModel model(1, 1);
    for (int shown = 0; shown < 4; ++shown) {
        const bool leftShown = shown & 1, rightShown = shown & 2;
        left->SetVisible(leftShown);
        right->SetVisible(rightShown);
        MemorySurface surface(300, 250);
        surface.Fill(magenta);
        apex->Draw(surface.Context());
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                const bool covered = y >= 32 && ((leftShown && InCardShape(x + 36, y - 32)) ||
                                                 (rightShown && InCardShape(x - 35, y - 32)));
                const COLORREF expected = InCardShape(x, y) && !covered ? model.CardPixel(18, x, y) : magenta;
                ASSERT_EQ(surface.Pixel(100 + x, 10 + y), expected) << shown << " at " << x << "," << y;
            }
    }
}

// A table unscaled and at 2x, each pixel of its unscaled picture a k x k
// block. An empty place: dark above and left, a darker shade below and
// right, a light line inside those; within, a checkerboard of single device
// pixels, light at its top-left pixel, whose unscaled pixel is left plain.
// The focus frame round a card: a two-pixel ring of dashes of four logical
// pixels, from the ring's top-left corner along the top and bottom and from
// the card's top along the sides, black then yellow; just outside, the
// table. A press on the card's pixels takes the frame away and the card up
// at the logical point it hit; a position left of and above the window
// lies in the logical pixel whose area holds it (-3 in -2's at 2x).
TEST(TableAtAScale, AnEmptyPlaceTheFocusFrameAndThePointer)
{
    constexpr int w = 71, h = 96;
    Colour light = 0, dark = 0, midDark = 0;
    Shades(green, &light, nullptr, &dark, &midDark);
    for (int k : {1, 2}) {
        TestTable table(200 * k, 140 * k);
        table.Region(1, 10, 10, 0, 0);
        CardRegion* card = table.Region(2, 100, 30, 0, 0, "7H");
        table.Window().SetScale(DisplayScale(96 * k, 100));
        SendMessageA(table.Handle(), WM_KEYDOWN, VK_TAB, 0);
        const MemorySurface shown(table.Handle());
        for (int y = 0; y < h * k; ++y)
            for (int x = 0; x < w * k; ++x) {
                const int i = x / k, j = y / k;
                const bool across = i >= 2 && i < w - 2, down = j >= 2 && j < h - 2;
                Colour expected = across && down && (x + y) % 2 == 0 && (i != 2 || j != 2) ? light : green;
                if ((j == 0 && across) || (i == 0 && down) || (j == 1 && (i == 1 || i == w - 2)))
                    expected = dark;
                else if ((j == h - 1 && across) || (i == w - 1 && down) || (j == h - 2 && (i == 1 || i == w - 2)))
                    expected = midDark;
                else if ((i == w - 2 && j >= 3) || (j == h - 2 && i >= 4))
                    expected = light;
                ASSERT_EQ(shown.Pixel(10 * k + x, 10 * k + y), InCardShape(i, j) ? expected : green)
                    << k << "x at " << x << "," << y;
            }
        for (int y = 27 * k - 1; y < 129 * k + 1; ++y)
            for (int x = 97 * k - 1; x < 174 * k + 1; ++x) {
                const int i = x / k, j = y / k, dash = (j < 30 || j >= 126 ? i - 98 : j - 30) / 4;
                const bool ring = x >= 98 * k && x < 173 * k && y >= 28 * k && y < 128 * k;
                if (i < 100 || i >= 171 || j < 30 || j >= 126) {
                    ASSERT_EQ(shown.Pixel(x, y), !ring ? green : dash % 2 ? RGB(255, 255, 0) : 0u)
                        << k << "x at " << x << "," << y;
                }
            }
        table.Press(111 * k - 1, 51 * k - 1); // logical (110, 50)
        EXPECT_EQ(MemorySurface(table.Handle()).CountOf(RGB(255, 255, 0), 0, 0, 200 * k, 140 * k), 0) << k;
        table.MoveTo(-3, -3);
        const int at = k == 1 ? -3 : -2;
        EXPECT_EQ(card->HeldCardsBox(), RectAt(at - 10, at - 20, 71, 96)) << k;
    }
}

} // namespace
