#pragma once

#include <cstdint>
#include <vector>

#include "game/PegColors.h"

namespace peglore {

// A checked row of a game kept across an exit: its guess and the answer it
// had.
struct TKeptRow {
    std::vector<TColor> Guess;
    int Blacks = 0;
    int Whites = 0;
    friend bool operator==(const TKeptRow&, const TKeptRow&) = default;
};

// A game in progress as it is kept across an exit of the program, to be
// resumed at the next start: the board, the clock, the number and level of
// the game and the rules it is played by.
struct TKeptGame {
    int Level = 0;  // 0 to 3, as TLevelSettings numbers them
    int Columns = 1;
    int Rows = 1;
    int Colours = static_cast<int>(PegColors.size());  // the first Colours of the colour bar
    bool Repeats = true;
    std::uint64_t GameNumber = 0;
    int Seconds = 0;
    int Hints = 0;  // hints placed in the game
    std::vector<TKeptRow> Checked;  // the rows checked, first to last
    std::vector<TColor> Current;  // the current row's holes, EmptyHole where none
    friend bool operator==(const TKeptGame&, const TKeptGame&) = default;
};

}  // namespace peglore
