#include "game/TLogic.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "game/BoardGeometry.h"
#include "game/CenterOnScreen.h"
#include "game/Scoring.h"
#include "settings/statistics/TStatistics.h"

namespace peglore {

namespace {
// Counters have no upper limit; wrap instead of overflowing.
int PlusOne(int Value)
{
    return static_cast<int>(static_cast<unsigned>(Value) + 1u);
}

// A board of Columns x Rows cells with a spare column beyond its width, and
// 1-pixel lines inside a 2-pixel border.
TGridLayout BoardLayout(int Left, int Top, int CellWidth, int CellHeight, int Columns, int Rows)
{
    const int g = GridLineWidth;
    TGridLayout layout;
    layout.Left = Left;
    layout.Top = Top;
    layout.DefaultColWidth = CellWidth;
    layout.DefaultRowHeight = CellHeight;
    layout.ColCount = Columns + 1;
    layout.FixedCols = Columns;
    layout.RowCount = Rows;
    layout.Width = (CellWidth + g) * Columns + 4 * g;
    layout.Height = (CellHeight + g) * Rows + 4 * g;
    return layout;
}
}  // namespace

TLogic::TLogic(TLeftGrid& LeftGrid, TRightGrid& RightGrid, TBoardSize& Size)
    : FLeftGrid(LeftGrid), FRightGrid(RightGrid), FSize(Size)
{
}

void TLogic::Connect(IMainWindowPort& Window, IMessagesPort& Messages, IClockPort& Clock,
                     TStatistics& Statistics)
{
    FWindow = &Window;
    FMessages = &Messages;
    FClock = &Clock;
    FStatistics = &Statistics;
}

void TLogic::Randomize(std::uint32_t Seed)
{
    FRandom.seed(Seed);
}

std::span<const TColor> TLogic::Secret() const
{
    return std::span<const TColor>(FSecret.data(), static_cast<std::size_t>(FSize.BoardColumns()));
}

bool TLogic::IsValidRow(int Row) const
{
    return Row >= 0 && Row < FSize.BoardRows();
}

void TLogic::NewGame(bool Confirm, bool CountUnfinished)
{
    assert(FWindow && FMessages && FClock && FStatistics);
    // Only an explicit Yes throws the game in progress away.
    if (Confirm && FMessages->AskNewGame() != TAnswer::Yes)
        return;
    if (CountUnfinished && !IsBoardEmpty())
        FStatistics->SetTotalGames(PlusOne(FStatistics->TotalGames()));
    FRightGrid.ClearAll();
    FLeftGrid.ClearAll();
    FWindow->SetRowMarkerTop(RowMarkerTop);
    GenerateSecret();
    SetCurrentRow(0);
    FClock->ResetClock();
}

void TLogic::GenerateSecret()
{
    std::uniform_int_distribution<int> pick(0, static_cast<int>(PegColors.size()) - 1);
    for (int i = 0; i < FSize.BoardColumns(); ++i)
        FSecret[static_cast<std::size_t>(i)] = PegColors[static_cast<std::size_t>(pick(FRandom))];
}

void TLogic::SetCurrentRow(int Row)
{
    FCurrentRow = Row;
    FWindow->SetStatusRowText("Row: " + std::to_string(Row + 1));
}

bool TLogic::IsBoardEmpty() const
{
    for (int row = 0; row < FSize.BoardRows(); ++row)
        if (!FLeftGrid.IsRowEmpty(row))
            return false;
    return true;
}

bool TLogic::IsRowComplete(int Row) const
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        if (FLeftGrid.IsEmpty(col, Row))
            return false;
    return true;
}

std::array<TColor, TLogic::MaxSecret> TLogic::GuessRow(int Row) const
{
    std::array<TColor, MaxSecret> guess{};
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        guess[static_cast<std::size_t>(col)] = FLeftGrid.Cell(col, Row);
    return guess;
}

int TLogic::CountBlacks(int Row) const
{
    const auto guess = GuessRow(Row);
    return peglore::CountBlacks(std::span(guess).first(Secret().size()), Secret());
}

int TLogic::CountWhites(int Row) const
{
    const auto guess = GuessRow(Row);
    return peglore::CountWhites(std::span(guess).first(Secret().size()), Secret());
}

void TLogic::ScoreRow(int Row)
{
    if (!IsValidRow(Row))
        return;
    const int blacks = CountBlacks(Row);
    const int whites = CountWhites(Row);
    for (int col = 0; col < blacks; ++col)
        FRightGrid.DrawPeg(col, Row, BlackKeyPeg);
    for (int col = blacks; col < blacks + whites; ++col)
        FRightGrid.DrawPeg(col, Row, WhiteKeyPeg);
}

void TLogic::SetBoardSize(int Columns, int Rows)
{
    // Sizes from the settings file are not checked anywhere else; keep
    // them inside the stores.
    Columns = std::clamp(Columns, 1, MaxColumns);
    Rows = std::clamp(Rows, 1, MaxRows);
    FSize.Set(Columns, Rows);

    const TGridLayout left = BoardLayout(LeftBoardLeft, LeftBoardTop, GuessCellWidth, GuessCellHeight, Columns, Rows);
    FWindow->SetLeftBoardLayout(left);
    const TGridLayout right = BoardLayout(left.Left + left.Width + BoardGap, RightBoardTop, ScoreCellWidth,
                                          ScoreCellHeight, Columns, Rows);
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
    if (CountBlacks(FCurrentRow) == FSize.BoardColumns()) {
        FStatistics->SetGamesWon(PlusOne(FStatistics->GamesWon()));
        FMessages->ShowWon();
        NewGame(false, true);
    } else if (FCurrentRow < FSize.BoardRows() - 1) {
        SetCurrentRow(FCurrentRow + 1);
        FWindow->SetRowMarkerTop(RowMarkerTop + RowPitch * FCurrentRow);
    } else {
        FStatistics->SetGamesLost(PlusOne(FStatistics->GamesLost()));
        FMessages->ShowLost();
        FMessages->ShowCorrectAnswer();
        NewGame(false, true);
    }
}

void TLogic::GiveUp()
{
    FMessages->ShowCorrectAnswer();
    NewGame(false, true);
}

void TLogic::AutoCheckCurrentRow(bool AutoCheck)
{
    if (AutoCheck && IsRowComplete(FCurrentRow))
        CheckCurrentRow();
}

void TLogic::DropPeg(int X, int Y, TColor Color, bool AutoCheck)
{
    FLeftGrid.PlacePegAt(X, Y, Color);
    AutoCheckCurrentRow(AutoCheck);
}

void TLogic::RepeatFromAbove(bool AutoCheck)
{
    FLeftGrid.RepeatFromAbove(FCurrentRow);
    AutoCheckCurrentRow(AutoCheck);
}

}  // namespace peglore
