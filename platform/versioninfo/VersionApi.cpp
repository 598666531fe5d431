#include "platform/versioninfo/VersionApi.h"

#include "platform/files/TReadOnlyFile.h"
#include "platform/versioninfo/ImageBytes.h"
#include "platform/versioninfo/LittleEndian.h"
#include "platform/versioninfo/TNeResourceReader.h"
#include "platform/versioninfo/TPeResourceReader.h"
#include "platform/versioninfo/TVersionBlock.h"

#include <cstring>
#include <string>

namespace peglore {

namespace {

constexpr std::uint64_t DosHeaderSize = 64;
constexpr std::uint64_t NewHeaderField = 0x3C;

TVersionBlock ImageVersionBlock(const IByteSource& image)
{
    const std::vector<std::uint8_t> none;
    std::vector<std::uint8_t> dos;
    if (!ReadImageBytes(image, 0, DosHeaderSize, dos) || dos[0] != 'M' || dos[1] != 'Z')
        return TVersionBlock(none, TVersionBlockFormat::Ansi);
    const std::uint32_t newHeader = LoadU32(dos, NewHeaderField);
    std::vector<std::uint8_t> signature;
    if (!ReadImageBytes(image, newHeader, 4, signature))
        return TVersionBlock(none, TVersionBlockFormat::Ansi);
    if (signature[0] == 'P' && signature[1] == 'E' && signature[2] == 0 && signature[3] == 0)
        return TVersionBlock(TPeResourceReader(image, newHeader).VersionResource(), TVersionBlockFormat::Unicode);
    if (signature[0] == 'N' && signature[1] == 'E')
        return TVersionBlock(TNeResourceReader(image, newHeader).VersionResource(), TVersionBlockFormat::Ansi);
    return TVersionBlock(none, TVersionBlockFormat::Ansi);
}

// The version block of the file at PATH, ready to hand out; invalid when
// there is none.
TVersionBlock ReadVersionBlock(const char* path)
{
    if (!path)
        return TVersionBlock(std::vector<std::uint8_t>(), TVersionBlockFormat::Ansi);
    return ImageVersionBlock(TReadOnlyFile(path));
}

}  // namespace

std::vector<BYTE> VersionInfoBlock(const IByteSource& image)
{
    return ImageVersionBlock(image).Buffer();
}

DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle)
{
    if (handle)
        *handle = 0;
    return DWORD(ReadVersionBlock(fileName).Buffer().size());
}

BOOL GetFileVersionInfoA(const char* fileName, DWORD /*handle*/, DWORD length, void* data)
{
    if (!data)
        return 0;
    const TVersionBlock block = ReadVersionBlock(fileName);
    if (!block.IsValid() || length < block.Buffer().size())
        return 0;
    std::memcpy(data, block.Buffer().data(), block.Buffer().size());
    return 1;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** value, UINT* length)
{
    if (!block || !subBlock || !value || !length)
        return 0;
    const std::uint8_t* found = nullptr;
    std::uint32_t size = 0;
    if (!TVersionBlock::Query(static_cast<const std::uint8_t*>(block), subBlock, found, size))
        return 0;
    // The buffer belongs to the caller, who may write to it; the pointer is
    // handed out as writable, as the platform's function does.
    *value = const_cast<std::uint8_t*>(found);
    *length = size;
    return 1;
}

}  // namespace peglore
