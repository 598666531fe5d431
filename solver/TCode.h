#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "game/PegColors.h"
#include "solver/TKeyPegs.h"

namespace peglore {

// A row of 1 to 10 pegs, each one of the eight palette colours by index
// (0 is the colour bar's first colour). Three bits a peg, hole 0 lowest.
class TCode {
public:
    static constexpr int MaxPegs = 10;
    static constexpr int Colours = static_cast<int>(PegColors.size());

    TCode() = default;
    // width pegs packed three bits each; width 1 to 10.
    TCode(std::uint32_t packed, int width) : FPacked(packed), FWidth(width) {}
    // Pegs as palette indices 0 to 7.
    static TCode FromPegs(std::span<const int> pegs);
    // Digits 1 to 8 for the colour bar's colours from left to right, as
    // keyboard play types them;
    // nothing for an empty, too long or otherwise malformed text.
    static std::optional<TCode> FromDigits(std::string_view digits);
    // Palette colours; nothing when one is not a peg colour or there are
    // more than ten.
    static std::optional<TCode> FromColors(std::span<const TColor> colors);

    int Width() const { return FWidth; }
    int Peg(int hole) const { return static_cast<int>((FPacked >> (3 * hole)) & 7u); }
    std::uint32_t Packed() const { return FPacked; }
    std::string Digits() const;
    std::array<TColor, MaxPegs> Colors() const;

    friend bool operator==(const TCode&, const TCode&) = default;

private:
    std::uint32_t FPacked = 0;
    int FWidth = 0;
};

// The answer the score board gives guess against secret (same width).
TKeyPegs Score(const TCode& guess, const TCode& secret);

}  // namespace peglore
