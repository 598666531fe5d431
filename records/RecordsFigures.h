#pragma once

#include <QDate>

#include <optional>
#include <span>
#include <vector>

#include "records/TGameRecord.h"

namespace peglore {

// The figures of one board: a level or one custom size, in one variant and
// one mode.
struct TBoardFigures {
    int Level = 0;
    int Columns = 0;
    int Rows = 0;
    int Colours = WrittenColours;
    bool Repeats = WrittenRepeats;
    TGameMode Mode = TGameMode::Play;
    int Games = 0;
    int Won = 0;
    int Lost = 0;
    std::optional<int> BestSeconds;  // of a win without hints
    std::optional<int> FewestRows;  // of a win without hints
    std::optional<double> AverageRows;  // per win
    int LongestWinRun = 0;  // wins in a row, in the order played
    std::vector<int> WinsByRows;  // [r - 1]: the wins that took r rows
    // The daily games, one a date: the first one recorded for it.
    int DailyGames = 0;
    int DailyWon = 0;
    // Dates in a row with a daily game won, up to today; up to yesterday
    // while today has no daily game yet. A date without a daily game won
    // ends a run.
    int CurrentDailyRun = 0;
    int LongestDailyRun = 0;

    bool operator==(const TBoardFigures&) const = default;
};

// The figures of every board played, by level, then by size, variant and
// mode; GAMES oldest first. today: the local date the current run of daily
// games is counted back from.
std::vector<TBoardFigures> FiguresPerBoard(std::span<const TGameRecord> games, const QDate& today);

}  // namespace peglore
