#include "app/core/CommandLine.h"

#include <gtest/gtest.h>

// A seed is taken only from a well-formed "/seed N"; everything else leaves
// the clock to seed the shuffles.
TEST(CommandLine, SeedOnlyFromAWellFormedSeedSwitch)
{
    const struct {
        const char* line;
        long long seed; // -1: no seed
    } cases[] = {
        {"/seed 42", 42},         {"  -SEED\t7  ", 7},    {"/Seed \"123\"", 123}, {"/seed 4294967295", 4294967295LL},
        {"/seed 4294967296", -1}, {"/seed", -1},          {"/seed -5", -1},       {"/seed 12x", -1},
        {"/seeds 5", -1},         {"/seed5", -1},         {"5 /seed", -1},        {"/other 3 /seed 9", 9},
        {"/seed 1 /seed 2", 2},   {"/seed 1 /seed x", 1},
    };
    for (const auto& c : cases) {
        const std::optional<std::uint32_t> seed = SeedOption(c.line);
        EXPECT_EQ(seed ? static_cast<long long>(*seed) : -1LL, c.seed) << '"' << c.line << '"';
    }
    EXPECT_FALSE(SeedOption(nullptr).has_value());
}
