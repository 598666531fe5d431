#include "solver/THalfJoin.h"

#include <algorithm>
#include <bit>

#include "game/GameNumber.h"
#include "solver/FastScore.h"
#include "solver/TCompositions.h"

namespace peglore {

namespace {
constexpr int RowsPerWord = 16;  // four bits of blacks a row

void ThrowIfStopped(const std::stop_token& stop)
{
    if (stop.stop_requested())
        throw TSolverStopped{};
}

std::uint64_t HashOf(const std::uint64_t* key, int words)
{
    std::uint64_t hash = 0;
    for (int w = 0; w < words; ++w) {
        hash = (hash ^ key[w]) * 0x9E3779B97F4A7C15ULL;
        hash ^= hash >> 29;
    }
    return hash;
}

bool RowFitsTheBoard(const TCheckedRow& row, int width)
{
    return row.Guess.Width() == width && row.Answer.PossibleOn(width);
}

// Some colour counted twice or more (eight 8-bit lanes).
bool RepeatsAColour(std::uint64_t counts)
{
    return (counts & 0xFEFEFEFEFEFEFEFEULL) != 0;
}

// The packed codes of pegs holes that the rules allow, in increasing order.
std::vector<std::uint32_t> CodesOfHalf(int pegs, const TRules& rules)
{
    std::vector<int> colours;
    for (int colour = 0; colour < TCode::Colours; ++colour)
        if (rules.InPlay(colour))
            colours.push_back(colour);
    std::vector<std::uint32_t> codes;
    std::vector<std::size_t> digit(static_cast<std::size_t>(pegs), 0);  // into colours, hole 0 fastest
    for (;;) {
        std::uint32_t code = 0;
        for (int p = 0; p < pegs; ++p)
            code |= static_cast<std::uint32_t>(colours[digit[static_cast<std::size_t>(p)]]) << (3 * p);
        if (rules.Repeats || !RepeatsAColour(fastscore::ColourCounts(code, pegs)))
            codes.push_back(code);
        int p = 0;
        while (p < pegs && ++digit[static_cast<std::size_t>(p)] == colours.size())
            digit[static_cast<std::size_t>(p++)] = 0;
        if (p == pegs)
            return codes;
    }
}
}  // namespace

std::uint32_t THalfJoin::THalf::Find(const std::uint64_t* key, int words) const
{
    const std::size_t mask = Slots.size() - 1;
    for (std::size_t slot = HashOf(key, words) & mask;; slot = (slot + 1) & mask) {
        const std::uint32_t entry = Slots[slot];
        if (entry == 0)
            return 0;
        if (std::equal(key, key + words, Keys.begin() + static_cast<std::ptrdiff_t>((entry - 1) * words)))
            return entry;
    }
}

THalfJoin::THalfJoin(int width, const TRules& rules, std::span<const TCheckedRow> rows, std::stop_token stop)
    : FWidth(width), FWords(std::max<int>(1, (static_cast<int>(rows.size()) + RowsPerWord - 1) / RowsPerWord))
{
    const TCompositions& compositions = TCompositions::Get();
    const int firstPegs = (width + 1) / 2;
    const int secondPegs = width / 2;
    FFirst = BuildHalf(0, firstPegs, rules, rows, stop);
    FSecond = BuildHalf(firstPegs, secondPegs, rules, rows, stop);
    FJoined = compositions.JoinedRanks(width).data();
    FSecondRanks = compositions.Count(secondPegs);
    if (!std::all_of(rows.begin(), rows.end(), [width](const TCheckedRow& row) { return RowFitsTheBoard(row, width); }))
        return;  // no secret gives such an answer: nothing fits

    // Colour counts decide every row's blacks and whites together.
    std::vector<std::uint64_t> rowCounts;
    for (const TCheckedRow& row : rows)
        rowCounts.push_back(fastscore::ColourCounts(row.Guess.Packed(), width));
    FCountsFit.resize(static_cast<std::size_t>(compositions.Count(width)));
    for (int rank = 0; rank < compositions.Count(width); ++rank) {
        const std::uint64_t counts = compositions.Counts(width, rank);
        bool fits = rules.Repeats || !RepeatsAColour(counts);
        for (std::size_t r = 0; r < rows.size() && fits; ++r)
            fits = fastscore::Matches(counts, rowCounts[r]) == rows[r].Answer.Blacks + rows[r].Answer.Whites;
        FCountsFit[static_cast<std::size_t>(rank)] = fits ? 1 : 0;
    }

    // The second half's blacks must be every row's blacks less the first's.
    // A row where the first half has more blacks than the answer leaves a
    // four-bit lane of 11 or more, which no half of at most five pegs has.
    std::vector<std::uint64_t> answer(static_cast<std::size_t>(FWords), 0);
    for (std::size_t r = 0; r < rows.size(); ++r)
        answer[r / RowsPerWord] += static_cast<std::uint64_t>(rows[r].Answer.Blacks) << (4 * (r % RowsPerWord));
    std::vector<std::uint64_t> wanted(static_cast<std::size_t>(FWords));
    const std::uint32_t firstKeys = static_cast<std::uint32_t>(FFirst.KeyGroups.size() - 1);
    for (std::uint32_t key = 0; key < firstKeys; ++key) {
        for (int w = 0; w < FWords; ++w)
            wanted[static_cast<std::size_t>(w)] = answer[static_cast<std::size_t>(w)]
                - FFirst.Keys[static_cast<std::size_t>(key) * static_cast<std::size_t>(FWords) + static_cast<std::size_t>(w)];
        if (const std::uint32_t second = FSecond.Find(wanted.data(), FWords))
            FMatches.push_back({key, second - 1});
    }
    ThrowIfStopped(stop);
}

THalfJoin::THalf THalfJoin::BuildHalf(int firstHole, int pegs, const TRules& rules, std::span<const TCheckedRow> rows,
                                      std::stop_token stop) const
{
    const TCompositions& compositions = TCompositions::Get();
    const auto words = static_cast<std::size_t>(FWords);
    // What a peg of each colour in each hole adds to the key.
    std::vector<std::uint64_t> adds(static_cast<std::size_t>(pegs) * 8 * words, 0);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].Guess.Width() < firstHole + pegs)
            continue;
        for (int p = 0; p < pegs; ++p) {
            const auto colour = static_cast<std::size_t>(rows[r].Guess.Peg(firstHole + p));
            adds[(static_cast<std::size_t>(p) * 8 + colour) * words + r / RowsPerWord] += std::uint64_t{1}
                << (4 * (r % RowsPerWord));
        }
    }

    THalf half;
    half.Pegs = pegs;
    // Every code of the half, or those the rules allow (in increasing
    // order either way).
    const std::uint32_t every = 1u << (3 * pegs);
    const std::vector<std::uint32_t> allowed =
        rules.IsStandard() ? std::vector<std::uint32_t>() : CodesOfHalf(pegs, rules);
    const auto codes = rules.IsStandard() ? every : static_cast<std::uint32_t>(allowed.size());
    const auto codeAt = [&](std::uint32_t i) { return allowed.empty() ? i : allowed[i]; };
    half.Slots.assign(std::bit_ceil(std::size_t{2} * codes), 0);
    const std::size_t mask = half.Slots.size() - 1;
    std::vector<std::uint64_t> key(words);
    std::vector<std::uint32_t> keyOf(every);  // by code
    std::uint32_t keys = 0;
    for (std::uint32_t i = 0; i < codes; ++i) {
        if ((i & 0xFFF) == 0)
            ThrowIfStopped(stop);
        const std::uint32_t code = codeAt(i);
        std::fill(key.begin(), key.end(), 0);
        for (int p = 0; p < pegs; ++p) {
            const std::uint64_t* add = &adds[(static_cast<std::size_t>(p) * 8 + ((code >> (3 * p)) & 7u)) * words];
            for (std::size_t w = 0; w < words; ++w)
                key[w] += add[w];
        }
        std::size_t slot = HashOf(key.data(), FWords) & mask;
        for (;; slot = (slot + 1) & mask) {
            const std::uint32_t entry = half.Slots[slot];
            if (entry == 0) {
                half.Slots[slot] = ++keys;
                half.Keys.insert(half.Keys.end(), key.begin(), key.end());
                keyOf[code] = keys - 1;
                break;
            }
            if (std::equal(key.begin(), key.end(), half.Keys.begin() + static_cast<std::ptrdiff_t>((entry - 1) * words))) {
                keyOf[code] = entry - 1;
                break;
            }
        }
    }

    // Codes in order of key, then colour counts, then code: two stable
    // counting sorts, the last one by key.
    const int ranks = compositions.Count(pegs);
    std::vector<std::uint32_t> byRank(codes);
    {
        std::vector<std::uint32_t> next(static_cast<std::size_t>(ranks) + 1, 0);
        for (std::uint32_t i = 0; i < codes; ++i)
            ++next[static_cast<std::size_t>(compositions.RankOfCode(pegs, codeAt(i))) + 1];
        for (std::size_t r = 1; r < next.size(); ++r)
            next[r] += next[r - 1];
        for (std::uint32_t i = 0; i < codes; ++i)
            byRank[next[static_cast<std::size_t>(compositions.RankOfCode(pegs, codeAt(i)))]++] = codeAt(i);
    }
    half.Codes.resize(codes);
    {
        std::vector<std::uint32_t> next(std::size_t{keys} + 1, 0);
        for (std::uint32_t i = 0; i < codes; ++i)
            ++next[keyOf[codeAt(i)] + 1];
        for (std::size_t k = 1; k < next.size(); ++k)
            next[k] += next[k - 1];
        for (std::uint32_t code : byRank)
            half.Codes[next[keyOf[code]]++] = code;
    }
    ThrowIfStopped(stop);

    half.KeyGroups.assign(std::size_t{keys} + 1, 0);
    for (std::uint32_t i = 0; i < codes; ++i) {
        const std::uint32_t code = half.Codes[i];
        const auto rank = static_cast<std::uint16_t>(compositions.RankOfCode(pegs, code));
        const bool newKey = i == 0 || keyOf[code] != keyOf[half.Codes[i - 1]];
        if (newKey)
            half.KeyGroups[keyOf[code]] = static_cast<std::uint32_t>(half.Groups.size());
        if (newKey || rank != half.Groups.back().Rank)
            half.Groups.push_back({rank, i, 0});
        ++half.Groups.back().Size;
    }
    half.KeyGroups[keys] = static_cast<std::uint32_t>(half.Groups.size());
    return half;
}

