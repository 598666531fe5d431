#include "platform/profile/TProfileLineReader.h"

#include "platform/profile/ProfileNames.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace peglore {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
// How much a file reader asks for at a time, at the most; its buffer starts
// small and grows only as a large file or a long line needs, so reading a
// settings file of a few lines costs a few kilobytes.
constexpr std::size_t ChunkSize = 256 * 1024;
constexpr std::size_t FirstBufferSize = 4 * 1024;

void Classify(TProfileLine& line, std::string_view content, bool entriesWanted) noexcept
{
    while (!content.empty() && IsProfileBlank(content.front()))
        content.remove_prefix(1);
    line.Name = {};
    line.Value = {};
    if (content.empty()) {
        line.Kind = TProfileLineKind::Blank;
    } else if (!entriesWanted && content.front() != '[') {
        line.Kind = TProfileLineKind::Other;
    } else if (content.front() == ';' || content.front() == '#') {
        line.Kind = TProfileLineKind::Comment;
    } else if (content.front() == '[') {
        const std::size_t close = content.find(']');
        if (close == std::string_view::npos) {
            line.Kind = TProfileLineKind::Other;
        } else {
            line.Kind = TProfileLineKind::Section;
            line.Name = TrimProfileBlanks(content.substr(1, close - 1));
        }
    } else if (const std::size_t eq = content.find('='); eq != std::string_view::npos) {
        line.Kind = TProfileLineKind::Entry;
        line.Name = TrimProfileBlanks(content.substr(0, eq));
        line.Value = TrimProfileBlanks(content.substr(eq + 1));
    } else {
        line.Kind = TProfileLineKind::Other;
    }
}

}  // namespace

TProfileLineReader::TProfileLineReader(std::string_view text, std::size_t maxLineLength)
    : FData(text.data()), FSize(text.size()), FMaxLineLength(maxLineLength), FAtEnd(true),
      FLastByte(text.empty() ? -1 : static_cast<unsigned char>(text.back()))
{
}

TProfileLineReader::TProfileLineReader(TFill fill, std::size_t maxLineLength)
    : FFill(std::move(fill)), FCapacity(maxLineLength + 2 + ChunkSize), FMaxLineLength(maxLineLength)
{
    FAllocated = std::min(FCapacity, FirstBufferSize);
    FStorage = std::make_unique_for_overwrite<char[]>(FAllocated);
    FData = FStorage.get();
}

std::string_view TProfileLineReader::LineEnding() const noexcept
{
    if (FFirstLineFeed != 0)
        return FFirstLineFeed == 2 ? "\r\n" : "\n";
    return FLastByte == '\r' ? "\r\n" : "\n";
}

void TProfileLineReader::NoteFirstLineFeed(bool afterCarriageReturn) noexcept
{
    if (FFirstLineFeed == 0)
        FFirstLineFeed = afterCarriageReturn ? 2 : 1;
}

bool TProfileLineReader::Next(TProfileLine& line, bool entriesWanted)
{
    for (;;) {
        if (FFailed)
            return false;
        if (FPos < FSize) {
            // Bytes of an unfinished line already searched need no second look.
            const std::size_t from = std::max(FPos, FSearched);
            const void* found = std::memchr(FData + from, '\n', FSize - from);
            if (found) {
                const std::size_t lf = std::size_t(static_cast<const char*>(found) - FData);
                const bool cr = lf > FPos && FData[lf - 1] == '\r';
                NoteFirstLineFeed(cr);
                Complete(line, FPos, cr ? lf - 1 : lf, lf + 1, cr ? "\r\n" : "\n", entriesWanted);
                return true;
            }
            if (FAtEnd) {
                const bool cr = FData[FSize - 1] == '\r';
                Complete(line, FPos, cr ? FSize - 1 : FSize, FSize, cr ? "\r" : "", entriesWanted);
                return true;
            }
            FSearched = FSize;
            // Past the limit even if a CR ends it: skip it without keeping it.
            if (FSize - FPos > FMaxLineLength + 1) {
                SkipLongLine(line);
                return !FFailed;
            }
        } else if (FAtEnd) {
            return false;
        }
        if (!FillMore())
            return false;
    }
}

void TProfileLineReader::Complete(TProfileLine& line, std::size_t begin, std::size_t contentEnd, std::size_t end,
                                  std::string_view ending, bool entriesWanted)
{
    std::size_t contentBegin = begin;
    if (FBase + begin == 0 && std::string_view(FData, contentEnd).starts_with(ByteOrderMark))
        contentBegin = ByteOrderMark.size();
    line.ContentBegin = FBase + contentBegin;
    line.ContentEnd = FBase + contentEnd;
    line.End = FBase + end;
    line.Ending = ending;
    if (contentEnd - begin > FMaxLineLength) {
        line.Kind = TProfileLineKind::Other;
        line.Content = {};
        line.Name = {};
        line.Value = {};
    } else {
        line.Content = std::string_view(FData + contentBegin, contentEnd - contentBegin);
        Classify(line, line.Content, entriesWanted);
    }
    FPos = end;
}

void TProfileLineReader::SkipLongLine(TProfileLine& line)
{
    line.ContentBegin = FBase + FPos;
    line.Kind = TProfileLineKind::Other;
    line.Content = {};
    line.Name = {};
    line.Value = {};
    char previous = FData[FSize - 1];
    FBase += FSize;
    FPos = FSize = FSearched = 0;
    for (;;) {
        if (!FillMore())
            return;
        if (FSize == 0) {  // the end of the text
            const bool cr = previous == '\r';
            line.ContentEnd = FBase - (cr ? 1 : 0);
            line.End = FBase;
            line.Ending = cr ? "\r" : "";
            return;
        }
        if (const void* found = std::memchr(FData, '\n', FSize)) {
            const std::size_t lf = std::size_t(static_cast<const char*>(found) - FData);
            const bool cr = (lf > 0 ? FData[lf - 1] : previous) == '\r';
            NoteFirstLineFeed(cr);
            line.ContentEnd = FBase + lf - (cr ? 1 : 0);
            line.End = FBase + lf + 1;
            line.Ending = cr ? "\r\n" : "\n";
            FPos = lf + 1;
            return;
        }
        previous = FData[FSize - 1];
        FBase += FSize;
        FSize = 0;
    }
}

bool TProfileLineReader::FillMore()
{
    if (!FFill) {
        FAtEnd = true;
        return true;
    }
    // Keep the unfinished line, at most the line limit, at the front.
    if (FPos > 0) {
        std::memmove(FStorage.get(), FData + FPos, FSize - FPos);
        FBase += FPos;
        FSize -= FPos;
        FSearched -= std::min(FSearched, FPos);
        FPos = 0;
    }
    // The line limit keeps what is kept below the capacity, so a full
    // buffer can always grow.
    if (FSize == FAllocated) {
        FAllocated = std::min(FCapacity, FAllocated * 2);
        auto larger = std::make_unique_for_overwrite<char[]>(FAllocated);
        std::memcpy(larger.get(), FStorage.get(), FSize);
        FStorage = std::move(larger);
        FData = FStorage.get();
    }
    const std::ptrdiff_t got = FFill(FStorage.get() + FSize, FAllocated - FSize);
    if (got < 0) {
        FFailed = true;
        return false;
    }
    if (got == 0) {
        FAtEnd = true;
        return true;
    }
    FSize += std::size_t(got);
    FLastByte = static_cast<unsigned char>(FStorage[FSize - 1]);
    return true;
}

}  // namespace peglore
