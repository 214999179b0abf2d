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

// The deck file, mapped read-only for as long as the card images exist, so
// that the strip can be drawn again at another scale. It stays open with
// nobody else allowed to write to it, so what was checked is what is drawn;
// only the pages read (the directory, the headers and the set in use) are
// ever brought into memory.
struct MappedDeck {
    HANDLE file = INVALID_HANDLE_VALUE;
    HANDLE mapping = nullptr;
    const std::uint8_t* view = nullptr;
    std::size_t size = 0;
} mapped;

// What was read from it: the standard set, and the larger sets that are whole.
DeckPictures standardSet;
std::array<DibPicture, stripCells> largerSets[2]; // 2 and 3 times the size
std::vector<int> wholeSets;

void ReportFailure(const char* text)
{
    Platform().ShowMessageBox(nullptr, text, cardErrorCaption, cardErrorFlags);
    PostQuitMessage(0);
}

// False, with nothing mapped, when the file is missing, unreadable, open
// for writing elsewhere, empty or larger than any deck.
bool MapDeckFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    HANDLE mapping = size != INVALID_FILE_SIZE && high == 0 && size > 0 && size <= largestDeckFile
                         ? CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr)
                         : nullptr;
    const void* view = mapping ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (!view) {
        if (mapping)
            CloseHandle(mapping);
        CloseHandle(file);
        return false;
    }
    mapped = {file, mapping, static_cast<const std::uint8_t*>(view), size};
    return true;
}

void UnmapDeckFile()
{
    if (mapped.view)
        UnmapViewOfFile(mapped.view);
    if (mapped.mapping)
        CloseHandle(mapped.mapping);
    if (mapped.file != INVALID_HANDLE_VALUE)
        CloseHandle(mapped.file);
    mapped = MappedDeck{};
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

// The mapped deck's strip at a scale, from the smallest whole set at least
// the scale (else the largest), decoding that set alone.
bool DrawDeckStrip(const DisplayScale& scale)
{
    const int chosen = ChooseSet(scale, wholeSets);
    const DibPicture* set = chosen == 1 ? standardSet.cells.data() : largerSets[chosen - 2].data();
    return DrawStrip(standardSet.width, standardSet.height, scale,
                     [set](int cell) { return DecodePicture(set[cell]); });
}

// Maps, checks and draws the deck in a file. False, with nothing kept,
// when it is missing, damaged or numbered in an order that cannot be told.
bool LoadDeckFile(const std::wstring& path, const DisplayScale& scale)
{
    if (path.empty() || !MapDeckFile(path))
        return false;
    const PeResources file(mapped.view, mapped.size);
    const bool read = ReadDeckPictures(file, standardSet);
    for (int factor : {2, 3})
        if (read && ReadLargerSet(file, standardSet, factor, largerSets[factor - 2]))
            wholeSets.push_back(factor);
    if (read && DrawDeckStrip(scale))
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
    UnmapDeckFile();
    standardSet = DeckPictures{};
    wholeSets.clear();
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
    return mapped.view && DrawDeckStrip(scale);
}
