#include "records/RecordsFigures.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "game/BoardGeometry.h"

namespace peglore {

namespace {
using TBoardKey = std::tuple<int, int, int, int, bool, TGameMode>;

// The runs of a board's daily games, given whether each date's was won.
void CountDailyRuns(const std::map<qint64, bool>& dates, const QDate& today, TBoardFigures& board)
{
    int run = 0;
    qint64 previous = 0;
    for (const auto& [day, won] : dates) {
        run = won ? (run > 0 && day == previous + 1 ? run + 1 : 1) : 0;
        previous = day;
        board.LongestDailyRun = std::max(board.LongestDailyRun, run);
    }
    if (!today.isValid())
        return;
    const auto played = dates.find(today.toJulianDay());
    if (played != dates.end() && !played->second)
        return;  // today's was lost: no run goes on
    for (qint64 day = today.toJulianDay() - (played == dates.end() ? 1 : 0);; --day) {
        const auto date = dates.find(day);
        if (date == dates.end() || !date->second)
            break;
        ++board.CurrentDailyRun;
    }
}
}  // namespace

std::vector<TBoardFigures> FiguresPerBoard(std::span<const TGameRecord> games, const QDate& today)
{
    std::map<TBoardKey, TBoardFigures> boards;
    std::map<TBoardKey, int> runs;
    std::map<TBoardKey, std::map<qint64, bool>> dailies;
    for (const TGameRecord& game : games) {
        const TBoardKey key{game.Level, game.Columns, game.Rows, game.Colours, game.Repeats, game.Mode};
        TBoardFigures& board = boards[key];
        board.Level = game.Level;
        board.Columns = game.Columns;
        board.Rows = game.Rows;
        board.Colours = game.Colours;
        board.Repeats = game.Repeats;
        board.Mode = game.Mode;
        ++board.Games;
        // A date counts its first daily game only, whatever else a file
        // written elsewhere holds.
        if (game.DailyDate && game.DailyDate->isValid())
            dailies[key].try_emplace(game.DailyDate->toJulianDay(), game.Outcome == TGameOutcome::Won);
        int& run = runs[key];
        if (game.Outcome != TGameOutcome::Won) {
            board.Lost += game.Outcome == TGameOutcome::Lost ? 1 : 0;
            run = 0;
            continue;
        }
        ++board.Won;
        board.LongestWinRun = std::max(board.LongestWinRun, ++run);
        // A win the hint helped to is no record.
        if (game.Hints == 0) {
            board.BestSeconds = std::min(board.BestSeconds.value_or(game.Seconds), game.Seconds);
            board.FewestRows = std::min(board.FewestRows.value_or(game.RowsUsed), game.RowsUsed);
        }
        board.AverageRows = board.AverageRows.value_or(0) + game.RowsUsed;
        // Rows outside the board (a file written by hand) stay off the chart.
        if (game.RowsUsed >= 1 && game.RowsUsed <= std::min(game.Rows, MaxRows)) {
            board.WinsByRows.resize(static_cast<std::size_t>(std::min(game.Rows, MaxRows)));
            ++board.WinsByRows[static_cast<std::size_t>(game.RowsUsed - 1)];
        }
    }
    std::vector<TBoardFigures> figures;
    for (auto& [key, board] : boards) {
        if (board.AverageRows)
            *board.AverageRows /= board.Won;
        board.WinsByRows.resize(static_cast<std::size_t>(std::clamp(board.Rows, 0, MaxRows)));
        if (const auto daily = dailies.find(key); daily != dailies.end()) {
            board.DailyGames = static_cast<int>(daily->second.size());
            board.DailyWon = static_cast<int>(std::count_if(daily->second.begin(), daily->second.end(),
                                                            [](const auto& date) { return date.second; }));
            CountDailyRuns(daily->second, today, board);
        }
        figures.push_back(std::move(board));
    }
    return figures;
}

}  // namespace peglore
