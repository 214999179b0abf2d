#include "ui/ScaledArt.h"

#include "cardlib/GdiHolders.h"

#include <windows.h>

#include <cstring>

namespace {

// A packed bitmap found in the program's resources: its header and colour
// table, and its rows, all checked to lie inside the resource.
struct Packed {
    const BYTE* info = nullptr;
    const BYTE* rows = nullptr;
    int width = 0;
    int height = 0;
};

// Checks the header at `data` (and the rows at `rowsAt`, or right after the
// colour table) against the `size` bytes there.
bool Check(const BYTE* data, std::size_t size, std::size_t rowsAt, Packed& packed)
{
    BITMAPINFOHEADER header = {};
    if (!data || size < sizeof(header))
        return false;
    std::memcpy(&header, data, sizeof(header));
    const int bits = header.biBitCount;
    const long width = header.biWidth, height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    const std::size_t colours = header.biClrUsed ? header.biClrUsed : bits <= 8 ? std::size_t{1} << bits : 0;
    if (header.biSize != sizeof(header) || header.biPlanes != 1 || header.biCompression != BI_RGB ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) || width < 1 || width > 4096 ||
        height < 1 || height > 4096 || colours > 256)
        return false;
    const std::size_t table = sizeof(header) + 4 * colours;
    const std::size_t rows = rowsAt ? rowsAt : table;
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    if (rows < table || rows > size || stride * static_cast<std::size_t>(height) > size - rows)
        return false;
    packed = {data, data + rows, static_cast<int>(width), static_cast<int>(height)};
    return true;
}

// Picture `id` of a set: the standard set holds packed bitmaps, the larger
// ones whole files, whose 14-byte file header names where the rows begin.
bool Find(int id, int factor, Packed& packed)
{
    const char* type = factor == 1   ? MAKEINTRESOURCEA(2)
                       : factor == 2 ? "BITMAP2X"
                       : factor == 3 ? "BITMAP3X"
                                     : nullptr;
    HMODULE program = GetModuleHandleA(nullptr);
    HRSRC found = type ? FindResourceA(program, MAKEINTRESOURCEA(id), type) : nullptr;
    const BYTE* data = found ? static_cast<const BYTE*>(LockResource(LoadResource(program, found))) : nullptr;
    const std::size_t size = data ? SizeofResource(program, found) : 0;
    if (factor == 1)
        return Check(data, size, 0, packed);
    BITMAPFILEHEADER file = {};
    if (size < sizeof(file))
        return false;
    std::memcpy(&file, data, sizeof(file));
    return file.bfType == 0x4D42 && file.bfOffBits > sizeof(file) &&
           Check(data + sizeof(file), size - sizeof(file), file.bfOffBits - sizeof(file), packed);
}

// The system reads the bitmap's own format into ours, 32 bits a pixel.
Picture Decode(const Packed& packed)
{
    WindowContext screen(nullptr);
    const auto* info = reinterpret_cast<const BITMAPINFO*>(packed.info);
    GdiObject<HBITMAP> bitmap(
        CreateDIBitmap(screen.Get(), &info->bmiHeader, CBM_INIT, packed.rows, info, DIB_RGB_COLORS));
    Picture picture{packed.width, packed.height, {}};
    picture.pixels.resize(static_cast<std::size_t>(packed.width) * static_cast<std::size_t>(packed.height));
    BITMAPINFO into = {};
    into.bmiHeader = {sizeof(BITMAPINFOHEADER), packed.width, -packed.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    if (!bitmap || GetDIBits(screen.Get(), bitmap.Get(), 0, static_cast<UINT>(packed.height), picture.pixels.data(),
                             &into, DIB_RGB_COLORS) != packed.height)
        return {};
    return picture;
}

} // namespace

Picture ArtPicture(int id, int factor)
{
    Packed packed;
    return Find(id, factor, packed) ? Decode(packed) : Picture{};
}

Picture ScaledArt(int id, const DisplayScale& scale)
{
    // Only the headers of the larger sets are read; only the set chosen is decoded.
    Packed standard, larger;
    if (!Find(id, 1, standard))
        return {};
    std::vector<int> whole;
    for (int factor : {2, 3})
        if (Find(id, factor, larger) && FitsSet(factor, standard.width, standard.height, larger.width, larger.height))
            whole.push_back(factor);
    const int chosen = ChooseSet(scale, whole);
    return Resample(chosen == 1 ? Decode(standard) : ArtPicture(id, chosen), scale.ToDevice(standard.width),
                    scale.ToDevice(standard.height));
}
