#include "cardlib/core/CardMask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
// two edge distances add up to less than 2; the outline is the shape's edge
// rows and columns and the corner steps. Set: 1 in the shape, 2 on the outline.
int ShapeModel(const DisplayScale& scale, int x, int y, int w, int h)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return 0;
    const int dx = scale.ToLogical(std::min(x, w - 1 - x)), dy = scale.ToLogical(std::min(y, h - 1 - y));
    return dx + dy < 2 ? 0 : dx == 0 || dy == 0 || (dx == 1 && dy == 1) ? 2 : 1;
}

// The same for cards one pixel narrower (125 %) and for the widest.
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
        for (int i = 0; i < c.w * c.h; ++i) {
            const int model = ShapeModel(scale, i % c.w, i / c.w, c.w, c.h);
            const std::size_t at = static_cast<std::size_t>(i);
            ASSERT_EQ(std::vector<int>({columns[at], rows[at], outline[at]}),
                      std::vector<int>({model > 0, model > 0, model == 2}))
                << c.w << " x " << c.h << " at " << i % c.w << "," << i / c.w;
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
        const RectList shape = CardMaskColumns(c.w, c.h, {c.zone / 2, c.zone});
        const CellCopyList copies = CellCopies(shape, c.w, c.h, c.cellWidth, c.cellHeight, c.zone);
        EXPECT_EQ(copies.count, c.copies) << c.w << " x " << c.h;
        std::vector<int> drawn(static_cast<std::size_t>(c.w * c.h), 0);
        for (const CellCopy& copy : copies)
            for (int y = copy.to.top; y < copy.to.bottom; ++y)
                for (int x = copy.to.left; x < copy.to.right; ++x) {
                    ASSERT_EQ(std::make_pair(copy.from.x + x - copy.to.left, copy.from.y + y - copy.to.top),
                              std::make_pair(x < c.w - c.zone ? x : x + c.cellWidth - c.w,
                                             y < c.h - c.zone ? y : y + c.cellHeight - c.h))
                        << x << "," << y;
                    ++drawn[static_cast<std::size_t>(y * c.w + x)];
                }
        EXPECT_EQ(drawn, Coverage(shape, c.w, c.h)) << c.w << " x " << c.h;
    }
}

// A covered card of a fanned pile paints exactly what the next card leaves
// of its shape, however the mapping rounds the step (15 logical pixels are
// 18 or 19 at 125 %) and the two cards' widths; a diagonal fan's strips
// stop at their nominal depth from the near edges.
TEST(CardShape, CoveredCardStripsPaintWhatTheNextCardLeaves)
{
    const struct { int zoom, x, y, xOffset, yOffset; } cases[] = {
        {125, 0, 30, 0, 15}, {125, 2, 0, -15, 0}, {125, 0, 0, 15, 0}, {150, 5, 7, 0, -17}, {175, 3, 0, 0, 2},
        {200, 0, 0, 12, 15}, {125, 2, 3, -15, 17}};
    for (const auto& c : cases) {
        const DisplayScale scale(96, c.zoom);
        const Rect card = scale.ToDevice(RectAt(c.x, c.y, 71, 96));
        const Rect next = scale.ToDevice(RectAt(c.x + c.xOffset, c.y + c.yOffset, 71, 96));
        const int w = card.Width(), h = card.Height(), dx = next.left - card.left, dy = next.top - card.top;
        const std::vector<int> painted =
            Coverage(CoveredCardStrips(card, next, c.xOffset, c.yOffset, CornerInsetsAt(scale)), w, h);
        const bool diagonal = c.xOffset != 0 && c.yOffset != 0;
        for (int i = 0; i < w * h; ++i) {
            const int x = i % w, y = i / w;
            const bool nearEdge = (c.yOffset > 0 && y < dy) || (c.xOffset > 0 && x < dx) ||
                                  (c.yOffset < 0 && y >= next.bottom - card.top) ||
                                  (c.xOffset < 0 && x >= next.right - card.left);
            const bool shows = ShapeModel(scale, x, y, w, h) > 0 &&
                               (diagonal ? nearEdge : !ShapeModel(scale, x - dx, y - dy, next.Width(), next.Height()));
            ASSERT_EQ(painted[static_cast<std::size_t>(i)] > 0, shows) << c.zoom << " %, " << c.xOffset << ","
                                                                       << c.yOffset << " at " << x << "," << y;
        }
    }
}

} // namespace
