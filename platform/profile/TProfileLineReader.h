#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

namespace peglore {

enum class TProfileLineKind { Blank, Comment, Section, Entry, Other };

// One line of a profile text; offsets count bytes from the start of the text.
struct TProfileLine {
    std::uint64_t ContentBegin = 0;  // after a byte order mark on the first line
    std::uint64_t ContentEnd = 0;  // before the line ending
    std::uint64_t End = 0;  // after the line ending
    std::string_view Ending;  // "\n", "\r\n", or at the end of the text "" or "\r"
    TProfileLineKind Kind = TProfileLineKind::Blank;
    std::string_view Content;  // the bytes between the two, empty for a line past the limit
    std::string_view Name;  // a section's or an entry's name, trimmed
    std::string_view Value;  // an entry's value, trimmed
};

// Walks the lines of a profile text once, front to back, either over a text
// in memory or over bytes pulled in pieces from a file, so that a text of any
// size is read in a fixed amount of memory.
//
// Lines end in LF, CRLF, or at the end of the text (where a lone CR is the
// ending too). A line whose first non-blank character is '[' and that holds a
// ']' opens the section named between them; ';' or '#' opens a comment; any
// other line holding '=' is an entry "key=value". Names and values are trimmed
// of blanks (spaces and tabs). A UTF-8 byte order mark before the first line
// is skipped. A line longer than the line limit (not counting its ending) is
// Other whatever it holds: only its offsets are known.
class TProfileLineReader {
public:
    // No line of a settings file comes near this; it bounds the memory a
    // reader needs.
    static constexpr std::size_t MaxLineLength = 64 * 1024;

    // Puts up to SIZE more bytes into BUFFER and returns how many: 0 at the
    // end, -1 when the bytes cannot be read.
    using TFill = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

    // TEXT must outlive the reader; it is never copied.
    explicit TProfileLineReader(std::string_view text, std::size_t maxLineLength = MaxLineLength);
    explicit TProfileLineReader(TFill fill, std::size_t maxLineLength = MaxLineLength);

    // The next line. With ENTRIESWANTED false only section headers are told
    // apart and every other non-blank line is Other, which saves most of the
    // work outside the sections sought. Content, Name and Value stay valid
    // until the next call. False at the end of the text or after a read error.
    bool Next(TProfileLine& line, bool entriesWanted);

    // A read error cut the text short.
    bool Failed() const noexcept { return FFailed; }
    // Whether the whole text has been read.
    bool AtEnd() const noexcept { return FAtEnd && FPos == FSize && !FFailed; }
    // Bytes of the text passed so far; its size once AtEnd().
    std::uint64_t Offset() const noexcept { return FBase + FPos; }
    // The last byte of the text, or -1 for an empty text; valid once AtEnd().
    int LastByte() const noexcept { return FLastByte; }
    // The ending that new lines take: that of the first line ending in LF,
    // else CRLF for a text that ends in a lone CR, else LF. Valid once a line
    // ending in LF has been read, or once AtEnd().
    std::string_view LineEnding() const noexcept;

private:
    bool FillMore();
    void Complete(TProfileLine& line, std::size_t begin, std::size_t contentEnd, std::size_t end,
                  std::string_view ending, bool entriesWanted);
    void SkipLongLine(TProfileLine& line);
    void NoteFirstLineFeed(bool afterCarriageReturn) noexcept;

    TFill FFill;
    std::unique_ptr<char[]> FStorage;  // left uninitialised: only read after a fill
    std::size_t FAllocated = 0;  // the size of FStorage
    std::size_t FCapacity = 0;  // how large FStorage may grow
    const char* FData = nullptr;
    std::size_t FSize = 0;  // bytes in FData
    std::size_t FPos = 0;  // the next line starts at FData[FPos]
    std::size_t FSearched = 0;  // no LF in FData[FPos, FSearched)
    std::uint64_t FBase = 0;  // the offset of FData[0] in the text
    std::size_t FMaxLineLength;
    bool FAtEnd = false;  // no more bytes beyond FData[FSize]
    bool FFailed = false;
    int FLastByte = -1;
    int FFirstLineFeed = 0;  // 0 none yet, 1 after LF alone, 2 after CRLF
};

}  // namespace peglore
