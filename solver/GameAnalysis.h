#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "solver/TCheckedRow.h"
#include "solver/TCode.h"
#include "solver/TRules.h"

namespace peglore {

// What each checked row of a game taught the player.
struct TRowAnalysis {
    TCheckedRow Row;
    std::uint64_t Before = 0;  // secrets still possible before the row
    std::uint64_t After = 0;  // and after it
    double Bits = 0;  // the information the row gained: log2(Before / After)
    // -1 when the guess could have been the secret as far as the earlier
    // rows tell; otherwise the first earlier row (from 0) that had already
    // ruled it out.
    int RuledOutBy = -1;
    std::optional<TCode> Hint;  // what the hint would have played instead
};

struct TGameAnalysis {
    std::vector<TRowAnalysis> Rows;
    std::uint64_t Remaining = 0;  // secrets still possible after every row
    std::optional<TCode> NextHint;  // the hint for the next row
    std::vector<TCode> Secrets;  // the secrets still possible, when at most ListedSecrets
    static constexpr std::uint64_t ListedSecrets = 20;
};

// The rows of a game on a board of width holes under rules (eight colours
// with repeats where none are given), one by one; with rowHints, what the
// hint would have played on each row; with nextHint, the hint for the row
// after them. Nothing when stopped.
std::optional<TGameAnalysis> AnalyseGame(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                         bool rowHints, bool nextHint, std::stop_token stop = {});
std::optional<TGameAnalysis> AnalyseGame(int width, std::span<const TCheckedRow> rows, bool rowHints, bool nextHint,
                                         std::stop_token stop = {});

}  // namespace peglore
