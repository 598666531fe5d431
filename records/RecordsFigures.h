#pragma once

#include <optional>
#include <span>
#include <vector>

#include "records/TGameRecord.h"

namespace peglore {

// The figures of one board: a level, or one custom size.
struct TBoardFigures {
    int Level = 0;
    int Columns = 0;
    int Rows = 0;
    int Games = 0;
    int Won = 0;
    int Lost = 0;
    std::optional<int> BestSeconds;  // of a win
    std::optional<int> FewestRows;  // of a win
    std::optional<double> AverageRows;  // per win
    int LongestWinRun = 0;  // wins in a row, in the order played
    std::vector<int> WinsByRows;  // [r - 1]: the wins that took r rows

    bool operator==(const TBoardFigures&) const = default;
};

// The figures of every board played, by level and then by size; GAMES
// oldest first.
std::vector<TBoardFigures> FiguresPerBoard(std::span<const TGameRecord> games);

}  // namespace peglore
