#include "solver/SolveCommand.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>
#include <vector>

#include "solver/Solver.h"

namespace peglore {

namespace {
TSolveReply Malformed(const std::string& why)
{
    return {{}, "peglore: " + why + "\n", 2};
}

std::optional<int> SmallNumber(std::string_view text)
{
    int value = 0;
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The bytes of the UTF-8 character text starts with (the command line
// hands rows in as UTF-8), so that a wide digit is shown whole; 1 when it
// starts with none.
std::size_t CharacterLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    const std::size_t length = lead < 0xC2 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 1;
    if (length > text.size())
        return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return 1;
    return length;
}

std::string Quoted(std::string_view text)
{
    // Cut at 40 bytes, but never inside a character.
    std::size_t end = std::min<std::size_t>(text.size(), 40);
    while (end < text.size() && end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return "'" + std::string(text.substr(0, end)) + (end < text.size() ? "...'" : "'");
}
}  // namespace

TSolveReply SolveCommand(std::span<const std::string> rowTexts)
{
    return SolveCommand(rowTexts, TRules{});
}

TSolveReply SolveCommand(std::span<const std::string> rowTexts, const TRules& rules)
{
    const std::string colours = std::to_string(rules.ColoursInPlay());
    if (rowTexts.empty())
        return Malformed("--solve needs the checked rows, such as: peglore --solve 1123:1,1 4456:0,2");
    std::vector<TCheckedRow> rows;
    for (std::size_t r = 0; r < rowTexts.size(); ++r) {
        const std::string_view text = rowTexts[r];
        const std::string row = "Row " + std::to_string(r + 1);
        const std::size_t colon = text.find(':');
        const std::size_t comma = text.find(',', colon == std::string_view::npos ? 0 : colon);
        if (colon == std::string_view::npos || comma == std::string_view::npos)
            return Malformed(row + " " + Quoted(text) + " is not of the form CODE:BLACKS,WHITES, such as 1123:1,1.");
        const std::string_view digits = text.substr(0, colon);
        for (std::size_t i = 0; i < digits.size(); ++i)
            if (digits[i] < '1' || digits[i] > '8')
                return Malformed(row + ": " + Quoted(digits.substr(i, CharacterLength(digits.substr(i))))
                                 + " is not a colour; colours are the digits 1 to 8.");
        if (digits.empty() || digits.size() > static_cast<std::size_t>(TCode::MaxPegs))
            return Malformed(row + " has " + std::to_string(digits.size()) + " pegs; a board has 1 to 10 holes.");
        const auto blacks = SmallNumber(text.substr(colon + 1, comma - colon - 1));
        const auto whites = SmallNumber(text.substr(comma + 1));
        if (!blacks || !whites)
            return Malformed(row + " " + Quoted(text)
                             + " does not give its blacks and whites as two whole numbers, such as 1123:1,1.");
        const TCode guess = *TCode::FromDigits(digits);
        for (std::size_t i = 0; i < digits.size(); ++i)
            if (digits[i] - '0' > rules.ColoursInPlay())
                return Malformed(row + ": '" + digits[i] + "' is not a colour in play; with --colours " + colours
                                 + " colours are the digits 1 to " + colours + ".");
        if (!rules.Allows(guess))
            return Malformed(row + ": " + std::string(digits)
                             + " repeats a colour; with --no-repeats no colour may stand twice in a row.");
        if (!rows.empty() && guess.Width() != rows.front().Guess.Width())
            return Malformed(row + " has " + std::to_string(guess.Width()) + " pegs where row 1 has "
                             + std::to_string(rows.front().Guess.Width()) + "; every row needs as many.");
        const TKeyPegs answer{*blacks, *whites};
        if (*blacks + *whites > guess.Width())
            return Malformed(row + ": " + std::to_string(*blacks) + " black and " + std::to_string(*whites)
                             + " white are more key pegs than its " + std::to_string(guess.Width()) + " holes.");
        if (!answer.PossibleOn(guess.Width()))
            return Malformed(row + ": " + std::to_string(*blacks) + " black and " + std::to_string(*whites)
                             + " white cannot happen: the white peg would be black.");
        rows.push_back({guess, answer});
    }

    const int width = rows.front().Guess.Width();
    if (!rules.AdmitsWidth(width))
        return Malformed("with --no-repeats a board of " + std::to_string(width) + " holes needs at least "
                         + std::to_string(width) + " colours, and --colours gives " + colours + ".");
    const TFitSearch search = *FindFitting(width, rules, rows);
    if (!search.Code) {
        // A row that no secret answers so, whatever stands before it.
        const TCheckedRow& last = rows[static_cast<std::size_t>(search.Contradiction)];
        const std::string row = "Row " + std::to_string(search.Contradiction + 1);
        if (search.Contradiction == 0 || !FindFitting(width, rules, {&last, 1})->Code)
            return {row + ": the answer " + std::to_string(last.Answer.Blacks) + " black and "
                        + std::to_string(last.Answer.Whites) + " white is impossible for " + last.Guess.Digits()
                        + ".\n",
                    {}, 1};
        return {row + " contradicts the rows before it.\n", {}, 1};
    }
    const std::uint64_t count = *CountFitting(width, rules, rows);
    const TCode hint = *Hint(width, rules, rows);
    return {"Secrets still possible: " + std::to_string(count) + "\nHint: " + hint.Digits() + "\n", {}, 0};
}

}  // namespace peglore
