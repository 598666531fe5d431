#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <span>

#include "game/IClockPort.h"
#include "game/IMainWindowPort.h"
#include "game/IMessagesPort.h"
#include "game/PegColors.h"
#include "game/TBoardSize.h"
#include "game/TLeftGrid.h"
#include "game/TRightGrid.h"

namespace peglore {

class TStatistics;

// The game in progress and its rules: new games, the secret, checking and
// scoring rows, winning and losing. There is always a game in progress.
class TLogic {
public:
    static constexpr int MaxSecret = MaxColumns;

    TLogic(TLeftGrid& LeftGrid, TRightGrid& RightGrid, TBoardSize& Size);

    // Hands in the collaborators that are created after the logic. Every
    // operation below that reaches the window, the messages, the clock or
    // the statistics needs them.
    void Connect(IMainWindowPort& Window, IMessagesPort& Messages, IClockPort& Clock,
                 TStatistics& Statistics);

    // Seeds the secret generator once; the program seeds it from the clock.
    void Randomize(std::uint32_t Seed);

    int CurrentRow() const { return FCurrentRow; }
    // The current secret, BoardColumns pegs long.
    std::span<const TColor> Secret() const;
    int BoardColumns() const { return FSize.BoardColumns(); }
    int BoardRows() const { return FSize.BoardRows(); }

    void NewGame(bool Confirm, bool CountUnfinished);
    void GenerateSecret();
    void SetCurrentRow(int Row);
    bool IsBoardEmpty() const;
    bool IsRowComplete(int Row) const;
    int CountBlacks(int Row) const;
    int CountWhites(int Row) const;
    void ScoreRow(int Row);
    // Sets the dimensions (clamped to the board stores), lays out both
    // boards and the window, centres it and starts a new game.
    void SetBoardSize(int Columns, int Rows);

    void CheckCurrentRow();
    void GiveUp();
    // The automatic check after a peg was dropped or repeated: with the
    // option on and the current row full, the row is checked.
    void AutoCheckCurrentRow(bool AutoCheck);

    // A dropped colour on the guess board, then the automatic check.
    void DropPeg(int X, int Y, TColor Color, bool AutoCheck);
    // The popup's Repeat on the cell of the last right-button press, then
    // the automatic check.
    void RepeatFromAbove(bool AutoCheck);

private:
    std::array<TColor, MaxSecret> GuessRow(int Row) const;
    bool IsValidRow(int Row) const;

    TLeftGrid& FLeftGrid;
    TRightGrid& FRightGrid;
    TBoardSize& FSize;
    IMainWindowPort* FWindow = nullptr;
    IMessagesPort* FMessages = nullptr;
    IClockPort* FClock = nullptr;
    TStatistics* FStatistics = nullptr;

    int FCurrentRow = 0;
    std::array<TColor, MaxSecret> FSecret{};
    std::mt19937 FRandom;
};

}  // namespace peglore
