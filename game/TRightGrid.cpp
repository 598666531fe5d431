#include "game/TRightGrid.h"

namespace peglore {

TRightGrid::TRightGrid(const TBoardSize& Size, IBoardSurface& Surface)
    : FSize(Size), FSurface(Surface)
{
    for (auto& column : FCells)
        column.fill(EmptyKeyHole);
}

bool TRightGrid::InStore(int Col, int Row)
{
    return Col >= 0 && Col < MaxStoreCells && Row >= 0 && Row < MaxStoreCells;
}

void TRightGrid::DrawPeg(int Col, int Row, TColor Color)
{
    if (!InStore(Col, Row))
        return;
    FCells[Col][Row] = Color;
    FSurface.InvalidateCell(Col, Row);
}

void TRightGrid::DrawEmpty(int Col, int Row)
{
    DrawPeg(Col, Row, EmptyKeyHole);
}

void TRightGrid::ClearAll()
{
    for (int col = 0; col < FSize.BoardColumns(); ++col)
        for (int row = 0; row < FSize.BoardRows(); ++row)
            DrawEmpty(col, row);
}

TColor TRightGrid::Cell(int Col, int Row) const
{
    return InStore(Col, Row) ? FCells[Col][Row] : EmptyKeyHole;
}

void TRightGrid::DrawCell(int Col, int Row, ICanvas& Canvas) const
{
    if (!InStore(Col, Row))
        return;
    const TRect r = FSurface.CellRect(Col, Row);
    Canvas.SetCopyMode();
    Canvas.SetPenWidth(1);
    const TColor stored = FCells[Col][Row];
    if (stored == EmptyKeyHole) {
        Canvas.SetBrushColor(EmptyKeyHole);
        Canvas.SetPenColor(EmptyKeyHole);
        Canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
    } else {
        // The teal background stays around the key peg; the cell was
        // erased when the peg's row was cleared.
        Canvas.SetBrushColor(stored);
        Canvas.SetPenColor(OutlineColor);
        Canvas.Ellipse(r.Left + PegInset, r.Top + PegInset, r.Right - PegInset, r.Bottom - PegInset);
    }
}

}  // namespace peglore
