#pragma once

#include <array>
#include <cstdint>

namespace peglore {

// A 24-bit colour as 0x00BBGGRR: red in the low byte.
using TColor = std::uint32_t;

// The eight peg colours. The secret is drawn by index into this table,
// so the order is part of the game's behaviour.
inline constexpr std::array<TColor, 8> PegColors = {
    0x0000FF,  // red
    0x008000,  // green
    0x000000,  // black
    0x00FFFF,  // yellow
    0xFF0000,  // blue
    0x808080,  // gray
    0xFF00FF,  // fuchsia
    0x00FF00,  // lime
};

// The colour bar's colours from left to right, as indices into PegColors:
// keys 1 to 8 of keyboard play, and the digits that write a code.
inline constexpr std::array<int, 8> ColorBarOrder = {0, 7, 2, 3, 4, 5, 6, 1};

inline constexpr TColor EmptyHole = 0xFFFFFF;  // guess board, no peg
inline constexpr TColor EmptyKeyHole = 0x808000;  // score board, no key peg (teal)
inline constexpr TColor BlackKeyPeg = 0x000000;  // right colour, right hole
inline constexpr TColor WhiteKeyPeg = 0xFFFFFF;  // right colour, wrong hole
inline constexpr TColor OutlineColor = 0x000000;
inline constexpr TColor FocusMarkColor = 0x800000;  // navy: the hole the keyboard plays on

}  // namespace peglore
