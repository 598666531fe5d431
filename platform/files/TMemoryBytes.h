#pragma once

#include "platform/files/IByteSource.h"

#include <cstring>
#include <span>
#include <vector>

namespace peglore {

// A byte source over its own copy of some bytes.
class TMemoryBytes final : public IByteSource {
public:
    explicit TMemoryBytes(std::span<const std::uint8_t> bytes) : FBytes(bytes.begin(), bytes.end()) {}

    std::uint64_t Size() const override { return FBytes.size(); }
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override
    {
        if (offset > FBytes.size() || count > FBytes.size() - offset)
            return false;
        if (count > 0)
            std::memcpy(buffer, FBytes.data() + offset, count);
        return true;
    }

private:
    std::vector<std::uint8_t> FBytes;
};

}  // namespace peglore
