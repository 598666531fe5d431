#pragma once

#include <cstddef>
#include <cstdint>

namespace peglore {

// Bytes read at any offset: a file's, or bytes already in memory. The
// readers of formats that lie scattered over a large file (a soundfont's
// lists, an executable's resources) take one, so they read only the parts
// they need, and their fuzz targets hand them memory.
class IByteSource {
public:
    virtual ~IByteSource() = default;

    virtual std::uint64_t Size() const = 0;
    // Exactly COUNT bytes from OFFSET into BUFFER. False when they do not all
    // lie inside Size() or cannot be read. Safe from several threads at once.
    virtual bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const = 0;
};

}  // namespace peglore
