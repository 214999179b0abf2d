#pragma once

#include "cardlib/core/DisplayScale.h"

#include <windows.h>

#include <string>

// The card pictures: the 68 pictures of the card library "cards.dll" side by
// side in one strip (cardStrip in cardStripSurface, CardLibrary.h), each
// with a black outline just inside the card's cut corners. On a scaled
// table each cell is as wide and high as a card comes out anywhere there
// (DisplayScale::WidestLength of the standard size), drawn from the deck's
// own set of pictures at 2 or 3 times the size where it has one that
// serves, else resampled from the nearest set; the card size stays the
// standard set's.

// Loads the deck from the program's own folder, else the system folder,
// never from the current directory, and draws its strip at a scale. The
// file stays open, and nobody may write to it, while the images exist;
// every picture is checked against it before it is drawn (DeckPictures.h);
// the deck's numbering, ours or Wine's, is told from its own pictures. A
// deck that is missing, damaged, or numbered in an order that cannot be
// told is refused: the "Kilp" error box shows and the message loop is asked
// to end; the card size then stays 0 x 0.
bool LoadCardImages(const DisplayScale& scale = {});
// The same from one given file: the seam tests use.
bool LoadCardImagesFrom(const std::wstring& path, const DisplayScale& scale = {});
// The loaded deck's strip drawn again at another scale, from the same file
// checked again; false, with the strip kept as it was, when there is no
// deck or no new strip can be made.
bool ScaleCardImages(const DisplayScale& scale);
void ReleaseCardImages();

constexpr UINT cardErrorFlags = MB_OK | MB_ICONEXCLAMATION;
constexpr const char* cardErrorCaption = "Kilp";
constexpr const char* cardErrorText32 = "Error loading cards.dll (32bit)";
constexpr const char* cardErrorText16 = "Error loading cards.dll (16bit)";
