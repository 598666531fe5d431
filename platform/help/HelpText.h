#pragma once

#include <string_view>

namespace peglore::helptext {

// Blanks that separate words in the help file: spaces and tabs.
inline bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Text without its leading and trailing blanks.
inline std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A context number: "1" to "999999999" without sign or blanks; anything
// else gives 0, which no topic has.
inline int ParseContext(std::string_view digits)
{
    if (digits.empty() || digits.size() > 9)
        return 0;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace peglore::helptext
