#include "solver/OpeningBook.h"

#include <algorithm>
#include <array>
#include <string>

#include "solver/Strategies.h"

namespace peglore {

namespace {
struct TBookEntry {
    int Width;
    int Blacks;
    int Whites;
    const char* Guess;
};

// Made by SolverOpeningBook (bench/solver), which prints this table.
constexpr TBookEntry Book[] = {
#include "solver/OpeningBook.inc"
};

struct TVariantEntry {
    int Width;
    int Colours;
    bool Repeats;
    int Blacks;  // -1 for the opening
    int Whites;
    const char* Guess;
};

// The same for every other count of colours and repeat rule, each board's
// opening first; made by SolverOpeningBook --variants.
constexpr TVariantEntry VariantBook[] = {
#include "solver/VariantBook.inc"
};

const TVariantEntry* VariantEntry(int width, const TRules& rules, int blacks, int whites)
{
    for (const TVariantEntry& entry : VariantBook)
        if (entry.Width == width && entry.Colours == rules.ColoursInPlay() && entry.Repeats == rules.Repeats &&
            entry.Blacks == blacks && entry.Whites == whites)
            return &entry;
    return nullptr;
}
}  // namespace

TCode Opening(int width, const TRules& rules)
{
    width = std::clamp(width, 1, TCode::MaxPegs);
    if (const TStrategy* strategy = ShippedStrategy(width, rules))
        return *TCode::FromDigits(strategy->Nodes.front().Guess);
    if (rules.IsStandard()) {
        // Chosen for the fewest guesses on average when every guess follows
        // the hint, measured by bench/solver.
        static constexpr std::array<const char*, TCode::MaxPegs + 1> openings = {
            "", "1", "12", "112", "1122", "11223", "112233", "1122334", "11223344", "112233445", "1122334455"};
        return *TCode::FromDigits(openings[static_cast<std::size_t>(width)]);
    }
    if (const TVariantEntry* entry = VariantEntry(width, rules, -1, -1))
        return *TCode::FromDigits(entry->Guess);
    // Not in the book (a board the rules give no secret, or one colour).
    std::string digits;
    for (int hole = 0; hole < width; ++hole)
        digits += static_cast<char>('1' + hole % rules.ColoursInPlay());
    return *TCode::FromDigits(digits);
}

std::optional<TCode> BookHint(int width, const TRules& rules, const TCheckedRow& first)
{
    if (first.Guess != Opening(width, rules))
        return std::nullopt;
    if (!rules.IsStandard()) {
        if (const TVariantEntry* entry = VariantEntry(width, rules, first.Answer.Blacks, first.Answer.Whites))
            return TCode::FromDigits(entry->Guess);
        return std::nullopt;
    }
    for (const TBookEntry& entry : Book)
        if (entry.Width == width && entry.Blacks == first.Answer.Blacks && entry.Whites == first.Answer.Whites)
            return TCode::FromDigits(entry.Guess);
    return std::nullopt;
}

}  // namespace peglore
