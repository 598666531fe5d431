#pragma once

#include <optional>
#include <string_view>

namespace peglore {

// Reads an integer as the settings file stores it: "0x1A" (longer than two
// characters) or "$1A" as hexadecimal, anything else as a signed decimal.
// Nothing when the text is not a number or does not fit 32 bits.
std::optional<int> ParseSettingsInteger(std::string_view text);

// Reads a statistics counter: a number as ParseSettingsInteger reads it,
// 0 for a negative one, and the largest int for one too large for 32 bits,
// where a count that has grown that far stays. Nothing when the text is
// not a number.
std::optional<int> ParseSettingsCounter(std::string_view text);

}  // namespace peglore
