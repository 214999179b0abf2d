#include "ui/core/ScreenLayout.h"

#include <gtest/gtest.h>

// Passing level 1 announces level 2 and what it asks for.
TEST(LevelScreen, AnnouncesTheComingLevelAndItsDemand)
{
    const std::array<std::string, 2> lines = {"get ready for level 2", "remove 18 cards to complete the next level"};
    EXPECT_EQ(screen::LevelLines(1, 18), lines);
}
