#include "cardlib/CardImages.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/SystemLibraries.h"
#include "cardlib/core/CardMask.h"
#include "cardlib/core/PlatformServices.h"

#include <cstddef>
#include <string>

namespace {

// The bitmap the strip surface held before the strip was selected into it;
// put back before the strip is deleted.
HGDIOBJ stripSurfaceDefaultBitmap = nullptr;

void ReportFailure(const char* text)
{
    Platform().ShowMessageBox(nullptr, text, cardErrorCaption, cardErrorFlags);
    PostQuitMessage(0);
}

// How far from `base` the pages mapped with it reach.
std::size_t MappedExtent(const BYTE* base)
{
    std::size_t extent = 0;
    MEMORY_BASIC_INFORMATION region = {};
    while (VirtualQuery(base + extent, &region, sizeof(region)) == sizeof(region) &&
           region.AllocationBase == base && region.State == MEM_COMMIT && region.RegionSize > 0)
        extent += region.RegionSize;
    return extent;
}

// The size of the file on disk; 0 when it cannot be read.
ULONGLONG FileSize(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA attributes = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes))
        return 0;
    return (static_cast<ULONGLONG>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
}

// A deck cut short or damaged still maps, and the system reads its pictures
// from wherever its headers point, past the end of what was mapped: the
// program would fault. So before any picture is read, the sections the
// headers claim must lie inside the file, and every picture inside the
// mapped pages.
bool DeckIsWhole(HMODULE module, const std::wstring& path)
{
    // A library loaded as data has its handle's low bits set.
    const BYTE* base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module) & ~ULONG_PTR{3});
    const std::size_t mapped = MappedExtent(base);
    const ULONGLONG fileSize = FileSize(path);
    if (mapped < sizeof(IMAGE_DOS_HEADER))
        return false;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const std::size_t headers = static_cast<std::size_t>(dos->e_lfanew);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew < 0 ||
        headers + offsetof(IMAGE_NT_HEADERS, OptionalHeader) > mapped)
        return false;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + headers);
    const std::size_t sections = headers + offsetof(IMAGE_NT_HEADERS, OptionalHeader) +
                                 nt->FileHeader.SizeOfOptionalHeader;
    if (nt->Signature != IMAGE_NT_SIGNATURE ||
        sections + nt->FileHeader.NumberOfSections * sizeof(IMAGE_SECTION_HEADER) > mapped)
        return false;
    const auto* section = reinterpret_cast<const IMAGE_SECTION_HEADER*>(base + sections);
    for (int i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (ULONGLONG{section->PointerToRawData} + section->SizeOfRawData > fileSize)
            return false;
    for (int cell = 0; cell < stripCells; ++cell) {
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(StripCellResourceId(cell)), MAKEINTRESOURCEW(2));
        if (!found)
            continue; // a missing picture refuses the deck later
        const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        const std::size_t size = SizeofResource(module, found);
        if (!data || data < base || static_cast<std::size_t>(data - base) > mapped ||
            size > mapped - static_cast<std::size_t>(data - base))
            return false;
    }
    return true;
}

// Opened as a data file, the library's code never runs; a full path keeps
// the current directory out of the search. Null, with nothing kept, for a
// deck that is missing or not whole.
HMODULE OpenDeck(const std::wstring& path)
{
    if (path.empty())
        return nullptr;
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module && !DeckIsWhole(module, path)) {
        FreeLibrary(module);
        return nullptr;
    }
    return module;
}

// Beside the program, in whatever script its folder is named, else in the
// system folder.
HMODULE OpenCardLibrary()
{
    const std::wstring program = ProgramPath();
    if (HMODULE module = program.empty() ? nullptr : OpenDeck(FolderOf(program) + L"cards.dll"))
        return module;
    const std::wstring system = SystemFolder();
    return system.empty() ? nullptr : OpenDeck(system + L"cards.dll");
}

bool CopyFromModule(HMODULE module)
{
    int width = 0;
    int height = 0;
    if (!CopyCardImages(module, width, height))
        return false;
    cardWidth = width;
    cardHeight = height;
    return true;
}

bool LoadFromModule(HMODULE module)
{
    if (!module) {
        ReportFailure(cardErrorText32);
        return false;
    }
    bool copied = CopyFromModule(module);
    FreeLibrary(module);
    if (!copied)
        ReportFailure(cardErrorText32);
    return copied;
}

