#include "game/TLeftGrid.h"

#include "game/PegSymbols.h"

namespace peglore {

TLeftGrid::TLeftGrid(const TBoardSize& size, IBoardSurface& surface) : FSize(size), FSurface(surface)
{
    for (auto& column : FCells)
        column.fill(EmptyHole);
}

bool TLeftGrid::InStore(int col, int row)
{
    return col >= 0 && col < MaxStoreCells && row >= 0 && row < MaxStoreCells;
}

bool TLeftGrid::InUse(int col, int row) const
{
    return col >= 0 && col < FSize.BoardColumns() && row >= 0 && row < FSize.BoardRows();
}

void TLeftGrid::DrawPeg(int col, int row, TColor color)
{
    if (!InStore(col, row))
        return;
    FCells[col][row] = color;
    FSurface.InvalidateCell(col, row);
}

void TLeftGrid::DrawEmpty(int col, int row)
{
    DrawPeg(col, row, EmptyHole);
}

void TLeftGrid::PlacePegAt(int x, int y, TColor color)
{
    const TCell cell = FSurface.CellAt(x, y);
    if (InUse(cell.Col, cell.Row))
        DrawPeg(cell.Col, cell.Row, color);
}

void TLeftGrid::ClearAt(int x, int y)
{
    const TCell cell = FSurface.CellAt(x, y);
    if (InUse(cell.Col, cell.Row))
        DrawEmpty(cell.Col, cell.Row);
}

void TLeftGrid::ClearAll()
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        for (int row = 0; row < FSize.BoardRows(); ++row)
            DrawEmpty(col, row);
}

bool TLeftGrid::IsEmpty(int col, int row) const
{
    return Cell(col, row) == EmptyHole;
}

bool TLeftGrid::IsEmptyAt(int x, int y) const
{
    const TCell cell = FSurface.CellAt(x, y);
    return IsEmpty(cell.Col, cell.Row);
}

bool TLeftGrid::IsRowEmpty(int row) const
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        if (!IsEmpty(col, row))
            return false;
    return true;
}

bool TLeftGrid::IsOnCurrentRow(int x, int y, int currentRow) const
{
    const TCell cell = FSurface.CellAt(x, y);
    return cell.Row == currentRow && InUse(cell.Col, cell.Row);
}

TColor TLeftGrid::Cell(int col, int row) const
{
    return InStore(col, row) ? FCells[col][row] : EmptyHole;
}

void TLeftGrid::DrawCell(int col, int row, ICanvas& canvas) const
{
    if (!InStore(col, row))
        return;
    const TRect r = FSurface.CellRect(col, row);
    canvas.SetCopyMode();
    canvas.SetPenWidth(1);
    if (IsEmpty(col, row)) {
        // Erase the whole cell to the board's fixed colour.
        canvas.SetBrushColor(EmptyHole);
        canvas.SetPenColor(EmptyHole);
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    } else {
        const TRect peg{r.Left + PegInset, r.Top + PegInset, r.Right - PegInset, r.Bottom - PegInset};
        canvas.SetBrushColor(FCells[col][row]);
        canvas.SetPenColor(OutlineColor);
        canvas.Rectangle(peg.Left, peg.Top, peg.Right, peg.Bottom);
        if (FSymbolsShown)
            DrawPegSymbol(canvas, FCells[col][row], peg);
    }
    if (FSelectionShown && FSelection == TCell{col, row}) {
        // A frame in the white margin around the peg, clear of its outline.
        canvas.SetBrushColor(FocusMarkColor);
        canvas.SetPenColor(FocusMarkColor);
        constexpr int w = FocusMarkWidth;
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Top + w);
        canvas.Rectangle(r.Left, r.Bottom - w, r.Right, r.Bottom);
        canvas.Rectangle(r.Left, r.Top, r.Left + w, r.Bottom);
        canvas.Rectangle(r.Right - w, r.Top, r.Right, r.Bottom);
    }
}

void TLeftGrid::SetMousePos(int x, int y)
{
    FMouseX = x;
    FMouseY = y;
}

TCell TLeftGrid::PressedCell() const
{
    return FSurface.CellAt(FMouseX, FMouseY);
}

void TLeftGrid::RepeatFromAbove(int currentRow)
{
    if (!CanRepeat(currentRow))
        return;
    const TCell cell = PressedCell();
    DrawPeg(cell.Col, cell.Row, Cell(cell.Col, cell.Row - 1));
}

void TLeftGrid::Clear(int currentRow)
{
    if (IsOnCurrentRow(FMouseX, FMouseY, currentRow))
        ClearAt(FMouseX, FMouseY);
}

void TLeftGrid::ClearRow(int currentRow)
{
    if (!IsOnCurrentRow(FMouseX, FMouseY, currentRow))
        return;
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        DrawEmpty(col, currentRow);
}

void TLeftGrid::Select(int col, int row)
{
    const TCell before = FSelection;
    FSelection = {col, row};
    if (FSelectionShown && before != FSelection) {
        FSurface.InvalidateCell(before.Col, before.Row);
        FSurface.InvalidateCell(col, row);
    }
}

void TLeftGrid::SetSelectionShown(bool shown)
{
    if (shown == FSelectionShown)
        return;
    FSelectionShown = shown;
    FSurface.InvalidateCell(FSelection.Col, FSelection.Row);
}

void TLeftGrid::SetSymbolsShown(bool shown)
{
    if (shown == FSymbolsShown)
        return;
    FSymbolsShown = shown;
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        for (int row = 0; row < FSize.BoardRows(); ++row)
            FSurface.InvalidateCell(col, row);
}

bool TLeftGrid::CanRepeat(int currentRow) const
{
    return currentRow != 0 && IsOnCurrentRow(FMouseX, FMouseY, currentRow);
}

bool TLeftGrid::CanClear(int currentRow) const
{
    return !IsEmptyAt(FMouseX, FMouseY) && IsOnCurrentRow(FMouseX, FMouseY, currentRow);
}

bool TLeftGrid::CanClearRow(int currentRow) const
{
    return !IsRowEmpty(currentRow) && IsOnCurrentRow(FMouseX, FMouseY, currentRow);
}

}  // namespace peglore
