#pragma once

#include "platform/files/IByteSource.h"

#include <array>
#include <cstdint>
#include <vector>

namespace peglore {

// Finds the version resource of a PE32 or PE32+ image: the resource directory
// named by the optional header's data directory, type 16 (RT_VERSION), name 1,
// then a preferred language or else the first one present.
//
// The directory is walked exactly three levels deep, so an entry that points
// back to an earlier directory cannot make the walk loop; every offset is
// checked against its section and the file before it is read.
class TPeResourceReader {
public:
    // Language-neutral first, then US English, the language of our own texts.
    static constexpr std::array<std::uint16_t, 2> PreferredLanguages = {0x0000, 0x0409};
    // A version block's length field has 16 bits; nothing past that is read.
    static constexpr std::uint32_t MaxResource = 0x10000;

    // PEOFFSET: where the "PE\0\0" signature lies in IMAGE.
    TPeResourceReader(const IByteSource& image, std::uint32_t peOffset);

    // The leading bytes of the resource (at most MaxResource); empty when the
    // image has none or is malformed.
    std::vector<std::uint8_t> VersionResource() const;

private:
    struct TSection {
        std::uint32_t VirtualAddress;
        std::uint32_t Size;  // of the part present in the file
        std::uint32_t FileOffset;
    };
    struct TEntry {
        std::uint32_t Name;
        std::uint32_t Offset;
    };

    bool ReadHeaders(std::uint32_t peOffset);
    // The file offset of LENGTH bytes at RVA, when they lie in one section.
    bool RvaToFile(std::uint64_t rva, std::uint64_t length, std::uint64_t& fileOffset) const;
    bool ReadRva(std::uint64_t rva, std::uint64_t length, std::vector<std::uint8_t>& out) const;
    // The entries of the directory at OFFSET inside the resource section.
    bool ReadDirectory(std::uint32_t offset, std::vector<TEntry>& entries) const;

    const IByteSource& FImage;
    std::vector<TSection> FSections;
    std::uint32_t FResourceRva = 0;
    bool FValid = false;
};

}  // namespace peglore
