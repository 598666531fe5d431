#include "game/TLeftGrid.h"

namespace peglore {

TLeftGrid::TLeftGrid(const TBoardSize& Size, IBoardSurface& Surface)
    : FSize(Size), FSurface(Surface)
{
    for (auto& column : FCells)
        column.fill(EmptyHole);
}

bool TLeftGrid::InStore(int Col, int Row)
{
    return Col >= 0 && Col < MaxStoreCells && Row >= 0 && Row < MaxStoreCells;
}

bool TLeftGrid::InUse(int Col, int Row) const
{
    return Col >= 0 && Col < FSize.BoardColumns() && Row >= 0 && Row < FSize.BoardRows();
}

void TLeftGrid::DrawPeg(int Col, int Row, TColor Color)
{
    if (!InStore(Col, Row))
        return;
    FCells[Col][Row] = Color;
    FSurface.InvalidateCell(Col, Row);
}

void TLeftGrid::DrawEmpty(int Col, int Row)
{
    DrawPeg(Col, Row, EmptyHole);
}

void TLeftGrid::PlacePegAt(int X, int Y, TColor Color)
{
    const TCell cell = FSurface.CellAt(X, Y);
    if (InUse(cell.Col, cell.Row))
        DrawPeg(cell.Col, cell.Row, Color);
}

void TLeftGrid::ClearAt(int X, int Y)
{
    const TCell cell = FSurface.CellAt(X, Y);
    if (InUse(cell.Col, cell.Row))
        DrawEmpty(cell.Col, cell.Row);
}

void TLeftGrid::ClearAll()
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        for (int row = 0; row < FSize.BoardRows(); ++row)
            DrawEmpty(col, row);
}

bool TLeftGrid::IsEmpty(int Col, int Row) const
{
    return Cell(Col, Row) == EmptyHole;
}

bool TLeftGrid::IsEmptyAt(int X, int Y) const
{
    const TCell cell = FSurface.CellAt(X, Y);
    return IsEmpty(cell.Col, cell.Row);
}

bool TLeftGrid::IsRowEmpty(int Row) const
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        if (!IsEmpty(col, Row))
            return false;
    return true;
}

bool TLeftGrid::IsOnCurrentRow(int X, int Y, int CurrentRow) const
{
    const TCell cell = FSurface.CellAt(X, Y);
    return cell.Row == CurrentRow && InUse(cell.Col, cell.Row);
}

TColor TLeftGrid::Cell(int Col, int Row) const
{
    return InStore(Col, Row) ? FCells[Col][Row] : EmptyHole;
}

void TLeftGrid::DrawCell(int Col, int Row, ICanvas& Canvas) const
{
    if (!InStore(Col, Row))
        return;
    const TRect r = FSurface.CellRect(Col, Row);
    Canvas.SetCopyMode();
    Canvas.SetPenWidth(1);
    if (IsEmpty(Col, Row)) {
        // Erase the whole cell to the board's fixed colour.
        Canvas.SetBrushColor(EmptyHole);
        Canvas.SetPenColor(EmptyHole);
        Canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    } else {
        Canvas.SetBrushColor(FCells[Col][Row]);
        Canvas.SetPenColor(OutlineColor);
        Canvas.Rectangle(r.Left + PegInset, r.Top + PegInset, r.Right - PegInset, r.Bottom - PegInset);
    }
}

void TLeftGrid::SetMousePos(int X, int Y)
{
    FMouseX = X;
    FMouseY = Y;
}

TCell TLeftGrid::PressedCell() const
{
    return FSurface.CellAt(FMouseX, FMouseY);
}

void TLeftGrid::RepeatFromAbove(int CurrentRow)
{
    if (!CanRepeat(CurrentRow))
        return;
    const TCell cell = PressedCell();
    DrawPeg(cell.Col, cell.Row, Cell(cell.Col, cell.Row - 1));
}

void TLeftGrid::Clear(int CurrentRow)
{
    if (IsOnCurrentRow(FMouseX, FMouseY, CurrentRow))
        ClearAt(FMouseX, FMouseY);
}

void TLeftGrid::ClearRow(int CurrentRow)
{
    if (!IsOnCurrentRow(FMouseX, FMouseY, CurrentRow))
        return;
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        DrawEmpty(col, CurrentRow);
}

bool TLeftGrid::CanRepeat(int CurrentRow) const
{
    return CurrentRow != 0 && IsOnCurrentRow(FMouseX, FMouseY, CurrentRow);
}

bool TLeftGrid::CanClear(int CurrentRow) const
{
    return !IsEmptyAt(FMouseX, FMouseY) && IsOnCurrentRow(FMouseX, FMouseY, CurrentRow);
}

bool TLeftGrid::CanClearRow(int CurrentRow) const
{
    return !IsRowEmpty(CurrentRow) && IsOnCurrentRow(FMouseX, FMouseY, CurrentRow);
}

}  // namespace peglore
