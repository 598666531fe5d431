#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace peglore {

// A finished game that waits for the records file, as the pending file
// beside it keeps it: the columns of the records table, in their order.
// A game of the file's first version has the later fields' values for the
// games of that time.
struct TPendingGame {
    std::string EndedAt;  // ISO 8601, UTC; empty when unknown
    int Level = 0;  // 0 to 3
    int Columns = 1;
    int Rows = 1;
    std::uint64_t GameNumber = 0;
    int RowsUsed = 0;
    int Seconds = 0;
    std::string Outcome;  // the outcome's word, such as "given up"
    int Hints = 0;
    std::string DailyDate = {};  // yyyy-MM-dd; empty for a game that is not the daily game
    bool HardMode = false;
    std::string Mode = "play";  // the mode's word, such as "codebreaker"
    int Colours = 8;
    bool Repeats = true;
    std::string Answers = {};  // the key pegs of the checked rows, such as "2,1 0,3"

    bool operator==(const TPendingGame&) const = default;
};

// The pending file: a first line that names it and its version, then one
// game a line, its fields apart by tabs. Lines of the first version, with
// the first nine fields only, are read as well; what is written is of the
// second. Only the game writes it, but anything may stand in
// it: a line that is no game is passed over, and so is everything of a
// file whose first line is not the name.
struct TPendingGames {
    bool Recognised = false;  // the first line names the file
    std::vector<TPendingGame> Games;
    std::size_t Skipped = 0;  // lines that are no game, the first one when unrecognised
};

// Far more than any run leaves waiting; a larger file is not read.
inline constexpr std::size_t MaxPendingFileSize = 1 << 20;
// The largest count of holes, rows or rows used that a line may give.
inline constexpr int MaxPendingBoardSide = 999;
// The most colours a line may give.
inline constexpr int MaxPendingColours = 99;
// The longest list of answers a line may give.
inline constexpr std::size_t MaxPendingAnswers = 400;

TPendingGames ParsePendingGames(std::string_view text);
// games must be as ParsePendingGames accepts them: its fields within their
// bounds, the texts of the characters it allows.
std::string FormatPendingGames(std::span<const TPendingGame> games);

}  // namespace peglore
