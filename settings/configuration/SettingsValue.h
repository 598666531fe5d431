#pragma once

#include <optional>
#include <string_view>

namespace peglore {

// Reads an integer as the settings file stores it: "0x1A" (longer than two
// characters) or "$1A" as hexadecimal, anything else as a signed decimal.
// Nothing when the text is not a number or does not fit 32 bits.
std::optional<int> ParseSettingsInteger(std::string_view text);

}  // namespace peglore
