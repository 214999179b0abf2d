#pragma once

#include <cstdint>
#include <optional>

// The program's one option: "/seed N" (or "-seed N", any letter case) makes
// the shuffles repeat exactly, for tests and for replaying a deal. N is a
// decimal number from 0 to 4294967295. Anything else on the command line, a
// missing number or one that is not a whole number in that range, is
// ignored: the program then seeds from the clock as usual.
std::optional<std::uint32_t> SeedOption(const char* commandLine);
