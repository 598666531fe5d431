#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <span>
#include <vector>

#include "game/IClockPort.h"
#include "game/IGameObserver.h"
#include "game/IMainWindowPort.h"
#include "game/IMessagesPort.h"
#include "game/PegColors.h"
#include "game/TBoardSize.h"
#include "game/TKeptGame.h"
#include "game/TLeftGrid.h"
#include "game/TRightGrid.h"
#include "game/TVariant.h"

namespace peglore {

class TStatistics;

// The game in progress and its rules: new games, the secret, checking and
// scoring rows, winning and losing. There is always a game in progress.
class TLogic {
public:
    static constexpr int MaxSecret = MaxColumns;

    TLogic(TLeftGrid& leftGrid, TRightGrid& rightGrid, TBoardSize& size);

    // Hands in the collaborators that are created after the logic. Every
    // operation below that reaches the window, the messages, the clock or
    // the statistics needs them.
    void Connect(IMainWindowPort& window, IMessagesPort& messages, IClockPort& clock, TStatistics& statistics);

    // The game in progress is left: when it has pegs on the board and its
    // end has not been told yet, observers are told it ended as abandoned.
    // The board and the statistics stay as they are. Called by every new
    // game, and before the exit or a change of board changes anything the
    // game's record is made of.
    void AbandonGame();

    // Seeds the secret generator once; the program seeds it from the clock.
    void Randomize(std::uint32_t seed);
    // The next new game is game number instead of a drawn one (once).
    void SetNextGameNumber(std::uint64_t number) { FNextGameNumber = number; }
    // The number of the game in progress; its secret follows from it.
    std::uint64_t GameNumber() const { return FGameNumber; }
    // How many games have begun; tells one game from the next even when
    // both have the same number.
    std::uint64_t GamesStarted() const { return FGamesStarted; }
    // Observers are told of every game's course until removed.
    void AddObserver(IGameObserver& observer);
    void RemoveObserver(IGameObserver& observer);

    int CurrentRow() const { return FCurrentRow; }
    // The current secret, BoardColumns pegs long.
    std::span<const TColor> Secret() const;
    int BoardColumns() const { return FSize.BoardColumns(); }
    int BoardRows() const { return FSize.BoardRows(); }

    void NewGame(bool confirm, bool countUnfinished);
    void GenerateSecret();
    void SetCurrentRow(int row);
    bool IsBoardEmpty() const;
    bool IsRowComplete(int row) const;
    int CountBlacks(int row) const;
    int CountWhites(int row) const;
    void ScoreRow(int row);
    // Sets the dimensions (clamped to the board stores), lays out both
    // boards and the window, centres it and starts a new game.
    void SetBoardSize(int columns, int rows);

    // Refuses an incomplete row and, in hard mode, a row that cannot be
    // the secret; otherwise scores it and goes on to the next row or ends
    // the game.
    void CheckCurrentRow();
    void GiveUp();

    // The colours the secret is drawn from, for every board until changed;
    // takes effect with the next new game.
    const TVariant& Variant() const { return FVariant; }
    void SetVariant(const TVariant& variant) { FVariant = variant; }
    // The colours the game in progress plays with: the variant chosen at
    // its start, with repeats on a board wider than its colours
    // (TVariant::ForWidth).
    const TVariant& PlayedVariant() const { return FGameVariant; }
    // How the current row breaks the played variant, which takes only
    // colours in play and, without repeats, none twice. Reads only its full
    // holes.
    TVariantBreach CurrentRowBreach() const;
    // Hard mode: only a row that fits the answers of every checked row,
    // and so could be the secret, is checked. Takes effect at the next
    // check.
    bool HardMode() const { return FHardMode; }
    void SetHardMode(bool on) { FHardMode = on; }
    // Whether hard mode is on and was on at every check of the game in
    // progress, so the whole game was played by its rule.
    bool PlayedInHardMode() const { return FHardMode && !FCheckedWithoutHardMode; }
    // The earliest checked row whose answer the current row, taken as the
    // secret, would not have given; nothing when it could be the secret.
    // Reads only the full holes of the current row: call it on a full row.
    std::optional<int> ContradictedRow() const;
    // The automatic check after a peg was dropped or repeated: with the
    // option on and the current row full, the row is checked.
    void AutoCheckCurrentRow(bool autoCheck);

    // A dropped colour on the guess board, then the automatic check.
    void DropPeg(int x, int y, TColor color, bool autoCheck);
    // The popup's Repeat on the cell of the last right-button press, then
    // the automatic check.
    void RepeatFromAbove(bool autoCheck);

    // Keyboard play on the selected hole of the current row. Every new
    // row selects its first hole.
    int SelectedHole() const { return FLeftGrid.Selection().Col; }
    // Clamped to the row.
    void SelectHole(int col);
    // Puts color in the selected hole, selects the next empty hole after
    // it (from the row's start again when there is none; the same hole
    // when the row is full), then the automatic check, as a drop does.
    // Puts colors in the holes of the current row, as many as the board is
    // wide, in place of what it held; a full row is then checked as after
    // any other placing.
    void PlaceRow(std::span<const TColor> colors, bool autoCheck);
    void PlaceInSelectedHole(TColor color, bool autoCheck);
    void ClearSelectedHole();
    // Clears the hole before the selected one and selects it; nothing on
    // the first hole.
    void ClearBeforeSelectedHole();

    // The game in progress as it is kept across an exit: its board, number
    // and rules; the clock, level and hints are the caller's to add.
    TKeptGame KeptGame() const;
    // Whether kept can be resumed: a board the stores hold, rows and holes
    // of that board's width in the colours of its rules, and every checked
    // row answered as the secret of its game number answers it, none of
    // them won. Its board need not be the one in use.
    bool CanResume(const TKeptGame& kept) const;
    // Puts kept on the board in place of the game in progress, which is
    // left as for a new game, uncounted. Observers are told a game has
    // started. The board must be kept's size already; false, and nothing
    // changed, when it is not or CanResume is false.
    bool Resume(const TKeptGame& kept);

private:
    // The secret of game number on a board of columns holes.
    static std::array<TColor, MaxSecret> SecretOf(std::uint64_t number, const TVariant& variant, int columns);
    std::array<TColor, MaxSecret> GuessRow(int row) const;
    bool IsValidRow(int row) const;
    int NextEmptyHole(int col) const;

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
    void NotifyEnd(TGameOutcome outcome);

    std::uint64_t FGameNumber = 0;
    std::uint64_t FGamesStarted = 0;
    bool FEndTold = false;  // the game in progress has been told over
    bool FHardMode = false;
    bool FCheckedWithoutHardMode = false;  // in the game in progress
    std::vector<IGameObserver*> FObservers;
    std::optional<std::uint64_t> FNextGameNumber;
    TVariant FVariant;
    TVariant FGameVariant;
};

}  // namespace peglore
