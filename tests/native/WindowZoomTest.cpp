#include "app/core/WindowZoom.h"

#include <gtest/gtest.h>

namespace {

// The table keeps its unscaled logical client area (706 x 528 inside
// Wine's 6 x 25 of frames at 96 DPI); the window is that area mapped, plus
// the frames at the display's DPI, which the zoom does not grow.
TEST(WindowZoom, TheTablesLogicalAreaMappedInsideTheFramesOfTheDpi)
{
    const Size table = TableClientSize({6, 25});
    const struct {
        int dpi, zoom;
        Size frames, window, tracking;
        Point first;
    } cases[] = {{96, 100, {6, 25}, {712, 553}, {712, 592}, {284, 238}},
                 {96, 125, {6, 25}, {889, 685}, {889, 734}, {196, 169}},
                 {192, 100, {10, 47}, {1422, 1103}, {1422, 1181}, {-71, -36}},
                 {144, 125, {8, 36}, {1332, 1026}, {1332, 1099}, {-26, -2}}};
    for (const auto& c : cases) {
        const DisplayScale scale(c.dpi, c.zoom);
        const Size window = WindowSize(table, scale, c.frames);
        EXPECT_EQ(std::tuple(window, TrackingSize(window, scale), FirstPosition({1280, 1024}, window, scale)),
                  std::tuple(c.window, c.tracking, c.first))
            << c.dpi << " DPI, " << c.zoom << " %";
    }
}

// Ctrl+Plus and Ctrl+Minus step through the zoom steps and stop at their
// ends (a value between steps goes to the next one that way); Ctrl+0 is 100.
TEST(WindowZoom, KeysStepThroughTheZoomSteps)
{
    const struct { int current; ZoomKey key; int zoom; } cases[] = {
        {100, ZoomKey::Larger, 125}, {200, ZoomKey::Larger, 250}, {300, ZoomKey::Larger, 300},
        {175, ZoomKey::Smaller, 150}, {100, ZoomKey::Smaller, 100}, {130, ZoomKey::Larger, 150},
        {130, ZoomKey::Smaller, 125}, {250, ZoomKey::Reset, 100}};
    for (const auto& c : cases)
        EXPECT_EQ(SteppedZoom(c.current, c.key), c.zoom) << c.current << " " << static_cast<int>(c.key);
}

// A zoomed window keeps its centre, moved back inside the work area where
// it would stick out; a size the work area cannot hold is refused.
TEST(WindowZoom, AZoomedWindowKeepsItsCentreInsideTheWorkArea)
{
    const Rect work{0, 0, 1280, 994};
    const struct { Rect window; Size size; bool fits; Rect placed; } cases[] = {
        {{284, 238, 996, 791}, {890, 691}, true, {195, 169, 1085, 860}},
        {{500, 400, 1212, 953}, {890, 691}, true, {390, 303, 1280, 994}},
        {{-40, -10, 672, 543}, {890, 691}, true, {0, 0, 890, 691}},
        {{195, 169, 1085, 860}, {712, 553}, true, {284, 238, 996, 791}},
        {{100, 100, 812, 653}, {1281, 600}, false, {}}, {{100, 100, 812, 653}, {1000, 995}, false, {}}};
    for (const auto& c : cases) {
        Rect placed;
        const bool fits = PlaceInWorkArea(c.window, c.size, work, placed);
        EXPECT_EQ(std::pair(fits, placed), std::pair(c.fits, c.placed)) << c.size.width << " x " << c.size.height;
    }
}

} // namespace
