#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace peglore {

// How a version resource stores its keys and text: 32-bit images use UTF-16
// with a type word in every header, 16-bit images 8-bit text without one.
enum class TVersionBlockFormat { Unicode, Ansi };

// A version resource turned into the buffer that GetFileVersionInfoA hands
// out, and the lookups VerQueryValueA makes in such a buffer.
//
// The buffer starts with the resource's root block byte for byte, as the
// published format lays it out. Behind it, 4-byte aligned, follow a signature,
// a length and a copy of the same tree in a form of our own: 8-bit keys, text
// values converted to 8-bit (UTF-8 for a Unicode block) and always ended by a
// zero inside the value, binary values unchanged, 32-bit lengths. Lookups use
// only the copy, which was checked while it was made.
//
// The values of the entries of a string table (StringFileInfo\<table>\<key>)
// are text; every other value is binary.
class TVersionBlock {
public:
    // Nodes deeper than this are left out of the copy; a string is at depth 3.
    static constexpr int MaxDepth = 8;

    // Checks and copies the root block at the start of RESOURCE. A child
    // whose length is zero or runs past its parent ends the parent's list of
    // children; a child whose key has no end is left out; a value running past
    // its block is cut at the block's end. A malformed root leaves the block
    // invalid.
    TVersionBlock(const std::vector<std::uint8_t>& resource, TVersionBlockFormat format);

    bool IsValid() const noexcept { return !FBuffer.empty(); }
    // Empty when the block is invalid.
    const std::vector<std::uint8_t>& Buffer() const noexcept { return FBuffer; }

    // The value at PATH (keys separated by "\", matched without regard to
    // ASCII letter case; no key at all names the root) in BUFFER, made by this
    // class. LENGTH counts the bytes of a binary value, the characters of a
    // text value with its ending zero. False when BUFFER lacks our copy or
    // the path does not exist.
    static bool Query(const std::uint8_t* buffer, std::string_view path, const std::uint8_t*& value,
                      std::uint32_t& length);

private:
    std::vector<std::uint8_t> FBuffer;
};

}  // namespace peglore
