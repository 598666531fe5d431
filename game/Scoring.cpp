#include "game/Scoring.h"

#include <algorithm>
#include <array>

namespace peglore {

int CountBlacks(std::span<const TColor> guess, std::span<const TColor> secret)
{
    const std::size_t n = std::min(guess.size(), secret.size());
    int blacks = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (guess[i] == secret[i])
            ++blacks;
    return blacks;
}

int CountWhites(std::span<const TColor> guess, std::span<const TColor> secret)
{
    // Greedy: each guess peg, left to right, takes the first free secret
    // peg of its colour that is not itself scored black.
    const std::size_t n = std::min(guess.size(), secret.size());
    std::array<bool, 64> taken{};
    int whites = 0;
    for (std::size_t i = 0; i < n && i < taken.size(); ++i) {
        if (guess[i] == secret[i])
            continue;
        for (std::size_t j = 0; j < n && j < taken.size(); ++j) {
            if (!taken[j] && secret[j] == guess[i] && guess[j] != secret[j]) {
                taken[j] = true;
                ++whites;
                break;
            }
        }
    }
    return whites;
}

}  // namespace peglore
