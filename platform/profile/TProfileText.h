#pragma once

#include "platform/profile/TProfileError.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace peglore {

// The bytes of a profile (INI) file, read and edited in memory.
//
// Lines end in LF or CRLF. A line whose first non-blank character is '[' and
// that holds a ']' opens the section named between them; ';' or '#' opens a
// comment; any other line holding '=' is an entry "key=value". Names and values
// are trimmed of blanks (spaces and tabs); names match without regard to ASCII
// case. Only the first section of a name counts, and within it the first entry
// of a key. A UTF-8 byte order mark before the first line is skipped.
//
// Every scan is linear in the size of the text and allocates only the result.
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

    // Sets KEY in SECTION to VALUE, written "key=value". An existing entry is
    // rewritten in place (keeping its line ending); a missing key goes after the
    // last entry of its section (or right after the header of a section without
    // entries); a missing section is added at the end of the text. Every other
    // byte stays as it was. New lines use the line ending of the text's first
    // line, LF for a text without any. Section and key are trimmed first.
    // Returns None, or why nothing was changed.
    TProfileError WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Whether SECTION, KEY and VALUE can be written so that they read back.
    static TProfileError CheckEntry(std::string_view section, std::string_view key, std::string_view value) noexcept;

private:
    std::string_view LineEnding() const noexcept;

    std::string FText;
};

}  // namespace peglore
