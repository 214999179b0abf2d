#include "cardlib/CardImages.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/LibraryPalette.h"
#include "cardlib/PictureDrawing.h"
#include "cardlib/SystemLibraries.h"
#include "cardlib/core/CardMask.h"
#include "cardlib/core/DeckPictures.h"
#include "cardlib/core/PlatformServices.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The bitmap the strip surface held before the strip was selected into it;
// put back before the strip is deleted.
HGDIOBJ stripSurfaceDefaultBitmap = nullptr;

// No deck is larger: ours is 7.7 MB with its pictures at two and three
// times the size.
constexpr DWORD largestDeckFile = 64u << 20;

// The deck file, kept open for as long as the card images exist, with
// nobody else allowed to write to it or delete it, so that the strip can be
// drawn again at another scale from the deck that was checked. It is mapped
// read-only, and checked again, only while a strip is drawn: just the pages
// read (the directory, the headers and the set in use) come into memory, and
// they leave with the mapping.
HANDLE deckFile = INVALID_HANDLE_VALUE;

void ReportFailure(const char* text)
{
    Platform().ShowMessageBox(nullptr, text, cardErrorCaption, cardErrorFlags);
    PostQuitMessage(0);
}

// Draws the strip of a deck of w x h pictures at a scale: each cell as wide
// and high as a card comes out anywhere on the table, its picture
// (`pictureOf(cell)`) resampled to fill it and the outline drawn over it. The
// strip in use is replaced only by a whole new one: false, with the old one
// kept, when a picture is missing or the strip cannot be made.
template <typename PictureOf>
bool DrawStrip(int w, int h, const DisplayScale& scale, PictureOf pictureOf)
{
    const int cellWidth = scale.WidestLength(w), cellHeight = scale.WidestLength(h);
    WindowContext screen(nullptr);
    if (!cardStripSurface.Get())
        cardStripSurface.Make(screen.Get());
    MemoryContext surface(screen.Get());
    HBITMAP strip = cardStripSurface.Get() && surface.Get()
                        ? CreateCompatibleBitmap(screen.Get(), stripCells * cellWidth, cellHeight)
                        : nullptr;
    bool drawn = strip != nullptr;
    if (drawn) {
        ScopedSelect selected(surface.Get(), strip);
        for (int cell = 0; drawn && cell < stripCells; ++cell) {
            const int left = cell * cellWidth;
            drawn = DrawPicture(surface.Get(), left, 0, Resample(pictureOf(cell), cellWidth, cellHeight));
            for (const Rect& r : CardOutline(cellWidth, cellHeight, CornerInsetsAt(scale)))
                FillSolid(surface.Get(), RECT{left + r.left, r.top, left + r.right, r.bottom}, RGB(0, 0, 0));
        }
    }
    if (!drawn) {
        if (strip)
            DeleteObject(strip);
        return false;
    }
    HGDIOBJ previous = SelectObject(cardStripSurface.Get(), strip);
    if (!stripSurfaceDefaultBitmap)
        stripSurfaceDefaultBitmap = previous;
    cardStrip.Reset(strip); // the old strip, no longer selected, goes
    cardWidth = w;
    cardHeight = h;
    return true;
}

// Maps the deck, checks it and draws its strip at a scale from the
// smallest whole set at least the scale (else the largest), decoding that
// set alone; where the standard set serves, the larger ones are not looked
// at. False, with the strip as it was, when the deck fails its checks.
bool DrawDeckStrip(const DisplayScale& scale)
{
    DWORD high = 0;
    const DWORD size = GetFileSize(deckFile, &high);
    HANDLE mapping = size != INVALID_FILE_SIZE && high == 0 && size > 0 && size <= largestDeckFile
                         ? CreateFileMappingW(deckFile, nullptr, PAGE_READONLY, 0, 0, nullptr)
                         : nullptr;
    const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    const PeResources file(static_cast<const std::uint8_t*>(view), view ? size : 0);
    DeckPictures standard;
    std::array<DibPicture, stripCells> larger[2]; // 2 and 3 times the size
    std::vector<int> whole;
    bool drawn = ReadDeckPictures(file, standard);
    for (int factor : {2, 3})
        if (drawn && ChooseSet(scale, {2, 3}) != 1 && ReadLargerSet(file, standard, factor, larger[factor - 2]))
            whole.push_back(factor);
    if (drawn) {
        const int chosen = ChooseSet(scale, whole);
        const DibPicture* set = chosen == 1 ? standard.cells.data() : larger[chosen - 2].data();
        drawn = DrawStrip(standard.width, standard.height, scale, [set](int cell) { return DecodePicture(set[cell]); });
    }
    if (view)
        UnmapViewOfFile(view);
    if (mapping)
        CloseHandle(mapping);
    return drawn;
}

