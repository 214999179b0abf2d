#include "cardlib/core/Random.h"

namespace {
// Lives for the whole process; 1 until the first seed, as the runtime's.
std::uint32_t randomState = 1;
// Set once by HoldSeed, for the rest of the process.
bool seedHeld = false;
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

void HoldSeed(std::uint32_t seed)
{
    randomState = seed;
    seedHeld = true;
}

bool IsSeedHeld()
{
    return seedHeld;
}

void ReleaseSeed()
{
    seedHeld = false;
}
