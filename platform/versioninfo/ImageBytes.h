#pragma once

#include "platform/files/IByteSource.h"

#include <cstdint>
#include <vector>

namespace peglore {

// No single read of an image is larger than this; headers and version
// blocks are far smaller, and a hostile length cannot make us allocate much.
constexpr std::uint64_t MaxImageRead = 4u * 1024u * 1024u;

// Exactly LENGTH bytes of IMAGE from OFFSET into OUT. False, with OUT empty,
// when they do not all lie inside the image, LENGTH exceeds MaxImageRead, or
// the read fails.
inline bool ReadImageBytes(const IByteSource& image, std::uint64_t offset, std::uint64_t length,
                           std::vector<std::uint8_t>& out)
{
    out.clear();
    if (length > MaxImageRead || offset > image.Size() || length > image.Size() - offset)
        return false;
    out.resize(std::size_t(length));
    if (!image.ReadAt(offset, out.data(), out.size())) {
        out.clear();
        return false;
    }
    return true;
}

}  // namespace peglore
