#include "cardlib/core/DragGeometry.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Internal: each test file prints points its own way.
static std::ostream& operator<<(std::ostream& out, const Point& point)
{
    return out << "(" << point.x << ", " << point.y << ")";
}

namespace {

constexpr int cardWidth = 71;
constexpr int cardHeight = 96;
constexpr DragSize oneCard{cardWidth, cardHeight};

TEST(GrabOffset, KeepsThePointerOverTheSameSpotOfTheImage)
{
    const struct {
        std::string name;
        int pressX, pressY, regionX, regionY, xOffset, yOffset, cardCount, dragCount;
        Point grab;
    } cases[] = {
        {"top 2 of 5 fanned right", 45, 30, 5, 10, 12, 0, 5, 2, {4, 20}},
        {"top card of a pile", 400, 250, 360, 178, 0, 15, 1, 1, {40, 72}},
        {"all 3 fanned down", 20, 35, 10, 30, 0, 15, 3, 3, {10, 5}},
        {"top 2 of 5 fanned left", 160, 150, 200, 100, -12, 0, 5, 2, {8, 50}},
        {"top 3 of 4 fanned up", 60, 250, 50, 300, 0, -20, 4, 3, {10, 10}},
        {"press left of the window", -5, -2, 0, 0, 0, 0, 1, 1, {-5, -2}},
    };
    for (const auto& c : cases) {
        Point grab = GrabOffset(c.pressX, c.pressY, c.regionX, c.regionY, c.xOffset, c.yOffset,
                                    c.cardCount, c.dragCount);
        EXPECT_EQ(grab, c.grab) << c.name;
    }
}

TEST(WindowCopyIntoImage, LeavesOutNegativeWindowCoordinates)
{
    const struct {
        Point to;
        BlockCopy copy;
    } cases[] = {
        {{50, 60}, {50, 60, 0, 0, 71, 96}},
        {{0, 0}, {0, 0, 0, 0, 71, 96}},
        {{-20, 10}, {0, 10, 20, 0, 51, 96}},
        {{15, -40}, {15, 0, 0, 40, 71, 56}},
        {{-20, -30}, {0, 0, 20, 30, 51, 66}},
        {{-71, 0}, {}},
        {{0, -96}, {}},
    };
    for (const auto& c : cases) {
        BlockCopy copy = WindowCopyIntoImage(c.to, oneCard);
        EXPECT_EQ(copy.IsEmpty() ? BlockCopy{} : copy, c.copy) << c.to;
    }
}

TEST(DropTargetChooser, HighestScoreWinsAndTheEarliestOnATie)
{
    struct Candidate {
        bool visible;
        int score;
    };
    const struct {
        std::string name;
        std::vector<Candidate> regions;
        int chosen;
    } cases[] = {
        {"no regions", {}, -1},
        {"only zero scores", {{true, 0}, {true, 0}}, -1},
        {"highest in the middle", {{true, 30}, {true, 50}, {true, 40}}, 1},
        {"tie goes to the earliest", {{true, 50}, {true, 50}}, 0},
        {"later tie after a lower one", {{true, 10}, {true, 60}, {true, 60}}, 1},
        {"invisible never wins", {{false, 90}, {true, 10}}, 1},
        {"only invisible", {{false, 90}}, -1},
        {"invisible between equals", {{true, 20}, {false, 80}, {true, 20}}, 0},
        {"one percent is enough", {{true, 0}, {true, 0}, {true, 1}}, 2},
        {"all full", {{true, 100}, {true, 100}, {false, 100}}, 0},
    };
    for (const auto& c : cases) {
        DropTargetChooser chooser;
        for (std::size_t i = 0; i < c.regions.size(); ++i)
            chooser.Consider(static_cast<int>(i), c.regions[i].visible, c.regions[i].score);
        EXPECT_EQ(chooser.Chosen(), c.chosen) << c.name;
    }
}

} // namespace