// Opens, checks and draws the deck in a file. False, with nothing kept,
// when it is missing, unreadable, open for writing elsewhere, damaged or
// numbered in an order that cannot be told.
bool LoadDeckFile(const std::wstring& path, const DisplayScale& scale)
{
    if (path.empty())
        return false;
    deckFile = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (deckFile != INVALID_HANDLE_VALUE && DrawDeckStrip(scale))
        return true;
    ReleaseCardImages();
    return false;
}

#if !defined(_WIN64)
// The Windows 95/98/Me family keeps its deck as a 16-bit library, loaded
// through the system's 16-bit module loader, exported by KERNEL32 only by
// ordinal; its pictures are read through LoadBitmapA. Only the 32-bit build
// can ever run there.
using LoadLibrary16Function = WORD(WINAPI*)(LPCSTR);
using FreeLibrary16Function = void(WINAPI*)(WORD);

template <typename Function>
Function Kernel32Ordinal(int ordinal)
{
    FARPROC found = GetProcAddress(GetModuleHandleA("KERNEL32"), MAKEINTRESOURCEA(ordinal));
    // Through void (*)() because GetProcAddress knows no signatures.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || GetObjectA(bitmap, sizeof(info), &info) != sizeof(info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// The pixels of the module's picture for a cell, when it is w x h.
Picture ModulePicture(HMODULE module, int cell, int w, int h)
{
    GdiObject<HBITMAP> bitmap(LoadBitmapA(module, MAKEINTRESOURCEA(CellResourceId(DeckOrder::SuitBySuit, cell))));
    const SIZE size = BitmapSize(bitmap.Get());
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    WindowContext screen(nullptr);
    if (size.cx != w || size.cy != h ||
        GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(h), rows.data(), &info, DIB_RGB_COLORS) != h)
        return {};
    // The rows come bottom first.
    Picture picture{w, h, {}};
    for (int y = h - 1; y >= 0; --y)
        picture.pixels.insert(picture.pixels.end(), rows.begin() + y * w, rows.begin() + (y + 1) * w);
    return picture;
}

// True while the deck in use came through the 16-bit loader: it is loaded
// again to be drawn at another scale.
bool through16BitLoader = false;

bool CopyThrough16BitLoader(const DisplayScale& scale)
{
    auto load = Kernel32Ordinal<LoadLibrary16Function>(35);
    auto release = Kernel32Ordinal<FreeLibrary16Function>(36);
    WORD loaded = load && release ? load("cards.dll") : 0;
    // The 16-bit loader reports errors as values below 32.
    if (loaded < 32)
        return false;
    HMODULE module = reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(loaded));
    GdiObject<HBITMAP> first(LoadBitmapA(module, MAKEINTRESOURCEA(CellResourceId(DeckOrder::SuitBySuit, 0))));
    const SIZE size = BitmapSize(first.Get());
    const bool copied = size.cx > 0 && size.cy > 0 && DrawStrip(size.cx, size.cy, scale, [&](int cell) {
        return ModulePicture(module, cell, size.cx, size.cy);
    });
    release(loaded);
    through16BitLoader = through16BitLoader || copied;
    return copied;
}
#endif

} // namespace

void ReleaseCardImages()
{
    if (cardStripSurface.Get() && stripSurfaceDefaultBitmap)
        SelectObject(cardStripSurface.Get(), stripSurfaceDefaultBitmap);
    stripSurfaceDefaultBitmap = nullptr;
    cardStrip.Reset();
    cardStripSurface.Reset();
    cardWidth = 0;
    cardHeight = 0;
    if (deckFile != INVALID_HANDLE_VALUE)
        CloseHandle(deckFile);
    deckFile = INVALID_HANDLE_VALUE;
#if !defined(_WIN64)
    through16BitLoader = false;
#endif
}

bool LoadCardImagesFrom(const std::wstring& path, const DisplayScale& scale)
{
    ReleaseCardImages();
    if (LoadDeckFile(path, scale))
        return true;
    ReportFailure(cardErrorText32);
    return false;
}

bool LoadCardImages(const DisplayScale& scale)
{
    ReleaseCardImages();
#if !defined(_WIN64)
    if (GetVersion() & 0x80000000u) {
        if (CopyThrough16BitLoader(scale))
            return true;
        ReleaseCardImages();
        ReportFailure(cardErrorText16);
        return false;
    }
#endif
    // Beside the program, in whatever script its folder is named, else in
    // the system folder; never from the current directory.
    const std::wstring program = ProgramPath();
    const std::wstring system = SystemFolder();
    if ((!program.empty() && LoadDeckFile(FolderOf(program) + L"cards.dll", scale)) ||
        (!system.empty() && LoadDeckFile(system + L"cards.dll", scale)))
        return true;
    ReportFailure(cardErrorText32);
    return false;
}

bool ScaleCardImages(const DisplayScale& scale)
{
#if !defined(_WIN64)
    if (through16BitLoader)
        return CopyThrough16BitLoader(scale);
#endif
    return deckFile != INVALID_HANDLE_VALUE && DrawDeckStrip(scale);
}
