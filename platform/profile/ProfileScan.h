#pragma once

#include "platform/profile/TProfileEntry.h"
#include "platform/profile/TProfileError.h"
#include "platform/profile/TProfileLineReader.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The two passes over a profile text that TProfileFile makes: one reads many
// keys, one works out how to write many entries. Both look at every line at
// most once, whatever the number of keys.
//
// Lines, sections, comments and entries are as TProfileLineReader tells them
// apart; names match without regard to ASCII case. Only the first section of
// a name counts, and within it the first entry of a key.
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

// Whether SECTION, KEY and VALUE can be written so that they read back: no
// line breaks, no names that read as something else, and lines within
// TProfileLineReader::MaxLineLength. None, or why not.
TProfileError CheckProfileEntry(std::string_view section, std::string_view key, std::string_view value) noexcept;
TProfileError CheckProfileEntries(std::span<const TProfileEntry> entries) noexcept;

// The edits, in the order of their offsets, that write ENTRIES (each already
// passed CheckProfileEntry) exactly as writing them one by one would. Each is
// written "key=value", section and key trimmed: an existing entry is
// rewritten in place (keeping its line ending); a missing key goes after the
// last entry of its section (or right after the header of a section without
// entries); a missing section is added at the end of the text. Every other
// byte stays as it was. New lines take the ending of the text's first line
// (TProfileLineReader::LineEnding). An entry that already reads "key=value"
// byte for byte takes no edit, so no edits means the text stays as it is.
// Nothing when the text could not be read to where needed.
std::optional<std::vector<TProfileEdit>> PlanProfileWrites(TProfileLineReader& lines,
                                                           std::span<const TProfileEntry> entries);

}  // namespace peglore
