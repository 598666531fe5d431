#include "game/GameNumber.h"

#include <array>
#include <limits>

namespace peglore {

std::uint64_t TSplitMix64::Next()
{
    std::uint64_t z = (FState += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t TSplitMix64::Below(std::uint64_t bound)
{
    const std::uint64_t max = std::numeric_limits<std::uint64_t>::max();
    const std::uint64_t limit = max - max % bound;  // a multiple of bound, less one draw's worth
    for (;;) {
        const std::uint64_t draw = Next();
        if (draw < limit)
            return draw % bound;
    }
}

void SecretOfGame(std::uint64_t number, std::span<int> secret)
{
    // The width takes part so that one number on two boards gives
    // unrelated secrets; each peg is the top three bits of one draw.
    TSplitMix64 random(number ^ (static_cast<std::uint64_t>(secret.size()) << 56));
    for (int& peg : secret)
        peg = static_cast<int>(random.Next() >> 61);
}

void SecretOfGame(std::uint64_t number, const TVariant& variant, std::span<int> secret)
{
    const TVariant played = variant.ForWidth(static_cast<int>(secret.size()));
    if (played.IsStandard()) {
        SecretOfGame(number, secret);
        return;
    }
    // The colours still to draw from, in the colour bar's order; without
    // repeats each drawn colour leaves the list.
    std::array<int, ColorBarOrder.size()> colours = ColorBarOrder;
    std::size_t left = static_cast<std::size_t>(played.ColoursInPlay());
    TSplitMix64 random(number ^ (static_cast<std::uint64_t>(secret.size()) << 56));
    for (int& peg : secret) {
        const auto place = static_cast<std::size_t>(random.Below(left));
        peg = colours[place];
        if (!played.Repeats) {
            for (std::size_t i = place; i + 1 < left; ++i)
                colours[i] = colours[i + 1];
            --left;
        }
    }
}

}  // namespace peglore
