#include "game/GameNumber.h"

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

}  // namespace peglore
