#pragma once

#include "platform/profile/TProfileEntry.h"
#include "platform/profile/TProfileLineReader.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The two passes over a profile text that TProfileText and TProfileFile share:
// one reads many keys, one works out how to write many entries. Both look at
// every line at most once, whatever the number of keys.
namespace peglore {

// Longer values are cut to this many bytes when read.
inline constexpr std::size_t MaxProfileValueLength = 1023;

// The value of every key in KEYS, in their order: trimmed, with one pair of
// matching single or double quotes removed, cut to MaxProfileValueLength
// bytes; nothing for a key that is not there. Only the first section of a
// name counts, and in it the first entry of a key. Reading stops as soon as
// every key is settled.
std::vector<std::optional<std::string>> ScanProfileValues(TProfileLineReader& lines, std::span<const TProfileKey> keys);

// Replace LENGTH bytes at OFFSET of the old text by TEXT.
struct TProfileEdit {
    std::uint64_t Offset = 0;
    std::uint64_t Length = 0;
    std::string Text;
};

// The edits, in the order of their offsets, that write ENTRIES (each already
// passed TProfileText::CheckEntry) exactly as writing them one by one with
// TProfileText::WriteString would: an existing entry is rewritten in place, a
// missing key goes after the last entry of its section, a missing section is
// added at the end. An entry that already reads "key=value" byte for byte
// takes no edit, so no edits means the text stays as it is. Nothing when the
// text could not be read to where needed.
std::optional<std::vector<TProfileEdit>> PlanProfileWrites(TProfileLineReader& lines,
                                                           std::span<const TProfileEntry> entries);

}  // namespace peglore
