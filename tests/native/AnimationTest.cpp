#include "cardlib/core/Animation.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

struct PathCase {
    std::string name;
    int startX, startY, destinationX, destinationY;
    double step;
    std::vector<AnimationFrame> frames;
};

TEST(AnimationPath, FramesFollowTheLineAndEndExactlyAtTheDestination)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const PathCase cases[] = {
        {"right along one axis", 0, 0, 100, 0, 32, {{32, 0}, {64, 0}, {96, 0}, {100, 0}}},
        {"landing exactly on the destination", 0, 0, 64, 0, 32, {{32, 0}, {64, 0}}},
        {"up into negative rows", 10, 10, 10, -40, 20, {{10, -10}, {10, -30}, {10, -40}}},
        {"crossing zero truncates toward zero", -50, 0, 10, 0, 32, {{-18, 0}, {10, 0}}},
        {"3-4-5 diagonal", 0, 0, 60, 80, 25, {{15, 20}, {30, 40}, {45, 60}, {60, 80}}},
        {"shallow diagonal truncates", 0, 0, 100, 30, 32, {{30, 9}, {61, 18}, {91, 27}, {100, 30}}},
        {"start and destination coincide", 5, 5, 5, 5, 32, {{5, 5}}},
        {"a step of zero jumps", 0, 0, 100, 0, 0, {{100, 0}}},
        {"a negative step jumps", 0, 0, 100, 40, -8, {{100, 40}}},
        {"a step that is not a number jumps", 0, 0, 100, 40, nan, {{100, 40}}},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(AnimationPath(c.startX, c.startY, c.destinationX, c.destinationY, c.step), c.frames)
            << c.name;
    }
}

} // namespace
