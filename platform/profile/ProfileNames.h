#pragma once

#include <string_view>

namespace peglore {

// Blanks in a profile file are spaces and tabs.
inline bool IsProfileBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

inline std::string_view TrimProfileBlanks(std::string_view s) noexcept
{
    while (!s.empty() && IsProfileBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsProfileBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Section and key names match without regard to ASCII case.
inline bool SameProfileName(std::string_view a, std::string_view b) noexcept
{
    if (a.size() != b.size())
        return false;
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

}  // namespace peglore
