#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

#include "solver/TCheckedRow.h"
#include "solver/TRules.h"

namespace peglore {

class TSplitMix64;

// Thrown out of the solver's loops when their stop token asks; the public
// operations turn it into an empty result.
struct TSolverStopped {};

// Every code of a board that fits a list of checked rows, held as a join of
// the codes' two halves (the first (width + 1) / 2 holes and the rest, at
// most 8^5 codes each). A half is keyed by its black pegs on every row and
// its colour counts: two halves make a fitting code when their blacks add
// up to every row's blacks and their counts together give every row's
// blacks and whites. So 8^10 codes are counted, listed and drawn at random
// without looking at each one. The rules are a filter on both: a half holds
// only colours in play (and none twice without repeats), and the whole
// code's counts hold no colour twice without repeats.
class THalfJoin {
public:
    THalfJoin(int width, const TRules& rules, std::span<const TCheckedRow> rows, std::stop_token stop);

    int Width() const { return FWidth; }
    std::uint64_t Count(std::stop_token stop) const;
    // Calls take(code) for every fitting code (packed), in a fixed order,
    // until take answers false.
    void ForEach(const std::function<bool(std::uint32_t)>& take, std::stop_token stop) const;
    // A fitting code drawn uniformly at random; there must be one.
    std::uint32_t Draw(TSplitMix64& random, std::stop_token stop) const;

private:
    struct TGroup {
        std::uint16_t Rank = 0;  // the half's colour counts
        std::uint32_t Start = 0;  // into Codes
        std::uint32_t Size = 0;
    };
    // One side: its codes grouped by their blacks on every row (a key of
    // Words 64-bit words, four bits a row) and then by colour counts.
    struct THalf {
        int Pegs = 0;
        std::vector<std::uint32_t> Codes;
        std::vector<TGroup> Groups;
        std::vector<std::uint32_t> KeyGroups;  // first group of each key, and one past the last
        std::vector<std::uint64_t> Keys;  // Words words per key
        std::vector<std::uint32_t> Slots;  // hash of key to its index + 1
        std::uint32_t Find(const std::uint64_t* key, int words) const;
    };
    struct TMatch {
        std::uint32_t First = 0;  // key in FFirst
        std::uint32_t Second = 0;  // key in FSecond
    };
    struct TDrawEntry {
        std::uint64_t End = 0;  // running total of fitting codes up to this group
        std::uint64_t SecondTotal = 0;  // fitting second halves for each first half of the group
        std::uint32_t Match = 0;
        std::uint32_t Group = 0;  // a group of the first half
    };

    THalf BuildHalf(int firstHole, int pegs, const TRules& rules, std::span<const TCheckedRow> rows,
                    std::stop_token stop) const;
    std::uint64_t SecondTotal(const TMatch& match, const TGroup& first) const;
    void PrepareDraws(std::stop_token stop) const;

    int FWidth = 0;
    int FWords = 1;
    THalf FFirst;
    THalf FSecond;
    std::vector<std::uint8_t> FCountsFit;  // by the whole code's colour counts
    const std::uint16_t* FJoined = nullptr;
    int FSecondRanks = 1;
    std::vector<TMatch> FMatches;
    mutable std::vector<TDrawEntry> FDraws;
};

}  // namespace peglore
