#pragma once

#include <cstdint>

// The classic runtime generator: state = state * 214013 + 2531011, results
// 0..32767. Written here so that every build (native, 32- and 64-bit
// Windows) shuffles alike for the same seed. Process-wide, like the
// runtime's own; used from the user-interface thread only.
void SeedRandom(std::uint32_t seed);
int NextRandom();

// Holds the sequence for a whole run (a replay, a test with a known deal):
// seeds the generator, and from then on Shuffle continues the sequence
// instead of reseeding from the tick count.
void HoldSeed(std::uint32_t seed);
bool IsSeedHeld();
// Back to reseeding from the tick count.
void ReleaseSeed();
