#include "cardlib/CardButton.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/CardRegion.h"
#include "cardlib/CardWindow.h"
#include "cardlib/core/CardText.h"
#include "tests/win32/support/TestTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF green = 0x005000;
constexpr COLORREF magenta = RGB(255, 0, 255);

bool InCardShape(int x, int y, int w, int h)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return false;
    int fromSide = x < w - 1 - x ? x : w - 1 - x;
    int fromEdge = y < h - 1 - y ? y : h - 1 - y;
    return fromSide + fromEdge >= 2;
}

// What a table should look like: the background, then every card laid
// down whole, bottom first, each rounded by the corner mask.
class PaintersModel {
public:
    PaintersModel(int w, int h, COLORREF background) : surface(w, h), strip(68 * cardWidth, cardHeight)
    {
        surface.Fill(background);
        BitBlt(strip.Context(), 0, 0, 68 * cardWidth, cardHeight, cardStripSurface.Get(), 0, 0, SRCCOPY);
    }
    void Lay(int x, int y, int cell)
    {
        for (int cy = 0; cy < cardHeight; ++cy)
            for (int cx = 0; cx < cardWidth; ++cx)
                if (InCardShape(cx, cy, cardWidth, cardHeight))
                    SetPixelV(surface.Context(), x + cx, y + cy, strip.Pixel(cell * cardWidth + cx, cy));
    }
    void LayRegion(CardRegion* region)
    {
        RegionLayout layout = region->Layout();
        for (int i = 0; i < layout.count; ++i) {
            Point at = layout.CardPosition(i);
            Lay(at.x, at.y, static_cast<int>(region->Cards()->At(layout.count - 1 - i).value));
        }
    }
    COLORREF CardPixel(int cell, int x, int y) const { return strip.Pixel(cell * cardWidth + x, y); }
    MemorySurface surface;

private:
    MemorySurface strip;
};

TEST(RegionDraw, FannedPilesLookLikeCardsLaidDownInOrder)
{
    struct Case {
        int xOffset, yOffset;
        const char* cards;
        bool visible = true;
    };
    const Case cases[] = {{12, 0, "AC 7D KS"},    {0, 17, "2C 3D 4H 5S"}, {-12, 0, "QH JC 10D"},
                          {0, -15, "9S 8H 7D"},   {2, 0, "AC 2C 3C 4C"},  {0, 0, "AS KD QC JH"},
                          {25, 0, "5D 6D"},       {0, 96, "AH 2H"},       {1, 0, "AC 2C 3C"},
                          {0, -1, "AC 2C 3C"},    {0, 93, "4C 4D 4H"},    {0, 92, "4C 4D 4H"},
                          {68, 0, "KC KD"},       {-67, 0, "KC KD"},      {0, 0, "QS", false}};
    for (const Case& c : cases) {
        TestTable table(300, 300);
        CardRegion* region = table.Window().CreateRegion(1, c.visible, 100, 100, c.xOffset, c.yOffset);
        region->SetCards(ParseStack(c.cards));
        MemorySurface painted(300, 300);
        painted.Fill(magenta);
        table.PaintInto(painted);
        PaintersModel model(300, 300, green);
        if (c.visible)
            model.LayRegion(region);
        EXPECT_EQ(painted.CountDifferences(model.surface), 0)
            << c.xOffset << "," << c.yOffset << " " << c.cards;
    }
}

// The lower card shows in the upper card's cut corners.
TEST(RegionDraw, CardOverAnotherRegionShowsItInItsCornerPixels)
{
    TestTable table(200, 200);
    CardRegion* lower = table.Window().CreateRegion(1, true, 20, 20, 0, 0);
    CardRegion* upper = table.Window().CreateRegion(2, true, 40, 30, 0, 0);
    lower->SetCards(ParseStack("3H"));
    upper->SetCards(ParseStack("KC"));
    MemorySurface painted(200, 200);
    table.PaintInto(painted);
    PaintersModel model(200, 200, green);
    model.LayRegion(lower);
    model.LayRegion(upper);
    EXPECT_EQ(painted.CountDifferences(model.surface), 0);
    EXPECT_NE(painted.Pixel(40, 30), green);
}

// A triangle: one card with two later regions over its lower corners.
class Triangle : public testing::Test {
protected:
    Triangle() : table(300, 250)
    {
        apex = table.Window().CreateRegion(1, true, 100, 10, 0, 0);
        // The row below starts half a card to the left, a third lower, and
        // its cards touch: 64..134 and 135..205 under the apex's 100..170.
        left = table.Window().CreateRegion(2, true, 64, 42, 0, 0);
        right = table.Window().CreateRegion(3, true, 135, 42, 0, 0);
        apex->SetCards(ParseStack("5H"));
        left->SetCards(ParseStack("8C"));
        right->SetCards(ParseStack("8S"));
    }
    // The apex drawn by itself over a magenta surface.
    void DrawApexAlone(MemorySurface& surface)
    {
        surface.Fill(magenta);
        apex->Draw(surface.Context());
    }
    TestTable table;
    CardRegion* apex = nullptr;
    CardRegion* left = nullptr;
    CardRegion* right = nullptr;
};

