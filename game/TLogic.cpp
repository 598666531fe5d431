#include "game/TLogic.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <string>

#include "game/BoardGeometry.h"
#include "game/CenterOnScreen.h"
#include "game/GameNumber.h"
#include "game/Scoring.h"
#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
// A counter that has reached the largest int stays there.
int PlusOne(int value)
{
    return value < std::numeric_limits<int>::max() ? value + 1 : value;
}

// A board of columns x rows cells with a spare column beyond its width, and
// 1-pixel lines inside a 2-pixel border.
TGridLayout BoardLayout(int left, int top, int cellWidth, int cellHeight, int columns, int rows)
{
    const int g = GridLineWidth;
    TGridLayout layout;
    layout.Left = left;
    layout.Top = top;
    layout.DefaultColWidth = cellWidth;
    layout.DefaultRowHeight = cellHeight;
    layout.ColCount = columns + 1;
    layout.FixedCols = columns;
    layout.RowCount = rows;
    layout.Width = (cellWidth + g) * columns + 4 * g;
    layout.Height = (cellHeight + g) * rows + 4 * g;
    return layout;
}
}  // namespace

TLogic::TLogic(TLeftGrid& leftGrid, TRightGrid& rightGrid, TBoardSize& size)
    : FLeftGrid(leftGrid), FRightGrid(rightGrid), FSize(size)
{
}

void TLogic::Connect(IMainWindowPort& window, IMessagesPort& messages, IClockPort& clock, TStatistics& statistics)
{
    FWindow = &window;
    FMessages = &messages;
    FClock = &clock;
    FStatistics = &statistics;
}

void TLogic::Randomize(std::uint32_t seed)
{
    FRandom.seed(seed);
}

std::span<const TColor> TLogic::Secret() const
{
    return std::span<const TColor>(FSecret.data(), static_cast<std::size_t>(FSize.BoardColumns()));
}

bool TLogic::IsValidRow(int row) const
{
    return row >= 0 && row < FSize.BoardRows();
}

void TLogic::NewGame(bool confirm, bool countUnfinished)
{
    assert(FWindow && FMessages && FClock && FStatistics);
    // Only an explicit Yes throws the game in progress away.
    if (confirm && FMessages->AskNewGame() != TAnswer::Yes)
        return;
    if (countUnfinished && !IsBoardEmpty())
        FStatistics->SetTotalGames(PlusOne(FStatistics->TotalGames()));
    // Counted or not, a game with pegs that nobody was told the end of is
    // abandoned for this one.
    AbandonGame();
    FRightGrid.ClearAll();
    FLeftGrid.ClearAll();
    FWindow->SetRowMarkerTop(RowMarkerTop);
    GenerateSecret();
    SetCurrentRow(0);
    FClock->ResetClock();
    ++FGamesStarted;
    FEndTold = false;
    for (IGameObserver* observer : std::vector(FObservers))
        observer->GameStarted();
}

void TLogic::AddObserver(IGameObserver& observer)
{
    FObservers.push_back(&observer);
}

void TLogic::RemoveObserver(IGameObserver& observer)
{
    std::erase(FObservers, &observer);
}

void TLogic::NotifyEnd(TGameOutcome outcome)
{
    FEndTold = true;
    int rowsUsed = 0;
    for (int row = 0; row < FSize.BoardRows(); ++row)
        rowsUsed += FLeftGrid.IsRowEmpty(row) ? 0 : 1;
    TGameEnd game{outcome, FGameNumber, FSize.BoardColumns(), FSize.BoardRows(), rowsUsed, {}};
    // The rows above the current one are checked, and the current one too
    // when its check ended the game.
    const bool lastRowChecked = outcome == TGameOutcome::Won || outcome == TGameOutcome::Lost;
    for (int row = 0; row < FCurrentRow + (lastRowChecked ? 1 : 0); ++row)
        game.Answers.push_back({CountBlacks(row), CountWhites(row)});
    for (IGameObserver* observer : std::vector(FObservers))
        observer->GameEnded(game);
}

void TLogic::GenerateSecret()
{
    if (FNextGameNumber) {
        FGameNumber = *FNextGameNumber;
        FNextGameNumber.reset();
    } else {
        FGameNumber = std::uniform_int_distribution<std::uint64_t>(0, GameNumberLimit - 1)(FRandom);
    }
    std::array<int, MaxSecret> pegs{};
    SecretOfGame(FGameNumber, std::span(pegs).first(static_cast<std::size_t>(FSize.BoardColumns())));
    for (int i = 0; i < FSize.BoardColumns(); ++i)
        FSecret[static_cast<std::size_t>(i)] = PegColors[static_cast<std::size_t>(pegs[static_cast<std::size_t>(i)])];
}

void TLogic::SetCurrentRow(int row)
{
    FCurrentRow = row;
    FLeftGrid.Select(0, row);
    FWindow->SetStatusRowText("Row: " + std::to_string(row + 1));
}

bool TLogic::IsBoardEmpty() const
{
    for (int row = 0; row < FSize.BoardRows(); ++row)
        if (!FLeftGrid.IsRowEmpty(row))
            return false;
    return true;
}

bool TLogic::IsRowComplete(int row) const
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        if (FLeftGrid.IsEmpty(col, row))
            return false;
    return true;
}

std::array<TColor, TLogic::MaxSecret> TLogic::GuessRow(int row) const
{
    std::array<TColor, MaxSecret> guess{};
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        guess[static_cast<std::size_t>(col)] = FLeftGrid.Cell(col, row);
    return guess;
}

