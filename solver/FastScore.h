#pragma once

#include <cstdint>

// The score of a guess against a secret in a few machine instructions, for
// the solver's inner loops. Codes are packed three bits a peg; colour
// counts are eight 8-bit lanes, one per colour. Tests hold these to the
// game's own scoring.
namespace peglore::fastscore {

// The lowest bit of each of the first width pegs.
constexpr std::uint32_t PegLowBits(int width)
{
    std::uint32_t bits = 0;
    for (int hole = 0; hole < width; ++hole)
        bits |= 1u << (3 * hole);
    return bits;
}

// A bit at the foot of every peg that differs, then the bits summed by
// pairs and by one multiplication (the target's popcount instruction is not
// there on every machine the game runs on).
inline int Blacks(std::uint32_t guess, std::uint32_t secret, int width)
{
    constexpr std::uint32_t everyOtherPeg = 0101010101;  // holes 0, 2, 4, 6 and 8
    const std::uint32_t x = guess ^ secret;
    const std::uint32_t differ = (x | (x >> 1) | (x >> 2)) & PegLowBits(width);
    const std::uint32_t pairs = (differ & everyOtherPeg) + ((differ >> 3) & everyOtherPeg);
    return width - static_cast<int>(((pairs * 0x01041041u) >> 24) & 0x3F);
}

// Colour counts of a packed code, one 8-bit lane per colour.
inline std::uint64_t ColourCounts(std::uint32_t code, int width)
{
    std::uint64_t counts = 0;
    for (int hole = 0; hole < width; ++hole)
        counts += std::uint64_t{1} << (8 * ((code >> (3 * hole)) & 7u));
    return counts;
}

// Pegs of a right colour in any hole: the sum over colours of the smaller
// count. Lanes hold at most 10, so no lane borrows from the next.
inline int Matches(std::uint64_t a, std::uint64_t b)
{
    constexpr std::uint64_t high = 0x8080808080808080ULL;
    const std::uint64_t aNotLess = (((a | high) - b) & high) >> 7;
    const std::uint64_t takeB = aNotLess * 0xFF;
    const std::uint64_t smaller = (b & takeB) | (a & ~takeB);
    return static_cast<int>((smaller * 0x0101010101010101ULL) >> 56);
}

// One number per possible answer: blacks * 11 + blacks and whites together.
inline constexpr int AnswerSlots = 11 * 11;
inline int AnswerSlot(int blacks, int matches)
{
    return blacks * 11 + matches;
}

}  // namespace peglore::fastscore
