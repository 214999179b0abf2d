#pragma once

#include <windows.h>

#include <cstdint>

// The player's settings, kept per user under
// HKEY_CURRENT_USER\Software\Halverin\Wexa as "bgcolor", "difficulty" and "zoom".
struct Settings {
    std::uint32_t colour = 15315333; // 0x00E9B185, 0x00BBGGRR
    int difficulty = 40006;          // the menu command: 40005 Easy, 40006 Normal
    int zoom = 100;                  // the table's size, percent of the display's own scale
};

// The stored settings; a value that is missing or cannot be read as 4 bytes
// keeps its default. Any 4-byte colour or difficulty is taken whatever its
// type or range, the colour without its top byte; a zoom that is not one of
// the zoom steps is 100. Creates the key when it does not exist.
Settings LoadSettings();

// Writes the values as REG_DWORD; a failure is ignored (nothing to tell).
void SaveSettings(const Settings& settings);
