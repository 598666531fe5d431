#include "game/DailyGame.h"

#include <algorithm>
#include <cstdio>

#include "game/GameNumber.h"

namespace peglore {

namespace {
// U+26AB MEDIUM BLACK CIRCLE, U+26AA MEDIUM WHITE CIRCLE and U+25AB WHITE
// SMALL SQUARE: all three are in DejaVu Sans and in the emoji fonts of
// phones and browsers, which draw them at one width, so the rows line up
// wherever the text is posted.
constexpr const char* BlackKey = "\u26AB";
constexpr const char* WhiteKey = "\u26AA";
constexpr const char* EmptyKey = "\u25AB";
constexpr const char* Dot = " \u00B7 ";
// Tells the daily games' numbers from the numbers of every other use of
// the generator.
constexpr std::uint64_t DailySalt = 0x6461696C79000000ULL;  // "daily"
}  // namespace

std::uint64_t DailyGameNumber(int year, int month, int day, int columns, int rows, int colours, bool repeats)
{
    // Each part has bits of its own: two dates, boards or variants never
    // start the generator alike.
    const auto date = static_cast<std::uint64_t>(static_cast<std::int64_t>(year) * 10000 + month * 100 + day) &
                      0xffffffffULL;
    const std::uint64_t board = (static_cast<std::uint64_t>(columns & 0xff) << 32) |
                                (static_cast<std::uint64_t>(rows & 0xff) << 40) |
                                (static_cast<std::uint64_t>(colours & 0x7f) << 48) |
                                (static_cast<std::uint64_t>(repeats ? 1 : 0) << 55);
    TSplitMix64 random(DailySalt ^ board ^ date);
    return random.Below(GameNumberLimit);
}

std::string DailyShareText(const TDailyResult& result)
{
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", result.Year, result.Month, result.Day);
    std::string text = std::string("Peglore ") + date + Dot;
    if (result.Level == 3)
        text += "Custom " + std::to_string(result.Columns) + "x" + std::to_string(result.Rows);
    else
        text += NameOfLevel(result.Level);
    text += Dot + (result.Won ? std::to_string(result.Answers.size()) : std::string("X")) + "/" +
            std::to_string(result.Rows);
    if (const std::string variant = VariantName(result.Colours, result.Repeats); !variant.empty())
        text += Dot + variant;
    const int columns = std::max(result.Columns, 0);
    for (const TRowAnswer& answer : result.Answers) {
        // A hand-written file may give more key pegs than holes.
        const int blacks = std::clamp(answer.Blacks, 0, columns);
        const int whites = std::clamp(answer.Whites, 0, columns - blacks);
        text += '\n';
        for (int hole = 0; hole < columns; ++hole)
            text += hole < blacks ? BlackKey : hole < blacks + whites ? WhiteKey : EmptyKey;
    }
    return text;
}

}  // namespace peglore
