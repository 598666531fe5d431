#include "solver/GameAnalysis.h"

#include <cmath>

#include "solver/Solver.h"

namespace peglore {

std::optional<TGameAnalysis> AnalyseGame(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                         bool rowHints, bool nextHint, std::stop_token stop)
{
    TGameAnalysis analysis;
    std::optional<std::uint64_t> before = CountFitting(width, rules, {}, stop);
    for (std::size_t r = 0; r < rows.size() && before; ++r) {
        TRowAnalysis row;
        row.Row = rows[r];
        row.Before = *before;
        const auto after = CountFitting(width, rules, rows.first(r + 1), stop);
        if (!after)
            return std::nullopt;
        row.After = *after;
        if (row.After > 0)
            row.Bits = std::log2(static_cast<double>(row.Before) / static_cast<double>(row.After));
        for (std::size_t earlier = 0; earlier < r && row.RuledOutBy < 0; ++earlier)
            if (Score(rows[earlier].Guess, rows[r].Guess) != rows[earlier].Answer)
                row.RuledOutBy = static_cast<int>(earlier);
        if (rowHints) {
            row.Hint = Hint(width, rules, rows.first(r), stop);
            if (stop.stop_requested())
                return std::nullopt;
        }
        analysis.Rows.push_back(row);
        before = after;
    }
    if (!before)
        return std::nullopt;
    analysis.Remaining = *before;
    if (nextHint && analysis.Remaining > 0)
        analysis.NextHint = Hint(width, rules, rows, stop);
    if (analysis.Remaining <= TGameAnalysis::ListedSecrets) {
        const auto secrets = ListFitting(width, rules, rows, TGameAnalysis::ListedSecrets, stop);
        if (!secrets)
            return std::nullopt;
        analysis.Secrets = *secrets;
    }
    if (stop.stop_requested())
        return std::nullopt;
    return analysis;
}

std::optional<TGameAnalysis> AnalyseGame(int width, std::span<const TCheckedRow> rows, bool rowHints, bool nextHint,
                                         std::stop_token stop)
{
    return AnalyseGame(width, TRules{}, rows, rowHints, nextHint, stop);
}

}  // namespace peglore
