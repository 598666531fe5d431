#include "solver/OpeningBook.h"

#include <algorithm>
#include <array>

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
}  // namespace

TCode Opening(int width)
{
    // Chosen for the fewest guesses on average when every guess follows
    // the hint, measured by bench/solver.
    static constexpr std::array<const char*, TCode::MaxPegs + 1> openings = {
        "", "1", "12", "112", "1122", "11223", "112233", "1122334", "11223344", "112233445", "1122334455"};
    return *TCode::FromDigits(openings[static_cast<std::size_t>(std::clamp(width, 1, TCode::MaxPegs))]);
}

std::optional<TCode> BookHint(int width, const TCheckedRow& first)
{
    if (first.Guess != Opening(width))
        return std::nullopt;
    for (const TBookEntry& entry : Book)
        if (entry.Width == width && entry.Blacks == first.Answer.Blacks && entry.Whites == first.Answer.Whites)
            return TCode::FromDigits(entry.Guess);
    return std::nullopt;
}

}  // namespace peglore