int TLogic::CountBlacks(int row) const
{
    const auto guess = GuessRow(row);
    return peglore::CountBlacks(std::span(guess).first(Secret().size()), Secret());
}

int TLogic::CountWhites(int row) const
{
    const auto guess = GuessRow(row);
    return peglore::CountWhites(std::span(guess).first(Secret().size()), Secret());
}

void TLogic::ScoreRow(int row)
{
    if (!IsValidRow(row))
        return;
    const int blacks = CountBlacks(row);
    const int whites = CountWhites(row);
    for (int col = 0; col < blacks; ++col)
        FRightGrid.DrawPeg(col, row, BlackKeyPeg);
    for (int col = blacks; col < blacks + whites; ++col)
        FRightGrid.DrawPeg(col, row, WhiteKeyPeg);
}

void TLogic::SetBoardSize(int columns, int rows)
{
    // The game left is told over on the board it was played on.
    AbandonGame();
    // Sizes from the settings file are not checked anywhere else; keep
    // them inside the stores.
    columns = std::clamp(columns, 1, MaxColumns);
    rows = std::clamp(rows, 1, MaxRows);
    FSize.Set(columns, rows);

    const TGridLayout left = BoardLayout(LeftBoardLeft, LeftBoardTop, GuessCellWidth, GuessCellHeight, columns, rows);
    FWindow->SetLeftBoardLayout(left);
    const TGridLayout right =
        BoardLayout(left.Left + left.Width + BoardGap, RightBoardTop, ScoreCellWidth, ScoreCellHeight, columns, rows);
    FWindow->SetRightBoardLayout(right);

    const int clientWidth = std::max(right.Left + right.Width + ClientRightMargin, FWindow->InitialClientWidth());
    const int clientHeight = left.Top + left.Height + ClientBottomMargin + FWindow->StatusBarHeight();
    FWindow->SetClientSize(clientWidth, clientHeight);
    CenterOnScreen(*FWindow);
    NewGame(false, false);
}

void TLogic::CheckCurrentRow()
{
    if (!IsRowComplete(FCurrentRow)) {
        FMessages->ShowRowNotFull();
        return;
    }
    ScoreRow(FCurrentRow);
    for (IGameObserver* observer : std::vector(FObservers))
        observer->RowChecked(FCurrentRow);
    if (CountBlacks(FCurrentRow) == FSize.BoardColumns()) {
        NotifyEnd(TGameOutcome::Won);
        FStatistics->SetGamesWon(PlusOne(FStatistics->GamesWon()));
        FMessages->ShowWon();
        NewGame(false, true);
    } else if (FCurrentRow < FSize.BoardRows() - 1) {
        SetCurrentRow(FCurrentRow + 1);
        FWindow->SetRowMarkerTop(RowMarkerTop + RowPitch * FCurrentRow);
    } else {
        NotifyEnd(TGameOutcome::Lost);
        FStatistics->SetGamesLost(PlusOne(FStatistics->GamesLost()));
        FMessages->ShowLost();
        FMessages->ShowCorrectAnswer();
        NewGame(false, true);
    }
}

void TLogic::GiveUp()
{
    NotifyEnd(TGameOutcome::GivenUp);
    FMessages->ShowCorrectAnswer();
    NewGame(false, true);
}

void TLogic::AbandonGame()
{
    if (!FEndTold && !IsBoardEmpty())
        NotifyEnd(TGameOutcome::Abandoned);
}

void TLogic::AutoCheckCurrentRow(bool autoCheck)
{
    if (autoCheck && IsRowComplete(FCurrentRow))
        CheckCurrentRow();
}

void TLogic::DropPeg(int x, int y, TColor color, bool autoCheck)
{
    FLeftGrid.PlacePegAt(x, y, color);
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::RepeatFromAbove(bool autoCheck)
{
    FLeftGrid.RepeatFromAbove(FCurrentRow);
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::SelectHole(int col)
{
    FLeftGrid.Select(std::clamp(col, 0, FSize.BoardColumns() - 1), FCurrentRow);
}

int TLogic::NextEmptyHole(int col) const
{
    const int columns = FSize.BoardColumns();
    for (int step = 1; step < columns; ++step) {
        const int next = (col + step) % columns;
        if (FLeftGrid.IsEmpty(next, FCurrentRow))
            return next;
    }
    return col;
}

void TLogic::PlaceInSelectedHole(TColor color, bool autoCheck)
{
    const int col = SelectedHole();
    FLeftGrid.DrawPeg(col, FCurrentRow, color);
    SelectHole(NextEmptyHole(col));
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::PlaceRow(std::span<const TColor> colors, bool autoCheck)
{
    const int columns = std::min(FSize.BoardColumns(), static_cast<int>(colors.size()));
    for (int col = 0; col < columns; ++col)
        FLeftGrid.DrawPeg(col, FCurrentRow, colors[static_cast<std::size_t>(col)]);
    AutoCheckCurrentRow(autoCheck);
}

void TLogic::ClearSelectedHole()
{
    FLeftGrid.DrawEmpty(SelectedHole(), FCurrentRow);
}

void TLogic::ClearBeforeSelectedHole()
{
    const int col = SelectedHole();
    if (col == 0)
        return;
    FLeftGrid.DrawEmpty(col - 1, FCurrentRow);
    SelectHole(col - 1);
}

}  // namespace peglore
