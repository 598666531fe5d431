#include "platform/versioninfo/TPeResourceReader.h"

#include "platform/versioninfo/ImageBytes.h"
#include "platform/versioninfo/LittleEndian.h"

#include <algorithm>
#include <optional>

namespace peglore {

namespace {

constexpr std::uint16_t MagicPe32 = 0x10B;
constexpr std::uint16_t MagicPe32Plus = 0x20B;
constexpr std::uint32_t ResourceDataDirectory = 2;
constexpr std::uint32_t TypeVersion = 16;
constexpr std::uint32_t NameVersion = 1;
constexpr std::uint32_t HighBit = 0x80000000u;
constexpr std::uint64_t CoffHeaderSize = 20;
constexpr std::uint64_t SectionHeaderSize = 40;
constexpr std::uint64_t DirectorySize = 16;
constexpr std::uint64_t EntrySize = 8;
constexpr std::uint64_t DataEntrySize = 16;

// A numbered (not named) entry with the given id whose offset leads to a
// subdirectory (SUBDIRECTORY) or to a data entry.
std::optional<std::uint32_t> FindId(const auto& entries, std::uint32_t id, bool subdirectory)
{
    for (const auto& entry : entries)
        if (entry.Name == id && bool(entry.Offset & HighBit) == subdirectory)
            return entry.Offset & ~HighBit;
    return std::nullopt;
}

}  // namespace

TPeResourceReader::TPeResourceReader(const IByteSource& image, std::uint32_t peOffset) : FImage(image)
{
    FValid = ReadHeaders(peOffset);
}

bool TPeResourceReader::ReadHeaders(std::uint32_t peOffset)
{
    std::vector<std::uint8_t> coff;
    if (!ReadImageBytes(FImage, std::uint64_t(peOffset) + 4, CoffHeaderSize, coff))
        return false;
    const std::uint16_t sectionCount = LoadU16(coff, 2);
    const std::uint16_t optionalSize = LoadU16(coff, 16);
    const std::uint64_t optionalOffset = std::uint64_t(peOffset) + 4 + CoffHeaderSize;

    std::vector<std::uint8_t> optional;
    if (!ReadImageBytes(FImage, optionalOffset, optionalSize, optional))
        return false;
    std::uint64_t countField = 0;
    switch (LoadU16(optional, 0)) {
    case MagicPe32: countField = 92; break;
    case MagicPe32Plus: countField = 108; break;
    default: return false;
    }
    const std::uint64_t directoryField = countField + 4 + ResourceDataDirectory * 8;
    if (!Fits(optional, directoryField, 8) || LoadU32(optional, countField) <= ResourceDataDirectory)
        return false;
    FResourceRva = LoadU32(optional, directoryField);
    if (FResourceRva == 0)
        return false;

    std::vector<std::uint8_t> table;
    if (!ReadImageBytes(FImage, optionalOffset + optionalSize, sectionCount * SectionHeaderSize, table))
        return false;
    for (std::uint64_t at = 0; at < table.size(); at += SectionHeaderSize) {
        const std::uint32_t virtualSize = LoadU32(table, at + 8);
        const std::uint32_t rawSize = LoadU32(table, at + 16);
        // Raw data beyond the virtual size is file alignment, not section.
        const std::uint32_t size = virtualSize ? std::min(virtualSize, rawSize) : rawSize;
        FSections.push_back({LoadU32(table, at + 12), size, LoadU32(table, at + 20)});
    }
    return true;
}

bool TPeResourceReader::RvaToFile(std::uint64_t rva, std::uint64_t length, std::uint64_t& fileOffset) const
{
    for (const TSection& section : FSections) {
        if (rva < section.VirtualAddress)
            continue;
        const std::uint64_t inside = rva - section.VirtualAddress;
        if (inside < section.Size && length <= section.Size - inside) {
            fileOffset = section.FileOffset + inside;
            return true;
        }
    }
    return false;
}

bool TPeResourceReader::ReadRva(std::uint64_t rva, std::uint64_t length, std::vector<std::uint8_t>& out) const
{
    std::uint64_t fileOffset = 0;
    if (!RvaToFile(rva, length, fileOffset))
        return false;
    return ReadImageBytes(FImage, fileOffset, length, out);
}

bool TPeResourceReader::ReadDirectory(std::uint32_t offset, std::vector<TEntry>& entries) const
{
    entries.clear();
    std::vector<std::uint8_t> header;
    const std::uint64_t rva = std::uint64_t(FResourceRva) + offset;
    if (!ReadRva(rva, DirectorySize, header))
        return false;
    const std::uint64_t count = std::uint64_t(LoadU16(header, 12)) + LoadU16(header, 14);
    std::vector<std::uint8_t> raw;
    if (!ReadRva(rva + DirectorySize, count * EntrySize, raw))
        return false;
    for (std::uint64_t at = 0; at < raw.size(); at += EntrySize)
        entries.push_back({LoadU32(raw, at), LoadU32(raw, at + 4)});
    return true;
}

std::vector<std::uint8_t> TPeResourceReader::VersionResource() const
{
    if (!FValid)
        return {};
    std::vector<TEntry> entries;
    if (!ReadDirectory(0, entries))
        return {};
    const auto names = FindId(entries, TypeVersion, true);
    if (!names || !ReadDirectory(*names, entries))
        return {};
    const auto languages = FindId(entries, NameVersion, true);
    if (!languages || !ReadDirectory(*languages, entries))
        return {};

    // Languages are numbered entries leading to data; named ones and any
    // that lead to yet another directory do not count.
    std::optional<std::uint32_t> data;
    for (std::uint16_t language : PreferredLanguages)
        if ((data = FindId(entries, language, false)))
            break;
    for (std::size_t i = 0; !data && i < entries.size(); ++i)
        if (!(entries[i].Name & HighBit) && !(entries[i].Offset & HighBit))
            data = entries[i].Offset;
    if (!data)
        return {};

    std::vector<std::uint8_t> dataEntry;
    if (!ReadRva(std::uint64_t(FResourceRva) + *data, DataEntrySize, dataEntry))
        return {};
    const std::uint32_t size = std::min(LoadU32(dataEntry, 4), MaxResource);
    std::vector<std::uint8_t> resource;
    if (!ReadRva(LoadU32(dataEntry, 0), size, resource))
        return {};
    return resource;
}

}  // namespace peglore
