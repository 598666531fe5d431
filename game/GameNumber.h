#pragma once

#include <span>
#include <cstdint>

#include "game/TVariant.h"

namespace peglore {

// A small generator of our own (splitmix64): the same numbers from the
// same state with every compiler and standard library.
class TSplitMix64 {
public:
    explicit TSplitMix64(std::uint64_t state) : FState(state) {}
    std::uint64_t Next();
    // Uniform in [0, bound) for bound > 0, without the modulo's bias.
    std::uint64_t Below(std::uint64_t bound);

private:
    std::uint64_t FState;
};

// Every game has a number; the number and the board's width give its
// secret, the same one wherever the game runs.
inline constexpr std::uint64_t GameNumberLimit = 1'000'000'000'000ULL;  // new games draw below this

// Fills secret with the pegs (palette indices) of game number on a board
// as wide as secret.
void SecretOfGame(std::uint64_t number, std::span<int> secret);
// The same under a variant: the pegs drawn from its colours only, none
// twice when it has no repeats (on a board no wider than its colours, as
// TVariant::ForWidth plays it). The standard variant gives the secret above.
void SecretOfGame(std::uint64_t number, const TVariant& variant, std::span<int> secret);

}  // namespace peglore
