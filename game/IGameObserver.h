#pragma once

#include <cstdint>
#include <vector>

#include "game/TVariant.h"

namespace peglore {

// How a game came to its end.
enum class TGameOutcome : std::uint8_t { Won, Lost, GivenUp, Abandoned };

// Whose game it is: the player's own, or the computer breaking a code the
// player set.
enum class TGameMode : std::uint8_t { Play, CodeBreaker };

// The key pegs that answered one checked row.
struct TRowAnswer {
    int Blacks = 0;
    int Whites = 0;

    bool operator==(const TRowAnswer&) const = default;
};

// A game that has just ended, before its board is cleared.
struct TGameEnd {
    TGameOutcome Outcome;
    std::uint64_t GameNumber;
    int Columns;
    int Rows;
    int RowsUsed;  // rows holding pegs
    TVariant Variant{};  // the colours it was played with
    // Hard mode was on at every check of the game (TLogic::PlayedInHardMode).
    bool HardMode = false;
    std::vector<TRowAnswer> Answers;  // of every checked row, top first
};

// Told of the game's course by the rules, for what watches the play from
// outside it (the analysis, the records). Called on the rules' own thread,
// in the middle of their work: an observer reads the board and the logic
// but never changes them.
class IGameObserver {
public:
    // A new game has begun: its board is empty and its number drawn.
    virtual void GameStarted() = 0;
    // row has been checked and scored; it is still the current row.
    virtual void RowChecked(int row) = 0;
    // The game is over, before its rows are cleared: won, lost, given up
    // (the board may be empty then), or left with pegs on the board for a
    // new game, a change of level or board, or at the program's exit.
    virtual void GameEnded(const TGameEnd& game) = 0;

protected:
    ~IGameObserver() = default;
};

}  // namespace peglore
