#include "platform/help/THelpFile.h"

#include "platform/files/TReadOnlyFile.h"
#include "platform/help/HelpText.h"

namespace peglore {

namespace {

using helptext::IsBlank;
using helptext::ParseContext;
using helptext::Trim;

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameWord(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// Cuts S to at most MAX bytes without splitting a UTF-8 sequence.
std::string Cut(std::string_view s, std::size_t max)
{
    if (s.size() <= max)
        return std::string(s);
    std::size_t end = max;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80)
        --end;
    return std::string(Trim(s.substr(0, end)));
}

bool IsFieldName(std::string_view name)
{
    if (name.empty())
        return false;
    for (const char c : name) {
        const char l = Lower(c);
        if (!((l >= 'a' && l <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_'))
            return false;
    }
    return true;
}

}  // namespace

void THelpFile::Note(std::size_t line, const std::string& what)
{
    ++FProblemCount;
    if (FProblems.size() < MaxProblems)
        FProblems.push_back("line " + std::to_string(line) + ": " + what);
}

THelpFile THelpFile::Parse(std::string_view text)
{
    THelpFile file;
    if (text.find('\0') != std::string_view::npos) {
        file.FError = TError::NotText;
        return file;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    enum class TPart { Outside, Skipped, Header, Body };
    TPart part = TPart::Outside;
    THelpTopic* topic = nullptr;
    std::size_t lineNumber = 0;

    const auto finishTopic = [&] {
        if (topic == nullptr)
            return;
        while (!topic->Body.empty() && topic->Body.back() == '\n')
            topic->Body.pop_back();
        topic = nullptr;
    };

    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const std::string_view trimmed = Trim(line);

        if (!trimmed.empty() && trimmed.front() == ';')
            continue;

        // A line in single brackets opens a section; "[[" starts a link.
        if (trimmed.size() >= 2 && trimmed[0] == '[' && trimmed[1] != '[' && trimmed.back() == ']') {
            finishTopic();
            part = TPart::Skipped;
            const std::string_view inside = Trim(trimmed.substr(1, trimmed.size() - 2));
            std::size_t blank = 0;
            while (blank < inside.size() && !IsBlank(inside[blank]))
                ++blank;
            const std::string_view word = inside.substr(0, blank);
            const std::string_view number = Trim(inside.substr(blank));
            if (!SameWord(word, "topic")) {
                file.Note(lineNumber, "unknown section " + Cut(trimmed, MaxTitleLength) + " skipped");
                continue;
            }
            const int context = ParseContext(number);
            if (context == 0) {
                file.Note(lineNumber,
                          "topic number " + Cut(number, MaxTitleLength) + " is not 1 to 999999999; section skipped");
                continue;
            }
            if (file.FByContext.count(context) != 0) {
                file.Note(lineNumber, "topic " + std::to_string(context) + " appears again; the first one is kept");
                continue;
            }
            file.FByContext[context] = file.FTopics.size();
            file.FTopics.push_back(THelpTopic{context, {}, {}, {}});
            topic = &file.FTopics.back();
            part = TPart::Header;
            continue;
        }

        switch (part) {
        case TPart::Outside:
            if (!trimmed.empty())
                file.Note(lineNumber, "text outside a topic ignored");
            break;
        case TPart::Skipped: break;
        case TPart::Header: {
            const std::size_t equals = trimmed.find('=');
            const std::string_view name =
                equals == std::string_view::npos ? std::string_view() : Trim(trimmed.substr(0, equals));
            if (IsFieldName(name)) {
                const std::string_view value = Trim(trimmed.substr(equals + 1));
                if (SameWord(name, "title")) {
                    topic->Title = Cut(value, MaxTitleLength);
                } else if (SameWord(name, "keywords")) {
                    std::size_t from = 0;
                    while (from <= value.size()) {
                        std::size_t semicolon = value.find(';', from);
                        if (semicolon == std::string_view::npos)
                            semicolon = value.size();
                        const std::string keyword = Cut(Trim(value.substr(from, semicolon - from)), MaxTitleLength);
                        from = semicolon + 1;
                        bool known = keyword.empty();
                        for (const std::string& k : topic->Keywords)
                            known = known || k == keyword;
                        if (!known)
                            topic->Keywords.push_back(keyword);
                    }
                } else {
                    file.Note(lineNumber, "unknown field " + Cut(name, MaxTitleLength) + " ignored");
                }
                break;
            }
            part = TPart::Body;
            if (trimmed.empty())
                break;
            [[fallthrough]];
        }
        case TPart::Body:
            // Blank lines at the start of a body carry nothing.
            if (!trimmed.empty() || !topic->Body.empty()) {
                topic->Body.append(line);
                topic->Body.push_back('\n');
            }
            break;
        }
    }
    finishTopic();

    for (THelpTopic& t : file.FTopics)
        if (t.Title.empty())
            t.Title = "Topic " + std::to_string(t.Context);
    file.FError = file.FTopics.empty() ? TError::NoTopics : TError::None;
    return file;
}

THelpFile THelpFile::Load(const std::string& path)
{
    TFileContents contents = ReadFileContents(path, MaxFileSize);
    if (contents.Error != TFileError::None) {
        THelpFile file;
        file.FPath = path;
        switch (contents.Error) {
        case TFileError::None:
        case TFileError::Unreadable: file.FError = TError::Unreadable; break;
        case TFileError::Missing: file.FError = TError::Missing; break;
        case TFileError::NotAFile: file.FError = TError::NotAFile; break;
        case TFileError::TooLarge: file.FError = TError::TooLarge; break;
        }
        file.FReason = std::move(contents.Reason);
        return file;
    }
    THelpFile file = Parse(contents.Bytes);
    file.FPath = path;
    return file;
}

std::string THelpFile::ErrorText() const
{
    const std::string name = "Cannot open the help file \"" + FPath + "\"";
    switch (FError) {
    case TError::None: return {};
    case TError::Missing: return name + ": there is no such file.";
    case TError::Unreadable:
    case TError::NotAFile: return name + ": " + FReason + ".";
    case TError::TooLarge:
        return name + ": it is larger than " + std::to_string(MaxFileSize / 1024) + " KiB, too large for a help file.";
    case TError::NotText: return name + ": it is not a help file.";
    case TError::NoTopics: return name + ": it holds no help topics.";
    }
    return name + ".";
}

const THelpTopic* THelpFile::Find(int context) const noexcept
{
    const auto found = FByContext.find(context);
    return found == FByContext.end() ? nullptr : &FTopics[found->second];
}

}  // namespace peglore
