#include "solver/TCodeBreaker.h"

#include <algorithm>

#include "game/GameNumber.h"
#include "solver/Solver.h"

namespace peglore {

namespace {
// Whether some code gives each of the rows picked its answer; nothing when
// stopped.
std::optional<bool> AnyFits(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                            const std::vector<int>& picked, std::stop_token stop)
{
    std::vector<TCheckedRow> subset;
    subset.reserve(picked.size());
    for (int row : picked)
        subset.push_back(rows[static_cast<std::size_t>(row)]);
    const std::optional<TFitSearch> search = FindFitting(width, rules, subset, stop);
    if (!search)
        return std::nullopt;
    return search->Code.has_value();
}
}  // namespace

TCodeBreaker::TCodeBreaker(int width, int rows, const TRules& rules)
    : FWidth(std::clamp(width, 1, TCode::MaxPegs)), FRows(std::max(rows, 1)), FRules(rules)
{
}

std::optional<TCode> TCodeBreaker::NextGuess(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                             std::stop_token stop)
{
    return Hint(width, rules, rows, stop);
}

TCode TCodeBreaker::RandomSecret(int width, const TRules& rules, std::uint64_t seed)
{
    TSplitMix64 random(seed);
    std::vector<int> colours;
    for (int place = 0; place < rules.ColoursInPlay(); ++place)
        colours.push_back(ColorBarOrder[static_cast<std::size_t>(place)]);
    std::vector<int> pegs;
    for (int hole = 0; hole < width && !colours.empty(); ++hole) {
        const auto pick = static_cast<std::ptrdiff_t>(random.Below(colours.size()));
        pegs.push_back(colours[static_cast<std::size_t>(pick)]);
        if (!rules.Repeats)
            colours.erase(colours.begin() + pick);
    }
    pegs.resize(static_cast<std::size_t>(width), colours.empty() ? 0 : colours.front());
    return TCode::FromPegs(pegs);
}

std::optional<std::vector<int>> TCodeBreaker::ConflictingRows(int width, const TRules& rules,
                                                              std::span<const TCheckedRow> rows, std::stop_token stop)
{
    std::vector<int> picked(rows.size());
    for (std::size_t i = 0; i < picked.size(); ++i)
        picked[i] = static_cast<int>(i);
    const std::optional<bool> all = AnyFits(width, rules, rows, picked, stop);
    if (!all)
        return std::nullopt;
    if (*all)
        return std::vector<int>{};
    // Each row in turn is left out for good when the others still admit
    // no code; what stays is a set of answers that cannot all be true and
    // of which none can be spared. The earliest rows go first, so the
    // rows named lean towards the latest answers.
    for (std::size_t i = 0; i < picked.size();) {
        std::vector<int> without = picked;
        without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
        const std::optional<bool> fits = AnyFits(width, rules, rows, without, stop);
        if (!fits)
            return std::nullopt;
        if (*fits)
            ++i;
        else
            picked = std::move(without);
    }
    return picked;
}

std::optional<TCodeBreaker::TNextStep> TCodeBreaker::NextStep(int width, const TRules& rules,
                                                             std::span<const TCheckedRow> rows, std::stop_token stop)
{
    const std::optional<TFitSearch> search = FindFitting(width, rules, rows, stop);
    if (!search)
        return std::nullopt;
    TNextStep step;
    if (search->Code) {
        step.Guess = NextGuess(width, rules, rows, stop);
        if (!step.Guess)
            return std::nullopt;
    } else {
        std::optional<std::vector<int>> conflict = ConflictingRows(width, rules, rows, stop);
        if (!conflict)
            return std::nullopt;
        step.Conflict = std::move(*conflict);
    }
    return step;
}

void TCodeBreaker::Place(const TCode& guess)
{
    if (FPending || Over() || guess.Width() != FWidth)
        return;
    FPending = guess;
}

void TCodeBreaker::Answer(TKeyPegs answer)
{
    if (!FPending || !answer.PossibleOn(FWidth))
        return;
    FChecked.push_back({*FPending, answer});
    FPending.reset();
}

void TCodeBreaker::TakeBackAnswer()
{
    if (FPending || FChecked.empty())
        return;
    FPending = FChecked.back().Guess;
    FChecked.pop_back();
}

TCodeBreakEnd TCodeBreaker::End(bool scoredByPlayer, std::optional<TCode> secret) const
{
    TCodeBreakEnd end;
    end.Width = FWidth;
    end.Rows = FRows;
    end.RowsUsed = static_cast<int>(FChecked.size());
    end.Found = Found();
    end.ScoredByPlayer = scoredByPlayer;
    end.Secret = end.Found ? std::optional<TCode>(FChecked.back().Guess) : secret;
    return end;
}

}  // namespace peglore
