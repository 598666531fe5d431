#pragma once

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

namespace peglore {

// The colour counts a code of k pegs can have (k = 0 to 10), each with a
// number of its own from 0 to C(k + 7, 7) - 1. Counts are eight 8-bit lanes.
class TCompositions {
public:
    static constexpr int MaxPegs = 10;
    static constexpr int HalfPegs = 5;

    // Built once, on first use, for every program that asks.
    static const TCompositions& Get();

    int Count(int pegs) const { return static_cast<int>(FCounts[static_cast<std::size_t>(pegs)].size()); }
    std::uint64_t Counts(int pegs, int rank) const
    {
        return FCounts[static_cast<std::size_t>(pegs)][static_cast<std::size_t>(rank)];
    }
    // The number of the counts of a packed code of up to HalfPegs pegs.
    int RankOfCode(int pegs, std::uint32_t code) const
    {
        return FCodeRanks[static_cast<std::size_t>(pegs)][code];
    }
    // For a code split after the first (width + 1) / 2 pegs: the number of
    // the whole code's counts from the numbers of its halves' counts,
    // indexed [first * Count(second half) + second].
    const std::vector<std::uint16_t>& JoinedRanks(int width) const;

    static int Rank(std::uint64_t counts);

private:
    TCompositions();

    std::array<std::vector<std::uint64_t>, MaxPegs + 1> FCounts;
    std::array<std::vector<std::uint16_t>, HalfPegs + 1> FCodeRanks;
    mutable std::array<std::vector<std::uint16_t>, MaxPegs + 1> FJoined;
    mutable std::array<std::once_flag, MaxPegs + 1> FJoinedOnce;
};

}  // namespace peglore
