#include "settings/configuration/SettingsValue.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace peglore {

namespace {
int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Hexadecimal digits fill 32 bits, as stored by older tools: $FFFFFFFF is -1.
std::optional<int> ParseHex(std::string_view digits, bool negative)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (negative)
        bits = 0u - bits;
    return static_cast<int>(bits);
}

std::optional<int> ParseDecimal(std::string_view digits, bool negative)
{
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::int64_t{std::numeric_limits<int>::max()} + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

bool AllDigits(std::string_view digits, bool hex)
{
    for (char c : digits)
        if (hex ? HexDigit(c) < 0 : c < '0' || c > '9')
            return false;
    return !digits.empty();
}

// A stored number taken apart: its sign, its base and its digits.
struct TNumberText {
    std::string_view Digits;
    bool Hex = false;
    bool Negative = false;
};

TNumberText SplitNumber(std::string_view text)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return {text.substr(2), true, false};
    TNumberText number;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        number.Negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && text[0] == '$') {
        number.Hex = true;
        text.remove_prefix(1);
    }
    number.Digits = text;
    return number;
}
}  // namespace

std::optional<int> ParseSettingsInteger(std::string_view text)
{
    const TNumberText number = SplitNumber(text);
    return number.Hex ? ParseHex(number.Digits, number.Negative) : ParseDecimal(number.Digits, number.Negative);
}

std::optional<int> ParseSettingsCounter(std::string_view text)
{
    if (const std::optional<int> value = ParseSettingsInteger(text))
        return std::max(*value, 0);
    // Not a number, or one beyond 32 bits: the digits tell which.
    const TNumberText number = SplitNumber(text);
    if (!AllDigits(number.Digits, number.Hex))
        return std::nullopt;
    return number.Negative ? 0 : std::numeric_limits<int>::max();
}

}  // namespace peglore
