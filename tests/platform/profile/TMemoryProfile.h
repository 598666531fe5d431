#pragma once

#include "platform/profile/ProfileScan.h"
#include "platform/profile/TProfileLineReader.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A profile text in memory, read and written through the very passes the
// profile file makes over a file on disk: the model the file's tests and
// fuzz target compare it with.
class TMemoryProfile {
public:
    explicit TMemoryProfile(std::string text) : FText(std::move(text)) {}

    const std::string& Text() const noexcept { return FText; }

    std::vector<std::optional<std::string>> ReadStrings(std::span<const peglore::TProfileKey> keys) const
    {
        peglore::TProfileLineReader lines(FText);
        return peglore::ScanProfileValues(lines, keys);
    }
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const
    {
        const peglore::TProfileKey wanted{section, key};
        std::optional<std::string> value = ReadStrings({&wanted, 1}).front();
        return value ? std::move(*value) : std::string(defaultValue);
    }

    // All of ENTRIES or, when one of them cannot be written, none.
    peglore::TProfileError WriteStrings(std::span<const peglore::TProfileEntry> entries)
    {
        if (const peglore::TProfileError error = peglore::CheckProfileEntries(entries);
            error != peglore::TProfileError::None)
            return error;
        peglore::TProfileLineReader lines(FText);
        const std::optional<std::vector<peglore::TProfileEdit>> edits = peglore::PlanProfileWrites(lines, entries);
        std::string result;
        std::size_t at = 0;
        for (const peglore::TProfileEdit& edit : edits.value_or(std::vector<peglore::TProfileEdit>{})) {
            result.append(FText, at, std::size_t(edit.Offset) - at);
            result.append(edit.Text);
            at = std::size_t(edit.Offset + edit.Length);
        }
        result.append(FText, at);
        FText = std::move(result);
        return peglore::TProfileError::None;
    }
    peglore::TProfileError WriteString(std::string_view section, std::string_view key, std::string_view value)
    {
        const peglore::TProfileEntry entry{section, key, value};
        return WriteStrings({&entry, 1});
    }

private:
    std::string FText;
};
