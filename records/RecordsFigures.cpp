#include "records/RecordsFigures.h"

#include <algorithm>
#include <map>
#include <tuple>

#include "game/BoardGeometry.h"

namespace peglore {

std::vector<TBoardFigures> FiguresPerBoard(std::span<const TGameRecord> games)
{
    std::map<std::tuple<int, int, int>, TBoardFigures> boards;
    std::map<std::tuple<int, int, int>, int> runs;
    for (const TGameRecord& game : games) {
        const auto key = std::make_tuple(game.Level, game.Columns, game.Rows);
        TBoardFigures& board = boards[key];
        board.Level = game.Level;
        board.Columns = game.Columns;
        board.Rows = game.Rows;
        ++board.Games;
        int& run = runs[key];
        if (game.Outcome != TGameOutcome::Won) {
            board.Lost += game.Outcome == TGameOutcome::Lost ? 1 : 0;
            run = 0;
            continue;
        }
        ++board.Won;
        board.LongestWinRun = std::max(board.LongestWinRun, ++run);
        board.BestSeconds = std::min(board.BestSeconds.value_or(game.Seconds), game.Seconds);
        board.FewestRows = std::min(board.FewestRows.value_or(game.RowsUsed), game.RowsUsed);
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
        figures.push_back(std::move(board));
    }
    return figures;
}

}  // namespace peglore
