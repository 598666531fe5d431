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

}  // namespace peglore::helptext
