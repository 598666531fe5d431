#pragma once

#include "platform/profile/TProfileEntry.h"
#include "platform/profile/TProfileError.h"
#include "platform/profile/TProfileLineReader.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace peglore {

// The bytes of a profile (INI) file, read and edited in memory.
//
// Lines, sections, comments and entries are as TProfileLineReader tells them
// apart; names match without regard to ASCII case. Only the first section of
// a name counts, and within it the first entry of a key.
//
// Every read or write is one pass over the text, whatever the number of keys.
class TProfileText {
public:
    // Longer values are cut to this many bytes when read.
    static constexpr std::size_t MaxValueLength = 1023;

    TProfileText() = default;
    explicit TProfileText(std::string text);

    const std::string& Text() const noexcept { return FText; }

    // The value of KEY in SECTION: trimmed, with one pair of matching single or
    // double quotes around it removed, cut to MaxValueLength bytes. An entry
    // that is present with an empty value gives "", not the default.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // The values of many keys at once, nothing for each key that is not there.
    std::vector<std::optional<std::string>> ReadStrings(std::span<const TProfileKey> keys) const;

    // Sets KEY in SECTION to VALUE, written "key=value". An existing entry is
    // rewritten in place (keeping its line ending); a missing key goes after the
    // last entry of its section (or right after the header of a section without
    // entries); a missing section is added at the end of the text. Every other
    // byte stays as it was. New lines take the ending of the text's first line
    // (TProfileLineReader::LineEnding). Section and key are trimmed first.
    // Returns None, or why nothing was changed.
    TProfileError WriteString(std::string_view section, std::string_view key, std::string_view value);
    // Many entries at once, with the very result of writing them one by one;
    // when any of them cannot be written, none is.
    TProfileError WriteStrings(std::span<const TProfileEntry> entries);

    // Whether SECTION, KEY and VALUE can be written so that they read back:
    // no line breaks, no names that read as something else, and lines within
    // TProfileLineReader::MaxLineLength.
    static TProfileError CheckEntry(std::string_view section, std::string_view key, std::string_view value) noexcept;
    static TProfileError CheckEntries(std::span<const TProfileEntry> entries) noexcept;

private:
    std::string FText;
};

}  // namespace peglore
