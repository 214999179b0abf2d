#include "cardlib/core/Random.h"

namespace {
// Lives for the whole process; 1 until the first seed, as the runtime's.
std::uint32_t randomState = 1;
}

void SeedRandom(std::uint32_t seed)
{
    randomState = seed;
}

int NextRandom()
{
    // Unsigned arithmetic wraps modulo 2^32, which is the generator's modulus.
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}
