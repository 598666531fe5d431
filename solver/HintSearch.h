#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>

#include "solver/TCheckedRow.h"
#include "solver/TCode.h"
#include "solver/TRules.h"

namespace peglore {

// How hard a hint looks.
struct THintBudget {
    // Up to this many secrets, every one is weighed and every one is a
    // candidate guess; beyond it, samples of each stand in for them.
    std::uint64_t ExhaustiveSecrets = 1500;
    int SampledSecrets = 1500;
    int SampledGuesses = 600;
    // Up to this many secrets, the guess that needs the fewest guesses in
    // all is searched for outright.
    std::uint64_t EndgameSecrets = 30;
    // Up to this many secrets, the few guesses that split them most evenly
    // are weighed one move further.
    std::uint64_t LookAheadSecrets = 500;
};

// The hint after rows, searched within budget (the opening and the opening
// book aside): nothing when stopped or when no secret fits. Throws
// TSolverStopped when stop is requested.
std::optional<TCode> SearchHint(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                const THintBudget& budget, const std::stop_token& stop);

}  // namespace peglore
