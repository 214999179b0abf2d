#include "cardlib/SharedResources.h"

#include "cardlib/CardImages.h"
#include "cardlib/CardLibrary.h"
#include "cardlib/LibraryPalette.h"

namespace {

void SelectPaletteIntoSharedSurface()
{
    sharedSurfacePreviousPalette = SelectLibraryPalette(sharedSurface.Get());
}

// The empty-place image is deleted only once the surface holds its original
// bitmap again: a bitmap still selected somewhere cannot be deleted.
void ReleaseEmptyPlaceImage()
{
    if (sharedSurface.Get() && sharedSurfaceDefaultBitmap)
        SelectObject(sharedSurface.Get(), sharedSurfaceDefaultBitmap);
    emptyPlaceImage.Reset();
}

void MakeEmptyPlace(HDC reference, Colour background)
{
    HGDIOBJ original = GetCurrentObject(sharedSurface.Get(), OBJ_BITMAP);
    emptyPlaceImage.Reset(
        MakeEmptyPlaceImage(reference, sharedSurface.Get(), background, cardWidth, cardHeight, sharedScale));
    if (!sharedSurfaceDefaultBitmap)
        sharedSurfaceDefaultBitmap = original;
}

void ReleasePalette()
{
    if (sharedSurface.Get())
        RestorePalette(sharedSurface.Get(), sharedSurfacePreviousPalette);
    sharedSurfacePreviousPalette = nullptr;
    libraryPalette.Reset();
}

} // namespace

void MakeSharedResources(Colour background)
{
    WindowContext screen(nullptr);
    LoadCardImages(sharedScale);
    libraryPalette.Reset(BuildPalette(background));
    sharedSurface.Make(screen.Get());
    SelectPaletteIntoSharedSurface();
    MakeEmptyPlace(screen.Get(), background);
}

void RemakeColourResources(HDC reference, Colour background)
{
    ReleasePalette();
    libraryPalette.Reset(BuildPalette(background));
    ReleaseEmptyPlaceImage();
    SelectPaletteIntoSharedSurface();
    MakeEmptyPlace(reference, background);
}

void RescaleSharedResources(HDC reference, const DisplayScale& scale, Colour background)
{
    if (scale.Dpi() * scale.Zoom() == sharedScale.Dpi() * sharedScale.Zoom() || !ScaleCardImages(scale))
        return;
    sharedScale = scale;
    ReleaseEmptyPlaceImage();
    MakeEmptyPlace(reference, background);
}

void ReleaseSharedResources()
{
    ReleaseCardImages();
    ReleaseEmptyPlaceImage();
    ReleasePalette();
    sharedSurface.Reset();
    sharedSurfaceDefaultBitmap = nullptr;
    sharedScale = DisplayScale();
}
