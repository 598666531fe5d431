#pragma once

#include <cstdint>

namespace peglore {

// How a game the statistics count came to its end.
enum class TGameOutcome : std::uint8_t { Won, Lost, GivenUp, Abandoned };

// A game that has just ended, before its board is cleared.
struct TGameEnd {
    TGameOutcome Outcome;
    std::uint64_t GameNumber;
    int Columns;
    int Rows;
    int RowsUsed;  // rows holding pegs
};

// Told of every game that ends with pegs on the board.
class IGameEndPort {
public:
    virtual void GameEnded(const TGameEnd& game) = 0;

protected:
    ~IGameEndPort() = default;
};

}  // namespace peglore
