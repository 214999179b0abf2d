#include "cardlib/CardImages.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/core/CardMask.h"
#include "cardlib/core/PlatformServices.h"

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

// The file name in the folder of a path such as the program's own.
std::string BesideFile(const char* folderOrFile, bool isFile)
{
    std::string path = folderOrFile;
    if (isFile) {
        std::string::size_type slash = path.find_last_of("\\/");
        path.erase(slash == std::string::npos ? 0 : slash + 1);
    } else if (!path.empty() && path.back() != '\\') {
        path += '\\';
    }
    return path + "cards.dll";
}

// Opened as a data file, the library's code never runs; a full path keeps
// the current directory out of the search.
HMODULE OpenCardLibrary()
{
    char buffer[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        HMODULE module = LoadLibraryExA(BesideFile(buffer, true).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        if (module)
            return module;
    }
    length = GetSystemDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryExA(BesideFile(buffer, false).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
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

bool LoadCardImagesFrom(const char* path)
{
    ReleaseCardImages();
    return LoadFromModule(LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE));
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
