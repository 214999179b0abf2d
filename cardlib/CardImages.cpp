#include "cardlib/CardImages.h"

#include "cardlib/CardLibrary.h"
#include "cardlib/SystemLibraries.h"
#include "cardlib/core/DeckPictures.h"
#include "cardlib/core/PlatformServices.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The bitmap the strip surface held before the strip was selected into it;
// put back before the strip is deleted.
HGDIOBJ stripSurfaceDefaultBitmap = nullptr;

// No deck is larger: ours is 1.4 MB, and pictures drawn at three times the
// size beside them would still fit.
constexpr DWORD largestDeckFile = 64u << 20;

void ReportFailure(const char* text)
{
    Platform().ShowMessageBox(nullptr, text, cardErrorCaption, cardErrorFlags);
    PostQuitMessage(0);
}

// The file's bytes, read once into memory of our own: what is checked is
// what is drawn, whatever happens to the file afterwards, and nobody may
// write to it while it is read. Empty when the file is missing, unreadable
// or larger than any deck.
std::vector<std::uint8_t> ReadDeckFile(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::vector<std::uint8_t> bytes;
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    if (size != INVALID_FILE_SIZE && high == 0 && size <= largestDeckFile) {
        bytes.resize(size);
        DWORD read = 0;
        if (!ReadFile(file, bytes.data(), size, &read, nullptr) || read != size)
            bytes.clear();
    }
    CloseHandle(file);
    return bytes;
}

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

// Draws a checked picture into its cell, with the outline over it.
bool DrawPicture(int cell, const DibPicture& picture)
{
    // The header and colour table, copied to where the call may read them as its own structure.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[256];
    } info = {};
    std::memcpy(&info, picture.info.data, picture.info.size);
    const int w = picture.width;
    const int h = picture.height;
    const bool drawn = StretchDIBits(cardStripSurface.Get(), cell * w, 0, w, h, 0, 0, w, h, picture.rows.data,
                                     reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, SRCCOPY) > 0;
    DrawCellOutline(cardStripSurface.Get(), cell * w, w, h);
    return drawn;
}

// Reads, checks and draws the deck in a file. False, with nothing kept,
// when it is missing, damaged or numbered in an order that cannot be told.
bool CopyDeckFile(const std::wstring& path)
{
    const std::vector<std::uint8_t> bytes = path.empty() ? std::vector<std::uint8_t>() : ReadDeckFile(path);
    DeckPictures deck;
    if (!ReadDeckPictures(PeResources(bytes.data(), bytes.size()), deck))
        return false;
    bool drawn = MakeStrip(deck.width, deck.height);
    for (int cell = 0; drawn && cell < stripCells; ++cell)
        drawn = DrawPicture(cell, deck.cells[cell]);
    if (!drawn) {
        ReleaseCardImages();
        return false;
    }
    cardWidth = deck.width;
    cardHeight = deck.height;
    return true;
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

bool CopyCell(HDC from, int cell, HMODULE module, SIZE& size)
{
    const int id = CellResourceId(DeckOrder::SuitBySuit, cell);
    GdiObject<HBITMAP> picture(LoadBitmapA(module, MAKEINTRESOURCEA(id)));
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

bool CopyFromModule(HMODULE module)
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
    cardWidth = size.cx;
    cardHeight = size.cy;
    return true;
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
}

bool LoadCardImagesFrom(const std::wstring& path)
{
    ReleaseCardImages();
    if (CopyDeckFile(path))
        return true;
    ReportFailure(cardErrorText32);
    return false;
}

bool LoadCardImages()
{
    ReleaseCardImages();
#if !defined(_WIN64)
    if (GetVersion() & 0x80000000u)
        return LoadThrough16BitLoader();
#endif
    // Beside the program, in whatever script its folder is named, else in
    // the system folder; never from the current directory.
    const std::wstring program = ProgramPath();
    const std::wstring system = SystemFolder();
    if ((!program.empty() && CopyDeckFile(FolderOf(program) + L"cards.dll")) ||
        (!system.empty() && CopyDeckFile(system + L"cards.dll")))
        return true;
    ReportFailure(cardErrorText32);
    return false;
}