// Whether the apex (card column x, row y) paints a pixel when drawn alone:
// the top band, and below it whatever the visible lower cards leave open.
bool ApexPaints(int x, int y, bool leftVisible, bool rightVisible)
{
    if (!InCardShape(x, y, 71, 96))
        return false;
    if (y < 32 || (!leftVisible && !rightVisible))
        return true;
    bool underLeft = leftVisible && InCardShape(x + 36, y - 32, 71, 96);
    bool underRight = rightVisible && InCardShape(x - 35, y - 32, 71, 96);
    return !underLeft && !underRight;
}

TEST_F(Triangle, DrawnAloneItPaintsExactlyWhatTheLowerRowLeavesOpen)
{
    PaintersModel model(1, 1, green);
    const int cell = 18; // 5H
    const bool cases[][2] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const auto& c : cases) {
        left->SetVisible(c[0]);
        right->SetVisible(c[1]);
        MemorySurface surface(300, 250);
        DrawApexAlone(surface);
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 71; ++x) {
                COLORREF expected = ApexPaints(x, y, c[0], c[1]) ? model.CardPixel(cell, x, y) : magenta;
                ASSERT_EQ(surface.Pixel(100 + x, 10 + y), expected) << c[0] << c[1] << " at " << x << "," << y;
            }
    }
}

TEST(RegionEmpty, EachEmptyStyleShowsItsOwnPlace)
{
    TestTable table(200, 220);
    CardRegion* outline = table.Window().CreateRegion(1, true, 5, 5, 0, 0);
    CardRegion* background = table.Window().CreateRegion(2, true, 80, 5, 0, 0);
    CardRegion* nothing = table.Window().CreateRegion(3, true, 5, 110, 0, 0);
    outline->SetEmptyStyle(EmptyOutline);
    background->SetEmptyStyle(EmptyBackground);
    nothing->SetEmptyStyle(EmptyNothing);
    MemorySurface painted(200, 220);
    painted.Fill(magenta);
    table.PaintInto(painted);
    MemorySurface emptyPlace(71, 96);
    BitBlt(emptyPlace.Context(), 0, 0, 71, 96, sharedSurface.Get(), 0, 0, SRCCOPY);
    for (int y = 0; y < 96; ++y)
        for (int x = 0; x < 71; ++x) {
            bool shape = InCardShape(x, y, 71, 96);
            ASSERT_EQ(painted.Pixel(5 + x, 5 + y), shape ? emptyPlace.Pixel(x, y) : green) << "outline " << x << "," << y;
            ASSERT_EQ(painted.Pixel(80 + x, 5 + y), green) << "background " << x << "," << y;
            // Nothing: the place is shielded from the background and left as it was.
            ASSERT_EQ(painted.Pixel(5 + x, 110 + y), shape ? magenta : green) << "nothing " << x << "," << y;
        }
    EXPECT_NE(emptyPlace.Pixel(36, 48), green) << "the outline is not just table";
}

TEST(RegionShield, BackgroundNeverPaintsWhereCardsGo)
{
    struct Case {
        int xOffset, yOffset;
        const char* cards;
        bool visible, oneShield; // one card-shaped shield over the whole fan
    };
    const Case cases[] = {{12, 0, "AC 2C 3C", true, true},   {0, -20, "AC 2C", true, true},
                          {10, 12, "AC 2C 3C", true, false}, {12, 0, "AC 2C 3C", false, true},
                          {0, 0, "", true, true}};
    for (const Case& c : cases) {
        TestTable table(300, 300);
        CardRegion* region = table.Window().CreateRegion(1, c.visible, 100, 100, c.xOffset, c.yOffset);
        region->SetCards(ParseStack(c.cards));
        MemorySurface surface(300, 300);
        surface.Fill(magenta);
        region->ShieldFromBackground(surface.Context());
        table.Window().FillBackground(surface.Context(), 0, 0, 300, 300);
        SelectClipRgn(surface.Context(), nullptr);
        RegionLayout layout = region->Layout();
        for (int y = 0; y < 300; y += 1)
            for (int x = 0; x < 300; x += 1) {
                bool card = false;
                for (int i = 0; i < (layout.count > 0 ? layout.count : 1); ++i) {
                    Point at = layout.CardPosition(i);
                    card = card || InCardShape(x - at.x, y - at.y, 71, 96);
                }
                if (c.oneShield) {
                    Rect box = layout.BoundingBox();
                    card = InCardShape(x - box.left, y - box.top, box.Width(), box.Height());
                }
                COLORREF expected = card && c.visible ? magenta : green;
                ASSERT_EQ(surface.Pixel(x, y), expected) << c.xOffset << "," << c.yOffset << " at " << x << "," << y;
            }
    }
}

} // namespace