std::uint64_t THalfJoin::SecondTotal(const TMatch& match, const TGroup& first) const
{
    const std::uint16_t* joined = FJoined + static_cast<std::size_t>(first.Rank) * static_cast<std::size_t>(FSecondRanks);
    std::uint64_t total = 0;
    for (std::uint32_t g = FSecond.KeyGroups[match.Second]; g < FSecond.KeyGroups[match.Second + 1]; ++g) {
        const TGroup& second = FSecond.Groups[g];
        if (FCountsFit[joined[second.Rank]])
            total += second.Size;
    }
    return total;
}

std::uint64_t THalfJoin::Count(std::stop_token stop) const
{
    std::uint64_t total = 0;
    for (const TMatch& match : FMatches) {
        ThrowIfStopped(stop);
        for (std::uint32_t g = FFirst.KeyGroups[match.First]; g < FFirst.KeyGroups[match.First + 1]; ++g)
            total += FFirst.Groups[g].Size * SecondTotal(match, FFirst.Groups[g]);
    }
    return total;
}

void THalfJoin::ForEach(const std::function<bool(std::uint32_t)>& take, std::stop_token stop) const
{
    const int shift = 3 * FFirst.Pegs;
    for (const TMatch& match : FMatches) {
        ThrowIfStopped(stop);
        for (std::uint32_t ga = FFirst.KeyGroups[match.First]; ga < FFirst.KeyGroups[match.First + 1]; ++ga) {
            const TGroup& first = FFirst.Groups[ga];
            const std::uint16_t* joined = FJoined + static_cast<std::size_t>(first.Rank) * static_cast<std::size_t>(FSecondRanks);
            for (std::uint32_t gb = FSecond.KeyGroups[match.Second]; gb < FSecond.KeyGroups[match.Second + 1]; ++gb) {
                const TGroup& second = FSecond.Groups[gb];
                if (!FCountsFit[joined[second.Rank]])
                    continue;
                for (std::uint32_t a = first.Start; a < first.Start + first.Size; ++a)
                    for (std::uint32_t b = second.Start; b < second.Start + second.Size; ++b)
                        if (!take(FFirst.Codes[a] | (FSecond.Codes[b] << shift)))
                            return;
            }
        }
    }
}

