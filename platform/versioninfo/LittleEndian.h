#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace peglore {

// Little-endian fields of executable headers and version blocks. Every read
// is bounded by the buffer: a field that does not fit reads as 0, so callers
// check with Fits() where a 0 would be taken for a real value.
inline bool Fits(const std::vector<std::uint8_t>& bytes, std::uint64_t offset, std::uint64_t length)
{
    return offset <= bytes.size() && length <= bytes.size() - offset;
}

inline std::uint16_t LoadU16(const std::vector<std::uint8_t>& bytes, std::uint64_t offset)
{
    if (!Fits(bytes, offset, 2))
        return 0;
    return std::uint16_t(bytes[offset] | bytes[offset + 1] << 8);
}

inline std::uint32_t LoadU32(const std::vector<std::uint8_t>& bytes, std::uint64_t offset)
{
    if (!Fits(bytes, offset, 4))
        return 0;
    return std::uint32_t(bytes[offset]) | std::uint32_t(bytes[offset + 1]) << 8 |
           std::uint32_t(bytes[offset + 2]) << 16 | std::uint32_t(bytes[offset + 3]) << 24;
}

inline std::uint64_t AlignUp4(std::uint64_t offset)
{
    return (offset + 3) & ~std::uint64_t(3);
}

}  // namespace peglore
