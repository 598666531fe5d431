#pragma once

namespace peglore {

enum class TGameOutcome { Won, Lost, GivenUp, Abandoned };

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
    // The game is over, before its rows are cleared: won, lost, given up,
    // or given up for a new game with pegs still on the board.
    virtual void GameEnded(TGameOutcome outcome) = 0;

protected:
    ~IGameObserver() = default;
};

}  // namespace peglore
