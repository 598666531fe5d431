#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "solver/TCheckedRow.h"
#include "solver/TCode.h"
#include "solver/TRules.h"

// The small boards' strategies that the program ships: for every secret of
// the board, which guess follows each answer, made by SolverStrategies
// (bench/solver) by an exhaustive search. Every guess fits every answer
// before it.
namespace peglore {

struct TStrategyNode {
    const char* Guess;  // digits
    int FirstChild;  // the nodes after this guess, one per answer with a bit in Children, in answer order
    std::uint32_t Children;  // a bit for each answer (see StrategyAnswer) after which the strategy goes on
};

struct TStrategy {
    int Width;
    TRules Rules;
    std::uint64_t Secrets;
    // Guesses in all over every secret (each counted up to and with the
    // one that finds it), and the most that one secret takes.
    std::uint64_t TotalGuesses;
    int MostGuesses;
    // Whether no strategy of fitting guesses takes fewer guesses in all.
    bool Optimal;
    std::span<const TStrategyNode> Nodes;  // the first guess first
};

std::span<const TStrategy> ShippedStrategies();
// The strategy of a board, when one is shipped.
const TStrategy* ShippedStrategy(int width, const TRules& rules);

// The number of an answer that is not all blacks on a board of width holes
// (from 0, by blacks and then whites); -1 for all blacks or an answer no
// secret gives.
int StrategyAnswer(int width, const TKeyPegs& answer);

// The strategy's next guess when every row so far is the guess it played;
// nothing when the game has left it, or when it leaves the last one or two
// secrets to the caller (either of two takes as many guesses in all).
std::optional<TCode> StrategyHint(const TStrategy& strategy, std::span<const TCheckedRow> rows);

}  // namespace peglore
