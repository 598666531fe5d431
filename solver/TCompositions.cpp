#include "solver/TCompositions.h"

#include "solver/FastScore.h"

namespace peglore {

namespace {
constexpr int Colours = 8;

// Binomial coefficients C(n, k) for n up to MaxPegs + Colours.
constexpr auto BinomialTable()
{
    std::array<std::array<int, Colours + 1>, TCompositions::MaxPegs + Colours + 1> table{};
    for (std::size_t n = 0; n < table.size(); ++n) {
        table[n][0] = 1;
        for (std::size_t k = 1; k <= Colours && k <= n; ++k)
            table[n][k] = table[n - 1][k - 1] + (k < n ? table[n - 1][k] : 0);
    }
    return table;
}
constexpr auto Binomial = BinomialTable();

int Lane(std::uint64_t counts, int colour)
{
    return static_cast<int>((counts >> (8 * colour)) & 0xFF);
}

void AddCompositions(std::vector<std::uint64_t>& out, int colour, int left, std::uint64_t counts)
{
    if (colour == Colours - 1) {
        out.push_back(counts + (static_cast<std::uint64_t>(left) << (8 * colour)));
        return;
    }
    for (int n = 0; n <= left; ++n)
        AddCompositions(out, colour + 1, left - n, counts + (static_cast<std::uint64_t>(n) << (8 * colour)));
}
}  // namespace

// Counts c0..c7 as seven bars among stars: bar i stands at c0 + .. + ci + i,
// and the bars' places, in order, number the counts (combinatorial number
// system).
int TCompositions::Rank(std::uint64_t counts)
{
    int rank = 0;
    int sum = 0;
    for (int colour = 0; colour < Colours - 1; ++colour) {
        sum += Lane(counts, colour);
        rank += Binomial[static_cast<std::size_t>(sum + colour)][static_cast<std::size_t>(colour + 1)];
    }
    return rank;
}

TCompositions::TCompositions()
{
    for (int pegs = 0; pegs <= MaxPegs; ++pegs) {
        std::vector<std::uint64_t> all;
        AddCompositions(all, 0, pegs, 0);
        auto& byRank = FCounts[static_cast<std::size_t>(pegs)];
        byRank.resize(all.size());
        for (std::uint64_t counts : all)
            byRank[static_cast<std::size_t>(Rank(counts))] = counts;
    }
    for (int pegs = 0; pegs <= HalfPegs; ++pegs) {
        auto& ranks = FCodeRanks[static_cast<std::size_t>(pegs)];
        ranks.resize(std::size_t{1} << (3 * pegs));
        for (std::uint32_t code = 0; code < ranks.size(); ++code)
            ranks[code] = static_cast<std::uint16_t>(Rank(fastscore::ColourCounts(code, pegs)));
    }
}

const TCompositions& TCompositions::Get()
{
    static const TCompositions tables;
    return tables;
}

const std::vector<std::uint16_t>& TCompositions::JoinedRanks(int width) const
{
    const auto w = static_cast<std::size_t>(width);
    std::call_once(FJoinedOnce[w], [this, width, w] {
        const int first = (width + 1) / 2;
        const int second = width / 2;
        auto& joined = FJoined[w];
        joined.resize(static_cast<std::size_t>(Count(first)) * static_cast<std::size_t>(Count(second)));
        std::size_t i = 0;
        for (int a = 0; a < Count(first); ++a)
            for (int b = 0; b < Count(second); ++b)
                joined[i++] = static_cast<std::uint16_t>(Rank(Counts(first, a) + Counts(second, b)));
    });
    return FJoined[w];
}

}  // namespace peglore
