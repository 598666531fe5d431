#include "platform/profile/ProfileScan.h"

#include "platform/profile/ProfileNames.h"

namespace peglore {

namespace {

constexpr std::size_t None = std::size_t(-1);

std::string ValueAsRead(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        value.remove_prefix(1);
        value.remove_suffix(1);
    }
    return std::string(value.substr(0, MaxProfileValueLength));
}

bool HoldsAny(std::string_view s, std::string_view chars) noexcept
{
    return s.find_first_of(chars) != std::string_view::npos;
}

}  // namespace

TProfileError CheckProfileEntry(std::string_view section, std::string_view key, std::string_view value) noexcept
{
    section = TrimProfileBlanks(section);
    key = TrimProfileBlanks(key);
    if (section.empty() || HoldsAny(section, "]\r\n") || section.size() + 2 > TProfileLineReader::MaxLineLength)
        return TProfileError::InvalidSection;
    if (key.empty() || HoldsAny(key, "=\r\n") || key.front() == '[' || key.front() == ';' || key.front() == '#' ||
        key.size() + 1 > TProfileLineReader::MaxLineLength)
        return TProfileError::InvalidKey;
    if (HoldsAny(value, "\r\n") || value.size() > TProfileLineReader::MaxLineLength - key.size() - 1)
        return TProfileError::InvalidValue;
    return TProfileError::None;
}

TProfileError CheckProfileEntries(std::span<const TProfileEntry> entries) noexcept
{
    for (const TProfileEntry& entry : entries)
        if (const TProfileError error = CheckProfileEntry(entry.Section, entry.Key, entry.Value);
            error != TProfileError::None)
            return error;
    return TProfileError::None;
}

std::vector<std::optional<std::string>> ScanProfileValues(TProfileLineReader& lines, std::span<const TProfileKey> keys)
{
    std::vector<std::optional<std::string>> values(keys.size());
    struct TSection {
        std::string_view Name;
        std::size_t Open = 0;  // keys of it not settled yet
        bool Seen = false;
    };
    std::vector<TSection> sections;
    std::vector<std::size_t> sectionOf(keys.size(), None);
    std::size_t open = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const std::string_view section = TrimProfileBlanks(keys[i].Section);
        if (section.empty() || TrimProfileBlanks(keys[i].Key).empty())
            continue;  // never there
        std::size_t s = 0;
        while (s < sections.size() && !SameProfileName(sections[s].Name, section))
            ++s;
        if (s == sections.size()) {
            sections.emplace_back();
            sections.back().Name = section;
        }
        sectionOf[i] = s;
        ++sections[s].Open;
        ++open;
    }

    std::vector<bool> settled(keys.size(), false);
    std::size_t current = None;
    TProfileLine line;
    while (open > 0 && lines.Next(line, current != None)) {
        if (line.Kind == TProfileLineKind::Section) {
            // A later section of the same name is not consulted.
            if (current != None) {
                open -= sections[current].Open;
                sections[current].Open = 0;
                current = None;
            }
            for (std::size_t s = 0; s < sections.size(); ++s)
                if (!sections[s].Seen && SameProfileName(line.Name, sections[s].Name)) {
                    sections[s].Seen = true;
                    current = s;
                    break;
                }
        } else if (current != None && line.Kind == TProfileLineKind::Entry) {
            for (std::size_t i = 0; i < keys.size(); ++i)
                if (sectionOf[i] == current && !settled[i] &&
                    SameProfileName(line.Name, TrimProfileBlanks(keys[i].Key))) {
                    values[i] = ValueAsRead(line.Value);
                    settled[i] = true;
                    --sections[current].Open;
                    --open;
                }
        }
    }
    return values;
}

