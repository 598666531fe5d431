#include "game/TRightGrid.h"

namespace peglore {

TRightGrid::TRightGrid(const TBoardSize& size, IBoardSurface& surface) : FSize(size), FSurface(surface)
{
    for (auto& column : FCells)
        column.fill(EmptyKeyHole);
}

bool TRightGrid::InStore(int col, int row)
{
    return col >= 0 && col < MaxStoreCells && row >= 0 && row < MaxStoreCells;
}

void TRightGrid::DrawPeg(int col, int row, TColor color)
{
    if (!InStore(col, row))
        return;
    FCells[col][row] = color;
    FSurface.InvalidateCell(col, row);
}

void TRightGrid::DrawEmpty(int col, int row)
{
    DrawPeg(col, row, EmptyKeyHole);
}

void TRightGrid::ClearAll()
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        for (int row = 0; row < FSize.BoardRows(); ++row)
            DrawEmpty(col, row);
}

TColor TRightGrid::Cell(int col, int row) const
{
    return InStore(col, row) ? FCells[col][row] : EmptyKeyHole;
}

void TRightGrid::DrawCell(int col, int row, ICanvas& canvas) const
{
    if (!InStore(col, row))
        return;
    const TRect r = FSurface.CellRect(col, row);
    canvas.SetCopyMode();
    canvas.SetPenWidth(1);
    const TColor stored = FCells[col][row];
    if (stored == EmptyKeyHole) {
        canvas.SetBrushColor(EmptyKeyHole);
        canvas.SetPenColor(EmptyKeyHole);
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    } else {
        // The teal background stays around the key peg; the cell was
        // erased when the peg's row was cleared.
        canvas.SetBrushColor(stored);
        canvas.SetPenColor(OutlineColor);
        canvas.Ellipse(r.Left + PegInset, r.Top + PegInset, r.Right - PegInset, r.Bottom - PegInset);
    }
}

}  // namespace peglore
