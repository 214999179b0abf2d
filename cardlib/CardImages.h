#pragma once

#include <windows.h>

#include <string>

// The card pictures: 68 bitmaps of the card library "cards.dll" copied side
// by side into one strip (cardStrip in cardStripSurface, CardLibrary.h),
// each with a one-pixel black outline with cut corners.

// Loads the deck from the program's own folder, else the system folder,
// never from the current directory. The file is read once into memory and
// every picture checked against it before it is drawn (DeckPictures.h); the
// deck's numbering, ours or Wine's, is told from its own pictures. A deck
// that is missing, damaged, or numbered in an order that cannot be told is
// refused: the "Kilp" error box shows and the message loop is asked to end;
// the card size then stays 0 x 0.
bool LoadCardImages();
// The same from one given file: the seam tests use.
bool LoadCardImagesFrom(const std::wstring& path);
void ReleaseCardImages();

constexpr UINT cardErrorFlags = MB_OK | MB_ICONEXCLAMATION;
constexpr const char* cardErrorCaption = "Kilp";
constexpr const char* cardErrorText32 = "Error loading cards.dll (32bit)";
constexpr const char* cardErrorText16 = "Error loading cards.dll (16bit)";
