#include "game/Scoring.h"

#include <algorithm>
#include <array>

namespace peglore {

int CountBlacks(std::span<const TColor> Guess, std::span<const TColor> Secret)
{
    const std::size_t n = std::min(Guess.size(), Secret.size());
    int blacks = 0;
    for (std::size_t i = 0; i < n; ++i)
        if (Guess[i] == Secret[i])
            ++blacks;
    return blacks;
}

int CountWhites(std::span<const TColor> Guess, std::span<const TColor> Secret)
{
    // Greedy: each guess peg, left to right, takes the first free secret
    // peg of its colour that is not itself scored black.
    const std::size_t n = std::min(Guess.size(), Secret.size());
    std::array<bool, 64> taken{};
    int whites = 0;
    for (std::size_t i = 0; i < n && i < taken.size(); ++i) {
        if (Guess[i] == Secret[i])
            continue;
        for (std::size_t j = 0; j < n && j < taken.size(); ++j) {
            if (!taken[j] && Secret[j] == Guess[i] && Guess[j] != Secret[j]) {
                taken[j] = true;
                ++whites;
                break;
            }
        }
    }
    return whites;
}

}  // namespace peglore
