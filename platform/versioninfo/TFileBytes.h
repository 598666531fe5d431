#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace peglore {

// Read-only random access to one regular file. Anything else (a folder, a
// pipe, a device) counts as a file that cannot be opened, so a read never
// blocks waiting for a writer and never runs on without end.
class TFileBytes {
public:
    // No single read is larger than this; headers and version blocks are far
    // smaller, and a hostile length cannot make us allocate much.
    static constexpr std::size_t MaxRead = 4u * 1024u * 1024u;

    explicit TFileBytes(const std::string& path);
    TFileBytes(const TFileBytes&) = delete;
    TFileBytes& operator=(const TFileBytes&) = delete;
    ~TFileBytes();

    bool IsOpen() const noexcept { return FD >= 0; }
    // The size when the file was opened.
    std::uint64_t Size() const noexcept { return FSize; }

    // Exactly LENGTH bytes from OFFSET into OUT. False, with OUT empty, when
    // they do not all lie inside the file, LENGTH exceeds MaxRead, or the
    // system read fails or comes up short.
    bool Read(std::uint64_t offset, std::uint64_t length, std::vector<std::uint8_t>& out) const;

private:
    int FD = -1;
    std::uint64_t FSize = 0;
};

}  // namespace peglore
