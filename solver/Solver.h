#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <stop_token>
#include <vector>

#include "solver/OpeningBook.h"
#include "solver/TCheckedRow.h"
#include "solver/TCode.h"
#include "solver/TRules.h"

// What the score board's answers so far say about the secret, on a board of
// 1 to 10 holes under some rules (eight colours with repeats where none are
// given), after any number of checked rows. Every operation that can take
// long checks its stop token and comes back empty as soon as it is asked to
// stop, so a caller may run it on a worker thread and drop an answer nobody
// waits for any more.
namespace peglore {

// Whether code would have given every row its answer, had it been the secret
// (and whether the rules allow it as a secret).
bool Fits(const TCode& code, const TRules& rules, std::span<const TCheckedRow> rows);
bool Fits(const TCode& code, std::span<const TCheckedRow> rows);

struct TFitSearch {
    // A code that fits every row, when one does.
    std::optional<TCode> Code;
    // Otherwise the first row (from 0) after which no secret fits; -1 when
    // the rules allow no secret of the width at all.
    int Contradiction = -1;
};
std::optional<TFitSearch> FindFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                      std::stop_token stop = {});
std::optional<TFitSearch> FindFitting(int width, std::span<const TCheckedRow> rows, std::stop_token stop = {});

// How many secrets fit every row.
std::optional<std::uint64_t> CountFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                          std::stop_token stop = {});
std::optional<std::uint64_t> CountFitting(int width, std::span<const TCheckedRow> rows, std::stop_token stop = {});

// count codes drawn independently and uniformly from those that fit every
// row (none when nothing fits); the same seed draws the same codes.
std::optional<std::vector<TCode>> DrawFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                              int count, std::uint64_t seed, std::stop_token stop = {});
std::optional<std::vector<TCode>> DrawFitting(int width, std::span<const TCheckedRow> rows, int count,
                                              std::uint64_t seed, std::stop_token stop = {});

// Every code that fits, in a fixed order, when there are at most limit.
std::optional<std::vector<TCode>> ListFitting(int width, const TRules& rules, std::span<const TCheckedRow> rows,
                                              std::uint64_t limit, std::stop_token stop = {});
std::optional<std::vector<TCode>> ListFitting(int width, std::span<const TCheckedRow> rows, std::uint64_t limit,
                                              std::stop_token stop = {});

// A strong next guess that fits every row: the one that splits the secrets
// still possible into the most even parts by their answers. Nothing when it
// was stopped (stop.stop_requested()) or when no secret fits the rows. The
// same rows always give the same hint. On a board with a shipped strategy
// (see solver/Strategies.h), a game whose rows are the hints so far is
// played by that strategy.
std::optional<TCode> Hint(int width, const TRules& rules, std::span<const TCheckedRow> rows, std::stop_token stop = {});
std::optional<TCode> Hint(int width, std::span<const TCheckedRow> rows, std::stop_token stop = {});

}  // namespace peglore
