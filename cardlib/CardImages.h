#pragma once

#include <windows.h>

#include <string>

// The card pictures: 68 bitmaps of the card library "cards.dll" copied side
// by side into one strip (cardStrip in cardStripSurface, CardLibrary.h),
// each with a one-pixel black outline with cut corners.

// Loads the deck from the program's own folder, else the system folder,
// never from the current directory. A deck whose file is cut short or whose
// pictures lie outside it is refused unread. On failure shows the "Kilp" error box
// and asks the message loop to end; the card size then stays 0 x 0.
bool LoadCardImages();
// The same from one given file: the seam tests use.
bool LoadCardImagesFrom(const std::wstring& path);
// Builds the strip from a loaded library. Refuses (false, nothing kept) a
// library whose 68 bitmaps are not all there or not all one size.
bool CopyCardImages(HMODULE module, int& width, int& height);
void ReleaseCardImages();

constexpr UINT cardErrorFlags = MB_OK | MB_ICONEXCLAMATION;
constexpr const char* cardErrorCaption = "Kilp";
constexpr const char* cardErrorText32 = "Error loading cards.dll (32bit)";
constexpr const char* cardErrorText16 = "Error loading cards.dll (16bit)";
