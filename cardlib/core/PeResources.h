#pragma once

#include <cstddef>
#include <cstdint>

// A run of bytes inside a buffer its caller keeps; empty when absent.
struct ByteSpan {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;

    bool IsEmpty() const { return size == 0; }
};

// The resources of a Windows module file (PE32 or PE32+), read from the
// file's bytes alone. Nothing in the file is trusted: every offset and size
// it names is checked against the buffer before a byte there is read, so a
// damaged or crafted file yields no resource, never a read outside it.
// Resources are looked up by number, the way card libraries number their
// pictures, within a type given by number or by name; any number of lookups
// share the one parsed header.
class PeResources {
public:
    PeResources(const std::uint8_t* bytes, std::size_t size);

    // The data of resource `id` of resource type `type`, in the first
    // language the file lists; empty when there is none or when any part of
    // the way to it lies outside the file.
    ByteSpan Find(std::uint32_t type, std::uint32_t id) const;
    // The same in a type named by text ("BITMAP2X"), its letters in any
    // case, as the system matches names.
    ByteSpan Find(const char* typeName, std::uint32_t id) const;

private:
    ByteSpan AtAddress(std::uint64_t address, std::uint64_t length) const;
    ByteSpan InResources(std::uint64_t offset, std::uint64_t length) const;
    bool FindEntry(std::uint32_t directory, std::uint32_t id, const char* name, bool anyId,
                   std::uint32_t& target) const;
    bool NameIs(std::uint32_t nameField, const char* name) const;
    ByteSpan Lookup(std::uint32_t type, const char* typeName, std::uint32_t id) const;

    ByteSpan file;
    std::uint64_t sectionTable = 0;
    std::uint32_t sectionCount = 0;
    std::uint32_t resourceAddress = 0;
    std::uint32_t resourceSize = 0;
};

std::uint16_t ReadLittle16(const std::uint8_t* at);
std::uint32_t ReadLittle32(const std::uint8_t* at);
