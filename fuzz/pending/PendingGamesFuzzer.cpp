// Fuzzes the reader of the file of games waiting for the records file over
// arbitrary bytes. Every game it takes is within the bounds the writer
// keeps; written again, the games read back the same, none passed over;
// no line is both a game and passed over.

#include "records/PendingGames.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace peglore;

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TPendingGames read = ParsePendingGames(text);
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
    Check(read.Games.size() + read.Skipped + (read.Recognised ? 1 : 0) <= lines);
    Check(read.Recognised || read.Games.empty());
    for (const TPendingGame& game : read.Games) {
        Check(game.Level >= 0 && game.Level <= 3);
        Check(game.Columns >= 1 && game.Columns <= MaxPendingBoardSide);
        Check(game.Rows >= 1 && game.Rows <= MaxPendingBoardSide);
        Check(game.RowsUsed >= 0 && game.RowsUsed <= MaxPendingBoardSide);
        Check(game.Seconds >= 0 && game.Hints >= 0);
        Check(!game.Outcome.empty() && game.EndedAt.size() <= 40 && game.Outcome.size() <= 40);
        Check(game.EndedAt.find_first_of("\t\n") == std::string::npos);
        Check(game.Outcome.find_first_of("\t\n") == std::string::npos);
        Check(game.Colours >= 1 && game.Colours <= MaxPendingColours);
        Check(!game.Mode.empty() && game.Mode.size() <= 40 && game.DailyDate.size() <= 10);
        Check(game.Answers.size() <= MaxPendingAnswers);
        Check((game.DailyDate + game.Mode + game.Answers).find_first_of("\t\n") == std::string::npos);
    }
    const TPendingGames again = ParsePendingGames(FormatPendingGames(read.Games));
    Check(again.Recognised && again.Skipped == 0 && again.Games == read.Games);
    return 0;
}
