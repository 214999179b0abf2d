#include "cardlib/core/PeResources.h"

#include <cstring>

namespace {

constexpr std::uint64_t sectionHeaderSize = 40;
constexpr std::uint64_t directoryHeaderSize = 16;
constexpr std::uint64_t directoryEntrySize = 8;
constexpr std::uint64_t dataEntrySize = 16;
// Set in a directory entry that leads to a further directory, not to data;
// set in an entry's name field when it names the entry by text.
constexpr std::uint32_t subdirectoryFlag = 0x80000000u;
constexpr std::uint32_t textNameFlag = 0x80000000u;
// Where the optional header's table of data directories begins, and the
// resource directory's place in it.
constexpr std::uint16_t pe32Magic = 0x10b;
constexpr std::uint16_t pe32PlusMagic = 0x20b;
constexpr std::uint64_t resourceDirectoryIndex = 2;

} // namespace

std::uint16_t ReadLittle16(const std::uint8_t* at)
{
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t ReadLittle32(const std::uint8_t* at)
{
    return static_cast<std::uint32_t>(ReadLittle16(at)) | static_cast<std::uint32_t>(ReadLittle16(at + 2)) << 16;
}

PeResources::PeResources(const std::uint8_t* bytes, std::size_t size)
{
    if (!bytes || size < 64 || bytes[0] != 'M' || bytes[1] != 'Z')
        return;
    const std::uint64_t headers = ReadLittle32(bytes + 0x3c);
    if (headers + 26 > size || bytes[headers] != 'P' || bytes[headers + 1] != 'E' || bytes[headers + 2] != 0 ||
        bytes[headers + 3] != 0)
        return;
    const std::uint64_t optional = headers + 24;
    const std::uint64_t optionalSize = ReadLittle16(bytes + headers + 20);
    const std::uint32_t sections = ReadLittle16(bytes + headers + 6);
    if (optional + optionalSize > size || optionalSize < 2)
        return;
    const std::uint16_t magic = ReadLittle16(bytes + optional);
    const std::uint64_t directories = magic == pe32Magic ? 96 : magic == pe32PlusMagic ? 112 : 0;
    const std::uint64_t resourceEntry = directories + resourceDirectoryIndex * 8;
    if (directories == 0 || resourceEntry + 8 > optionalSize ||
        ReadLittle32(bytes + optional + directories - 4) <= resourceDirectoryIndex)
        return;
    if (optional + optionalSize + sections * sectionHeaderSize > size)
        return;
    file = {bytes, size};
    sectionTable = optional + optionalSize;
    sectionCount = sections;
    resourceAddress = ReadLittle32(bytes + optional + resourceEntry);
    resourceSize = ReadLittle32(bytes + optional + resourceEntry + 4);
}

// The bytes at a relative virtual address, found through the section that
// holds them in the file; empty unless all of them are in the file.
ByteSpan PeResources::AtAddress(std::uint64_t address, std::uint64_t length) const
{
    for (std::uint32_t i = 0; i < sectionCount && length > 0; ++i) {
        const std::uint8_t* section = file.data + sectionTable + i * sectionHeaderSize;
        const std::uint64_t start = ReadLittle32(section + 12);
        const std::uint64_t rawSize = ReadLittle32(section + 16);
        const std::uint64_t rawOffset = ReadLittle32(section + 20);
        if (address < start || address - start > rawSize || length > rawSize - (address - start))
            continue;
        const std::uint64_t offset = rawOffset + (address - start);
        if (offset > file.size || length > file.size - offset)
            return {};
        return {file.data + offset, static_cast<std::size_t>(length)};
    }
    return {};
}

// Bytes of the resource directory, at an offset from its start.
ByteSpan PeResources::InResources(std::uint64_t offset, std::uint64_t length) const
{
    if (offset > resourceSize || length > resourceSize - offset)
        return {};
    return AtAddress(resourceAddress + offset, length);
}

// The target of a directory's entry for a number (or its first entry of
// any number), or for a name when one is given; false when the directory
// has none or lies outside the file.
bool PeResources::FindEntry(std::uint32_t directory, std::uint32_t id, const char* name, bool anyId,
                            std::uint32_t& target) const
{
    const ByteSpan header = InResources(directory, directoryHeaderSize);
    if (header.IsEmpty())
        return false;
    // Entries named by text come first; numbered ones follow.
    const std::uint32_t named = ReadLittle16(header.data + 12);
    const std::uint32_t numbered = ReadLittle16(header.data + 14);
    const ByteSpan entries = InResources(directory + directoryHeaderSize, (named + numbered) * directoryEntrySize);
    const std::uint32_t first = name ? 0 : named, last = name ? named : named + numbered;
    for (std::uint32_t i = first; i < last && !entries.IsEmpty(); ++i) {
        const std::uint8_t* entry = entries.data + i * directoryEntrySize;
        if (name ? NameIs(ReadLittle32(entry), name) : anyId || ReadLittle32(entry) == id) {
            target = ReadLittle32(entry + 4);
            return true;
        }
    }
    return false;
}

// A name is its length, then that many UTF-16 units, at an offset into the
// resource directory; letters match in either case.
bool PeResources::NameIs(std::uint32_t nameField, const char* name) const
{
    const auto upper = [](std::uint32_t c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; };
    const std::uint32_t offset = nameField & ~textNameFlag;
    const ByteSpan length = InResources(offset, 2);
    const std::size_t count = std::strlen(name);
    if (!(nameField & textNameFlag) || length.IsEmpty() || ReadLittle16(length.data) != count)
        return false;
    const ByteSpan units = InResources(offset + 2, 2 * count);
    for (std::size_t i = 0; i < count; ++i)
        if (units.IsEmpty() || upper(ReadLittle16(units.data + 2 * i)) != upper(static_cast<unsigned char>(name[i])))
            return false;
    return true;
}

ByteSpan PeResources::Find(std::uint32_t type, std::uint32_t id) const
{
    return Lookup(type, nullptr, id);
}

ByteSpan PeResources::Find(const char* typeName, std::uint32_t id) const
{
    return typeName && *typeName ? Lookup(0, typeName, id) : ByteSpan{};
}

ByteSpan PeResources::Lookup(std::uint32_t type, const char* typeName, std::uint32_t id) const
{
    // Three levels: type, number, language. The first two lead to
    // directories, the last to the data's address and size.
    std::uint32_t names = 0, languages = 0, data = 0;
    if (file.IsEmpty() || !FindEntry(0, type, typeName, false, names) || !(names & subdirectoryFlag) ||
        !FindEntry(names & ~subdirectoryFlag, id, nullptr, false, languages) || !(languages & subdirectoryFlag) ||
        !FindEntry(languages & ~subdirectoryFlag, 0, nullptr, true, data) || (data & subdirectoryFlag))
        return {};
    const ByteSpan entry = InResources(data, dataEntrySize);
    if (entry.IsEmpty())
        return {};
    return AtAddress(ReadLittle32(entry.data), ReadLittle32(entry.data + 4));
}
