#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

namespace peglore {

class TAnalyst;
class TGameSession;

// The game in progress kept across an exit, while the Tools menu's option
// is on: written beside the settings file at the close instead of being
// left, and resumed at the next start instead of a new game. A kept game is
// neither recorded nor counted until it ends.
namespace GameKeeper {

// At the start, after the first game has begun: the game kept at path in
// its place, on its level and board, with its rows, clock and hints. A file
// that holds no game this program could have kept starts nothing; either
// way the file is used once. firstGameNumber, a game the command line asked
// for, is played instead, the kept game then left for it as the exit
// without the option would have left it.
void Resume(TGameSession& session, TAnalyst& analyst, const std::string& path,
            std::optional<std::uint64_t> firstGameNumber);

// At the close: a game with pegs on the board is written to path. True when
// it is kept there, or there was nothing to keep; false, with the problem
// in a sentence, when the game could not be kept and is to be left.
bool Keep(const TGameSession& session, const TAnalyst& analyst, const std::string& path, QString& problem);

}  // namespace GameKeeper

}  // namespace peglore
