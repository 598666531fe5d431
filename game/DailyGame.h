#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/GameNames.h"
#include "game/IGameObserver.h"

namespace peglore {

// The number of the daily game of a local date on a board of columns x
// rows in a variant: the same for every player on that date, board and
// variant, on every machine, and another one the next day. Below
// GameNumberLimit, so it can be typed in as any game's number.
std::uint64_t DailyGameNumber(int year, int month, int day, int columns, int rows, int colours = WrittenColours,
                              bool repeats = WrittenRepeats);

// A finished daily game as it is shared.
struct TDailyResult {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Level = 0;  // 0 Beginner, 1 Intermediate, 2 Expert, 3 Custom
    int Columns = 0;
    int Rows = 0;
    int Colours = WrittenColours;
    bool Repeats = WrittenRepeats;
    bool Won = false;  // lost or given up otherwise
    std::vector<TRowAnswer> Answers;  // of every checked row, top first
};

// The result as plain text a player can post without giving the secret
// away: a first line such as "Peglore 2026-12-09 · Intermediate · 6/9"
// ("X/9" for a game not won; "Custom 4x10" for a custom board; the variant
// after another "·" when it is not the written game's), then one line a
// checked row of its key pegs only: a black circle for each black key peg,
// a white circle for each white one and a small white square for each
// empty key hole. UTF-8, the lines apart by "\n", no line end after the
// last.
std::string DailyShareText(const TDailyResult& result);

}  // namespace peglore
