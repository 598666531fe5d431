#include "solver/TCodeBreaker.h"

#include <algorithm>

#include "solver/Solver.h"

namespace peglore {

namespace {
// Whether some code gives each of the rows picked its answer; nothing when
// stopped.
std::optional<bool> AnyFits(int width, std::span<const TCheckedRow> rows, const std::vector<int>& picked,
                            std::stop_token stop)
{
    std::vector<TCheckedRow> subset;
    subset.reserve(picked.size());
    for (int row : picked)
        subset.push_back(rows[static_cast<std::size_t>(row)]);
    const std::optional<std::uint64_t> count = CountFitting(width, subset, stop);
    if (!count)
        return std::nullopt;
    return *count > 0;
}
}  // namespace

TCodeBreaker::TCodeBreaker(int width, int rows) : FWidth(std::clamp(width, 1, TCode::MaxPegs)), FRows(std::max(rows, 1))
{
}

std::optional<TCode> TCodeBreaker::NextGuess(int width, std::span<const TCheckedRow> rows, std::stop_token stop)
{
    return Hint(width, rows, stop);
}

std::optional<std::vector<int>> TCodeBreaker::ConflictingRows(int width, std::span<const TCheckedRow> rows,
                                                              std::stop_token stop)
{
    std::vector<int> picked(rows.size());
    for (std::size_t i = 0; i < picked.size(); ++i)
        picked[i] = static_cast<int>(i);
    const std::optional<bool> all = AnyFits(width, rows, picked, stop);
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
        const std::optional<bool> fits = AnyFits(width, rows, without, stop);
        if (!fits)
            return std::nullopt;
        if (*fits)
            ++i;
        else
            picked = std::move(without);
    }
    return picked;
}

void TCodeBreaker::Place(const TCode& guess)
{
    if (FPending || Over() || guess.Width() != FWidth)
        return;
    FPending = guess;
}

void TCodeBreaker::Answer(TKeyPegs answer)
{
    if (!FPending)
        return;
    FChecked.push_back({*FPending, answer});
    FPending.reset();
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
