#pragma once

#include <string_view>

namespace peglore {

// A key asked for in a profile text.
struct TProfileKey {
    std::string_view Section;
    std::string_view Key;
};

// A value to be written to a profile text.
struct TProfileEntry {
    std::string_view Section;
    std::string_view Key;
    std::string_view Value;
};

}  // namespace peglore