std::optional<std::vector<TProfileEdit>> PlanProfileWrites(TProfileLineReader& lines,
                                                           std::span<const TProfileEntry> entries)
{
    struct TKey {
        std::string_view Name;  // as last given: a rewritten entry takes it
        std::string_view Value;  // the last one given
        bool Found = false;
    };
    struct TSection {
        std::string_view Name;  // as first given: a new header takes it
        std::vector<TKey> Keys;
        bool Found = false;
        std::uint64_t AnchorEnd = 0;  // new entries go after this line
        std::string_view AnchorEnding;
    };
    std::vector<TSection> sections;
    for (const TProfileEntry& entry : entries) {
        const std::string_view sectionName = TrimProfileBlanks(entry.Section);
        const std::string_view keyName = TrimProfileBlanks(entry.Key);
        std::size_t s = 0;
        while (s < sections.size() && !SameProfileName(sections[s].Name, sectionName))
            ++s;
        if (s == sections.size()) {
            sections.emplace_back();
            sections.back().Name = sectionName;
        }
        std::vector<TKey>& keys = sections[s].Keys;
        std::size_t k = 0;
        while (k < keys.size() && !SameProfileName(keys[k].Name, keyName))
            ++k;
        if (k == keys.size())
            keys.emplace_back();
        keys[k].Name = keyName;
        keys[k].Value = entry.Value;
    }

    // Texts wait for the end of the scan, when the line ending is known.
    struct TPending {
        std::uint64_t Offset;
        std::uint64_t Length;
        std::size_t Section;
        std::size_t Key;  // None: the keys of the section that were missing
    };
    std::vector<TPending> pending;
    std::size_t current = None;
    std::size_t closed = 0;
    const auto close = [&](std::size_t s) {
        for (const TKey& key : sections[s].Keys)
            if (!key.Found) {
                pending.push_back({sections[s].AnchorEnd, 0, s, None});
                break;
            }
        ++closed;
    };
    TProfileLine line;
    while (closed < sections.size() && lines.Next(line, current != None)) {
        if (line.Kind == TProfileLineKind::Section) {
            if (current != None)
                close(current);
            current = None;
            for (std::size_t s = 0; s < sections.size(); ++s)
                if (!sections[s].Found && SameProfileName(line.Name, sections[s].Name)) {
                    sections[s].Found = true;
                    sections[s].AnchorEnd = line.End;
                    sections[s].AnchorEnding = line.Ending;
                    current = s;
                    break;
                }
        } else if (current != None && line.Kind == TProfileLineKind::Entry) {
            TSection& section = sections[current];
            for (std::size_t k = 0; k < section.Keys.size(); ++k)
                if (!section.Keys[k].Found && SameProfileName(line.Name, section.Keys[k].Name)) {
                    TKey& key = section.Keys[k];
                    key.Found = true;
                    // A line that already reads "key=value" needs no edit.
                    const bool same = line.Content.size() == key.Name.size() + 1 + key.Value.size() &&
                                      line.Content.starts_with(key.Name) && line.Content[key.Name.size()] == '=' &&
                                      line.Content.ends_with(key.Value);
                    if (!same)
                        pending.push_back({line.ContentBegin, line.ContentEnd - line.ContentBegin, current, k});
                    break;
                }
            section.AnchorEnd = line.End;
            section.AnchorEnding = line.Ending;
        }
    }
    if (lines.Failed())
        return std::nullopt;
    if (current != None)
        close(current);

    const std::string_view eol = lines.LineEnding();
    std::vector<TProfileEdit> edits;
    edits.reserve(pending.size() + 1);
    for (const TPending& p : pending) {
        const TSection& section = sections[p.Section];
        std::string text;
        if (p.Key != None) {
            const TKey& key = section.Keys[p.Key];
            text.append(key.Name).append("=").append(key.Value);
        } else {
            // A last line without an ending, or ending in a lone CR, gets a
            // whole one first so that the new entries stand on their own.
            if (section.AnchorEnding.empty())
                text.append(eol);
            else if (section.AnchorEnding == "\r")
                text.append("\n");
            for (const TKey& key : section.Keys)
                if (!key.Found)
                    text.append(key.Name).append("=").append(key.Value).append(eol);
        }
        edits.push_back({p.Offset, p.Length, std::move(text)});
    }

    // Sections not found at all go at the end, in the order first given; the
    // scan then went through the whole text.
    std::string appended;
    for (const TSection& section : sections) {
        if (section.Found)
            continue;
        if (appended.empty()) {
            const std::uint64_t end = lines.Offset();
            const bool endsWithNewLine = !edits.empty() && edits.back().Offset == end && !edits.back().Text.empty();
            const int last = lines.LastByte();
            if (!endsWithNewLine && last != -1 && last != '\n')
                appended.append(last == '\r' ? std::string_view("\n") : eol);
        }
        appended.append("[").append(section.Name).append("]").append(eol);
        for (const TKey& key : section.Keys)
            appended.append(key.Name).append("=").append(key.Value).append(eol);
    }
    if (!appended.empty())
        edits.push_back({lines.Offset(), 0, std::move(appended)});
    return edits;
}

}  // namespace peglore
