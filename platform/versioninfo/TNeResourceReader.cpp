#include "platform/versioninfo/TNeResourceReader.h"

#include "platform/versioninfo/ImageBytes.h"
#include "platform/versioninfo/LittleEndian.h"

#include <algorithm>

namespace peglore {

namespace {

constexpr std::uint64_t ResourceTableField = 0x24;
constexpr std::uint64_t TypeInfoSize = 8;
constexpr std::uint64_t NameInfoSize = 12;
constexpr std::uint16_t TypeVersion = 0x8010;
constexpr std::uint16_t NameVersion = 0x8001;
// Units of 2^shift bytes; beyond this no 16-bit offset lies in a file we read.
constexpr std::uint16_t MaxAlignShift = 24;

}  // namespace

TNeResourceReader::TNeResourceReader(const IByteSource& image, std::uint32_t neOffset) : FImage(image), FNeOffset(neOffset)
{
}

std::vector<std::uint8_t> TNeResourceReader::VersionResource() const
{
    if (FNeOffset >= FImage.Size())
        return {};
    std::vector<std::uint8_t> window;
    const std::uint64_t length = std::min<std::uint64_t>(TableWindow, FImage.Size() - FNeOffset);
    if (!ReadImageBytes(FImage, FNeOffset, length, window))
        return {};

    const std::uint64_t table = LoadU16(window, ResourceTableField);
    if (!Fits(window, ResourceTableField, 2) || table == 0 || !Fits(window, table, 2))
        return {};
    const std::uint16_t shift = LoadU16(window, table);
    if (shift > MaxAlignShift)
        return {};

    std::uint64_t type = table + 2;
    while (Fits(window, type, TypeInfoSize)) {
        const std::uint16_t typeId = LoadU16(window, type);
        if (typeId == 0)
            return {};  // the end of the type list
        const std::uint64_t count = LoadU16(window, type + 2);
        const std::uint64_t names = type + TypeInfoSize;
        if (typeId == TypeVersion) {
            for (std::uint64_t i = 0; i < count && Fits(window, names + i * NameInfoSize, NameInfoSize); ++i) {
                const std::uint64_t name = names + i * NameInfoSize;
                if (LoadU16(window, name + 6) != NameVersion)
                    continue;
                const std::uint64_t offset = std::uint64_t(LoadU16(window, name)) << shift;
                const std::uint64_t size =
                    std::min<std::uint64_t>(std::uint64_t(LoadU16(window, name + 2)) << shift, MaxResource);
                std::vector<std::uint8_t> resource;
                if (!ReadImageBytes(FImage, offset, size, resource))
                    return {};
                return resource;
            }
        }
        type = names + count * NameInfoSize;
    }
    return {};  // the list ran off the window without its end
}

}  // namespace peglore
