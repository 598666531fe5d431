#include "platform/profile/TProfileText.h"

#include "platform/profile/ProfileNames.h"
#include "platform/profile/ProfileScan.h"

#include <utility>

namespace peglore {

namespace {

bool HoldsAny(std::string_view s, std::string_view chars) noexcept
{
    return s.find_first_of(chars) != std::string_view::npos;
}

}  // namespace

static_assert(TProfileText::MaxValueLength == MaxProfileValueLength);

TProfileText::TProfileText(std::string text) : FText(std::move(text)) {}

std::string TProfileText::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    const TProfileKey wanted{section, key};
    std::optional<std::string> value = ReadStrings({&wanted, 1}).front();
    return value ? std::move(*value) : std::string(defaultValue);
}

std::vector<std::optional<std::string>> TProfileText::ReadStrings(std::span<const TProfileKey> keys) const
{
    TProfileLineReader lines(FText);
    return ScanProfileValues(lines, keys);
}

TProfileError TProfileText::CheckEntry(std::string_view section, std::string_view key, std::string_view value) noexcept
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

TProfileError TProfileText::CheckEntries(std::span<const TProfileEntry> entries) noexcept
{
    for (const TProfileEntry& entry : entries)
        if (const TProfileError error = CheckEntry(entry.Section, entry.Key, entry.Value); error != TProfileError::None)
            return error;
    return TProfileError::None;
}

TProfileError TProfileText::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const TProfileEntry entry{section, key, value};
    return WriteStrings({&entry, 1});
}

TProfileError TProfileText::WriteStrings(std::span<const TProfileEntry> entries)
{
    if (const TProfileError error = CheckEntries(entries); error != TProfileError::None)
        return error;
    TProfileLineReader lines(FText);
    const std::optional<std::vector<TProfileEdit>> edits = PlanProfileWrites(lines, entries);
    if (!edits || edits->empty())
        return TProfileError::None;

    std::size_t size = FText.size();
    for (const TProfileEdit& edit : *edits)
        size = size - std::size_t(edit.Length) + edit.Text.size();
    std::string result;
    result.reserve(size);
    std::size_t at = 0;
    for (const TProfileEdit& edit : *edits) {
        result.append(FText, at, std::size_t(edit.Offset) - at);
        result.append(edit.Text);
        at = std::size_t(edit.Offset + edit.Length);
    }
    result.append(FText, at);
    FText = std::move(result);
    return TProfileError::None;
}

}  // namespace peglore
