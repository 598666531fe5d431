#include "platform/profile/TProfileText.h"

#include <cstring>
#include <utility>

namespace peglore {

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) noexcept
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    return true;
}

enum class TLineKind { Blank, Comment, Section, Entry, Other };

struct TLine {
    std::size_t ContentBegin = 0;  // after a byte order mark on the first line
    std::size_t ContentEnd = 0;  // before the line ending
    std::size_t End = 0;  // after the line ending
    TLineKind Kind = TLineKind::Blank;
    std::string_view Name;
    std::string_view Value;
};

// Walks the lines of a text once, front to back.
class TLineScanner {
public:
    explicit TLineScanner(std::string_view text) noexcept : FText(text) {}

    // Outside the section sought only headers matter: with ENTRIESWANTED false
    // every other line is left as Other, which saves most of the work.
    bool Next(TLine& line, bool entriesWanted) noexcept
    {
        if (FPos >= FText.size())
            return false;
        const std::size_t begin = FPos;
        const void* found = std::memchr(FText.data() + begin, '\n', FText.size() - begin);
        std::size_t contentEnd;
        if (found) {
            contentEnd = std::size_t(static_cast<const char*>(found) - FText.data());
            line.End = contentEnd + 1;
        } else {
            contentEnd = FText.size();
            line.End = contentEnd;
        }
        // A CR before the LF, or a lone CR ending the text, belongs to the ending.
        if (contentEnd > begin && FText[contentEnd - 1] == '\r')
            --contentEnd;
        line.ContentBegin = begin;
        if (begin == 0 && FText.substr(0, contentEnd).starts_with(ByteOrderMark))
            line.ContentBegin = ByteOrderMark.size();
        line.ContentEnd = contentEnd;
        FPos = line.End;
        Classify(line, entriesWanted);
        return true;
    }

private:
    void Classify(TLine& line, bool entriesWanted) const noexcept
    {
        std::string_view content = FText.substr(line.ContentBegin, line.ContentEnd - line.ContentBegin);
        while (!content.empty() && IsBlank(content.front()))
            content.remove_prefix(1);
        line.Name = {};
        line.Value = {};
        if (content.empty()) {
            line.Kind = TLineKind::Blank;
        } else if (!entriesWanted && content.front() != '[') {
            line.Kind = TLineKind::Other;
        } else if (content.front() == ';' || content.front() == '#') {
            line.Kind = TLineKind::Comment;
        } else if (content.front() == '[') {
            const std::size_t close = content.find(']');
            if (close == std::string_view::npos) {
                line.Kind = TLineKind::Other;
            } else {
                line.Kind = TLineKind::Section;
                line.Name = Trim(content.substr(1, close - 1));
            }
        } else if (const std::size_t eq = content.find('='); eq != std::string_view::npos) {
            line.Kind = TLineKind::Entry;
            line.Name = Trim(content.substr(0, eq));
            line.Value = Trim(content.substr(eq + 1));
        } else {
            line.Kind = TLineKind::Other;
        }
    }

    std::string_view FText;
    std::size_t FPos = 0;
};

std::string ValueAsRead(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value.remove_prefix(1);
        value.remove_suffix(1);
    }
    return std::string(value.substr(0, TProfileText::MaxValueLength));
}

bool HoldsAny(std::string_view s, std::string_view chars) noexcept
{
    return s.find_first_of(chars) != std::string_view::npos;
}

}  // namespace

TProfileText::TProfileText(std::string text) : FText(std::move(text)) {}

std::string TProfileText::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty())
        return std::string(defaultValue);

    TLineScanner scanner(FText);
    TLine line;
    bool inSection = false;
    while (scanner.Next(line, inSection)) {
        if (line.Kind == TLineKind::Section) {
            if (inSection)
                break;  // a later section of the same name is not consulted
            inSection = EqualNoCase(line.Name, section);
        } else if (inSection && line.Kind == TLineKind::Entry && EqualNoCase(line.Name, key)) {
            return ValueAsRead(line.Value);
        }
    }
    return std::string(defaultValue);
}

TProfileError TProfileText::CheckEntry(std::string_view section, std::string_view key, std::string_view value) noexcept
{
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || HoldsAny(section, "]\r\n"))
        return TProfileError::InvalidSection;
    if (key.empty() || HoldsAny(key, "=\r\n") || key.front() == '[' || key.front() == ';' || key.front() == '#')
        return TProfileError::InvalidKey;
    if (HoldsAny(value, "\r\n"))
        return TProfileError::InvalidValue;
    return TProfileError::None;
}

std::string_view TProfileText::LineEnding() const noexcept
{
    const std::size_t lf = FText.find('\n');
    if (lf != std::string::npos && lf > 0 && FText[lf - 1] == '\r')
        return "\r\n";
    return "\n";
}

TProfileError TProfileText::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    if (const TProfileError error = CheckEntry(section, key, value); error != TProfileError::None)
        return error;
    section = Trim(section);
    key = Trim(key);
    const std::string_view eol = LineEnding();

    std::string entry;
    entry.reserve(key.size() + 1 + value.size() + eol.size());
    entry.append(key).append("=").append(value);

    TLineScanner scanner(FText);
    TLine line;
    bool inSection = false;
    TLine anchor;  // the line a new entry goes after
    while (scanner.Next(line, inSection)) {
        if (line.Kind == TLineKind::Section) {
            if (inSection)
                break;
            if (EqualNoCase(line.Name, section)) {
                inSection = true;
                anchor = line;
            }
        } else if (inSection && line.Kind == TLineKind::Entry) {
            if (EqualNoCase(line.Name, key)) {
                FText.replace(line.ContentBegin, line.ContentEnd - line.ContentBegin, entry);
                return TProfileError::None;
            }
            anchor = line;
        }
    }

    if (inSection) {
        // The anchor may be the last line of a text without a final newline, or
        // end in a lone CR; give it a proper ending so the new entry stands alone.
        const std::string_view ending(FText.data() + anchor.ContentEnd, anchor.End - anchor.ContentEnd);
        std::string insert;
        if (ending.empty())
            insert.append(eol);
        else if (ending == "\r")
            insert.append("\n");
        insert.append(entry).append(eol);
        FText.insert(anchor.End, insert);
        return TProfileError::None;
    }

    if (!FText.empty() && FText.back() != '\n')
        FText.append(FText.back() == '\r' ? std::string_view("\n") : eol);
    FText.append("[").append(section).append("]").append(eol);
    FText.append(entry).append(eol);
    return TProfileError::None;
}

}  // namespace peglore
