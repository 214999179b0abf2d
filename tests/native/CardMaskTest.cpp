#include "cardlib/core/CardMask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <vector>

// Rectangles print as {left,top,right,bottom} in failures.
static void PrintTo(const Rect& r, std::ostream* out)
{
    *out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

// How often each pixel of a w x h card lies in one of the rectangles.
std::vector<int> Coverage(const RectList& rects, int w, int h)
{
    std::vector<int> hits(static_cast<std::size_t>(w * h), 0);
    for (const Rect& r : rects)
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
            for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
                ++hits[static_cast<std::size_t>(y * w + x)];
    return hits;
}

// A scaled card is the unscaled one drawn in blocks counted from its nearer
// edges: a device pixel belongs to the logical pixel ToLogical gives for its
// distance from that edge. Unscaled, the shape leaves out the pixels whose
// two edge distances add up to less than 2, and the outline is the shape's
// edge rows and columns and the two-step corner pixels. Both come out the
// same for cards one pixel narrower (125 %) and for the widest.
TEST(CardShape, ScaledCornersAndOutlineAreTheUnscaledOnesInMappedBlocks)
{
    const struct { int dpi, zoom, w, h; } cases[] = {
        {96, 125, 88, 120}, {96, 125, 89, 120}, {144, 100, 107, 144}, {192, 100, 142, 192}, {96, 300, 213, 288}};
    for (const auto& c : cases) {
        const DisplayScale scale(c.dpi, c.zoom);
        const CornerInsets insets = CornerInsetsAt(scale);
        const std::vector<int> columns = Coverage(CardMaskColumns(c.w, c.h, insets), c.w, c.h);
        const std::vector<int> rows = Coverage(CardMaskRows(c.w, c.h, insets), c.w, c.h);
        const std::vector<int> outline = Coverage(CardOutline(c.w, c.h, insets), c.w, c.h);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const int dx = scale.ToLogical(std::min(x, c.w - 1 - x));
                const int dy = scale.ToLogical(std::min(y, c.h - 1 - y));
                const int inShape = dx + dy >= 2;
                const int onOutline = inShape && (dx == 0 || dy == 0 || (dx == 1 && dy == 1));
                const std::size_t i = static_cast<std::size_t>(y * c.w + x);
                ASSERT_EQ(columns[i], inShape) << c.w << " x " << c.h << " at " << x << "," << y;
                ASSERT_EQ(rows[i], inShape) << c.w << " x " << c.h << " at " << x << "," << y;
                ASSERT_EQ(outline[i], onOutline) << c.w << " x " << c.h << " at " << x << "," << y;
            }
    }
}

// A card one pixel narrower or lower than its picture takes its corner
// zone (the last `zone` columns and rows) from the picture's last ones and
// the rest from its start, every pixel once; an unscaled card is copied in
// its five rectangles, unsplit.
TEST(CardShape, ANarrowerCardTakesItsFarCornersFromThePicturesFarEdge)
{
    const struct { int w, h, cellWidth, cellHeight, zone, copies; } cases[] = {
        {88, 120, 89, 120, 3, 5}, {88, 119, 89, 120, 3, 8}, {133, 180, 134, 180, 4, 5}, {71, 96, 71, 96, 2, 5}};
    for (const auto& c : cases) {
        const CornerInsets insets{c.zone / 2, c.zone};
        const CellCopyList copies =
            CellCopies(CardMaskColumns(c.w, c.h, insets), c.w, c.h, c.cellWidth, c.cellHeight, c.zone);
        EXPECT_EQ(copies.count, c.copies) << c.w << " x " << c.h;
        std::vector<int> drawn(static_cast<std::size_t>(c.w * c.h), 0);
        for (const CellCopy& copy : copies) {
            for (int y = copy.to.top; y < copy.to.bottom; ++y)
                for (int x = copy.to.left; x < copy.to.right; ++x) {
                    const int fromX = copy.from.x + x - copy.to.left, fromY = copy.from.y + y - copy.to.top;
                    ASSERT_EQ(fromX, x < c.w - c.zone ? x : x + c.cellWidth - c.w) << x << "," << y;
                    ASSERT_EQ(fromY, y < c.h - c.zone ? y : y + c.cellHeight - c.h) << x << "," << y;
                    ++drawn[static_cast<std::size_t>(y * c.w + x)];
                }
        }
        EXPECT_EQ(drawn, Coverage(CardMaskColumns(c.w, c.h, insets), c.w, c.h)) << c.w << " x " << c.h;
    }
}

std::vector<Rect> Listed(const RectList& list) { return {list.begin(), list.end()}; }

// A covered card of a fanned pile paints what lies between its own edge and
// the next card's edge on the same side, which varies with the mapping: at
// 125 % a 15-pixel step is 18 or 19 device pixels, and the far edges of two
// cards can lie a pixel closer than the near ones. A diagonal fan's strips
// stop at their nominal depth.
TEST(CardShape, CoveredCardStripsReachTheNextCardsMappedEdge)
{
    const struct {
        Rect card, next;
        int xOffset, yOffset, one, two;
        std::vector<Rect> strips;
    } cases[] = {
        // 125 %, fanned down: cards at logical y 30 and 45.
        {{0, 38, 89, 158}, {0, 56, 89, 176}, 0, 15, 1, 3,
         {{3, 0, 86, 18}, {1, 1, 3, 19}, {86, 1, 88, 19}, {0, 3, 1, 21}, {88, 3, 89, 21}}},
        // 125 %, fanned left: cards at logical x 2 and -13, left edges 19 apart, right edges 18.
        {{3, 0, 91, 120}, {-16, 0, 73, 120}, -15, 0, 1, 3,
         {{70, 3, 88, 117}, {69, 1, 87, 3}, {69, 117, 87, 119}, {67, 0, 85, 1}, {67, 119, 85, 120}}},
        // 200 %, fanned right and down.
        {{0, 0, 142, 192}, {24, 30, 166, 222}, 12, 15, 2, 4,
         {{4, 0, 138, 30}, {2, 2, 4, 30}, {138, 2, 140, 30}, {0, 4, 2, 30}, {140, 4, 142, 30}, {0, 4, 24, 188},
          {2, 2, 24, 4}, {2, 188, 24, 190}, {4, 0, 24, 2}, {4, 190, 24, 192}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Listed(CoveredCardStrips(c.card, c.next, c.xOffset, c.yOffset, {c.one, c.two})), c.strips)
            << c.xOffset << "," << c.yOffset;
}

} // namespace