void THalfJoin::PrepareDraws(std::stop_token stop) const
{
    if (!FDraws.empty())
        return;
    std::uint64_t end = 0;
    for (std::uint32_t m = 0; m < FMatches.size(); ++m) {
        ThrowIfStopped(stop);
        const TMatch& match = FMatches[m];
        for (std::uint32_t g = FFirst.KeyGroups[match.First]; g < FFirst.KeyGroups[match.First + 1]; ++g) {
            const std::uint64_t seconds = SecondTotal(match, FFirst.Groups[g]);
            if (seconds == 0)
                continue;
            end += FFirst.Groups[g].Size * seconds;
            FDraws.push_back({end, seconds, m, g});
        }
    }
}

std::uint32_t THalfJoin::Draw(TSplitMix64& random, std::stop_token stop) const
{
    PrepareDraws(stop);
    const std::uint64_t pick = random.Below(FDraws.back().End);
    const auto entry = std::upper_bound(FDraws.begin(), FDraws.end(), pick,
                                        [](std::uint64_t value, const TDrawEntry& e) { return value < e.End; });
    const std::uint64_t begin = entry == FDraws.begin() ? 0 : std::prev(entry)->End;
    const std::uint64_t local = pick - begin;
    const TGroup& first = FFirst.Groups[entry->Group];
    const std::uint32_t a = first.Start + static_cast<std::uint32_t>(local / entry->SecondTotal);
    std::uint64_t b = local % entry->SecondTotal;
    const TMatch& match = FMatches[entry->Match];
    const std::uint16_t* joined = FJoined + static_cast<std::size_t>(first.Rank) * static_cast<std::size_t>(FSecondRanks);
    for (std::uint32_t g = FSecond.KeyGroups[match.Second];; ++g) {
        const TGroup& second = FSecond.Groups[g];
        if (!FCountsFit[joined[second.Rank]])
            continue;
        if (b < second.Size)
            return FFirst.Codes[a] | (FSecond.Codes[second.Start + static_cast<std::uint32_t>(b)] << (3 * FFirst.Pegs));
        b -= second.Size;
    }
}

}  // namespace peglore