#if !defined(_WIN64)
// The Windows 95/98/Me family loads the library through its 16-bit module
// loader, exported by KERNEL32 only by ordinal. Only the 32-bit build can
// ever run there.
using LoadLibrary16Function = WORD(WINAPI*)(LPCSTR);
using FreeLibrary16Function = void(WINAPI*)(WORD);

template <typename Function>
Function Kernel32Ordinal(int ordinal)
{
    FARPROC found = GetProcAddress(GetModuleHandleA("KERNEL32"), MAKEINTRESOURCEA(ordinal));
    // Through void (*)() because GetProcAddress knows no signatures.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

bool LoadThrough16BitLoader()
{
    auto load = Kernel32Ordinal<LoadLibrary16Function>(35);
    auto release = Kernel32Ordinal<FreeLibrary16Function>(36);
    WORD module = load && release ? load("cards.dll") : 0;
    // The 16-bit loader reports errors as values below 32.
    bool copied = module >= 32 && CopyFromModule(reinterpret_cast<HMODULE>(static_cast<ULONG_PTR>(module)));
    if (module >= 32)
        release(module);
    if (!copied)
        ReportFailure(cardErrorText16);
    return copied;
}
#endif

// Draws the cell's octagon outline with the surface's default black pen.
void DrawCellOutline(HDC dc, int x, int w, int h)
{
    const POINT corners[] = {{x + w - 3, 0}, {x + w - 1, 2}, {x + w - 1, h - 3}, {x + w - 3, h - 1},
                             {x + 2, h - 1}, {x, h - 3},     {x, 2},             {x + 2, 0}};
    MoveToEx(dc, x + 2, 0, nullptr);
    for (const POINT& corner : corners)
        LineTo(dc, corner.x, corner.y);
}

bool MakeStrip(int w, int h)
{
    WindowContext screen(nullptr);
    cardStripSurface.Make(screen.Get());
    cardStrip.Reset(CreateCompatibleBitmap(screen.Get(), stripCells * w, h));
    if (!cardStripSurface.Get() || !cardStrip)
        return false;
    stripSurfaceDefaultBitmap = SelectObject(cardStripSurface.Get(), cardStrip.Get());
    return true;
}

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || GetObjectA(bitmap, sizeof(info), &info) != sizeof(info))
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

bool CopyCell(HDC from, int cell, HMODULE module, SIZE& size)
{
    GdiObject<HBITMAP> picture(LoadBitmapA(module, MAKEINTRESOURCEA(StripCellResourceId(cell))));
    SIZE found = BitmapSize(picture.Get());
    if (found.cx <= 0 || found.cy <= 0)
        return false;
    if (cell == 0) {
        size = found;
        if (!MakeStrip(size.cx, size.cy))
            return false;
    } else if (found.cx != size.cx || found.cy != size.cy) {
        return false;
    }
    ScopedSelect selected(from, picture.Get());
    BitBlt(cardStripSurface.Get(), cell * size.cx, 0, size.cx, size.cy, from, 0, 0, SRCCOPY);
    DrawCellOutline(cardStripSurface.Get(), cell * size.cx, size.cx, size.cy);
    return true;
}

} // namespace

bool CopyCardImages(HMODULE module, int& width, int& height)
{
    WindowContext screen(nullptr);
    MemoryContext from(screen.Get());
    SIZE size = {0, 0};
    for (int cell = 0; cell < stripCells; ++cell) {
        if (!CopyCell(from.Get(), cell, module, size)) {
            ReleaseCardImages();
            return false;
        }
    }
    width = size.cx;
    height = size.cy;
    return true;
}

void ReleaseCardImages()
{
    if (cardStripSurface.Get() && stripSurfaceDefaultBitmap)
        SelectObject(cardStripSurface.Get(), stripSurfaceDefaultBitmap);
    stripSurfaceDefaultBitmap = nullptr;
    cardStrip.Reset();
    cardStripSurface.Reset();
    cardWidth = 0;
    cardHeight = 0;
}

bool LoadCardImagesFrom(const std::wstring& path)
{
    ReleaseCardImages();
    return LoadFromModule(OpenDeck(path));
}

bool LoadCardImages()
{
    ReleaseCardImages();
#if !defined(_WIN64)
    if (GetVersion() & 0x80000000u)
        return LoadThrough16BitLoader();
#endif
    return LoadFromModule(OpenCardLibrary());
}
