#pragma once

// Numbers the game shares with the main window and the tests.

// Difficulty is held as its menu command id.
constexpr int difficultyEasy = 40005;
constexpr int difficultyNormal = 40006;

// sndPlaySound flags the game plays its sounds with: softly gives way to a
// sound already playing, at once cuts it off, the deal's sound repeats.
constexpr unsigned soundSoftly = 0x17;   // SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_NOSTOP
constexpr unsigned soundAtOnce = 0x07;   // SND_ASYNC | SND_NODEFAULT | SND_MEMORY
constexpr unsigned soundLooping = 0x0F;  // SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_LOOP

// Ids on the table: the triangle 1..28 row by row from the apex, the side
// stacks 29..34, the removed pile and the "next level" button.
constexpr int triangleCount = 28;
constexpr int firstSideStack = 29;
constexpr int lastSideStack = 34;
constexpr int removedPileId = 35;
constexpr int nextLevelButtonId = 36;
constexpr int placeCount = 35;
// Every card of the deck but the four kings.
constexpr int dealtCards = 48;
