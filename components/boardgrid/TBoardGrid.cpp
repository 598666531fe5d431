#include "components/boardgrid/TBoardGrid.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace peglore {

TBoardGrid::TBoardGrid(QWidget* Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TBoardGrid::SetColCount(int Count)
{
    FColCount = std::max(0, Count);
    update();
}

void TBoardGrid::SetRowCount(int Count)
{
    FRowCount = std::max(0, Count);
    update();
}

void TBoardGrid::SetFixedCols(int Count)
{
    FFixedCols = std::max(0, Count);
    update();
}

void TBoardGrid::SetDefaultColWidth(int Width)
{
    FColWidth = std::max(1, Width);
    update();
}

void TBoardGrid::SetDefaultRowHeight(int Height)
{
    FRowHeight = std::max(1, Height);
    update();
}

void TBoardGrid::SetCellColor(const QColor& Color)
{
    FCellColor = Color;
    update();
}

void TBoardGrid::SetLineColor(const QColor& Color)
{
    FLineColor = Color;
    update();
}

int TBoardGrid::VisibleCols() const
{
    // The columns that begin inside the border; a spare column placed
    // just beyond the width is never drawn.
    const int pitch = FColWidth + LineWidth;
    const int inside = width() - 2 * BorderWidth;
    const int starting = inside <= 0 ? 0 : (inside + pitch - 1) / pitch;
    return std::min(FColCount, starting);
}

QSize TBoardGrid::SizeFor(int Columns, int Rows, int ColWidth, int RowHeight)
{
    return {(ColWidth + LineWidth) * Columns + 2 * BorderWidth, (RowHeight + LineWidth) * Rows + 2 * BorderWidth};
}

QRect TBoardGrid::CellRect(int Col, int Row) const
{
    return {BorderWidth + Col * (FColWidth + LineWidth), BorderWidth + Row * (FRowHeight + LineWidth), FColWidth,
            FRowHeight};
}

QPoint TBoardGrid::CellAt(const QPoint& Pos) const
{
    const int x = Pos.x() - BorderWidth;
    const int y = Pos.y() - BorderWidth;
    if (x < 0 || y < 0)
        return {-1, -1};
    const int col = x / (FColWidth + LineWidth);
    const int row = y / (FRowHeight + LineWidth);
    if (x % (FColWidth + LineWidth) >= FColWidth || y % (FRowHeight + LineWidth) >= FRowHeight)
        return {-1, -1};
    if (col >= VisibleCols() || row >= FRowCount)
        return {-1, -1};
    const QRect cell = CellRect(col, row);
    // Cells cut off by the border are not under the pointer.
    if (cell.right() > width() - 1 - BorderWidth || cell.bottom() > height() - 1 - BorderWidth)
        return {-1, -1};
    return {col, row};
}

void TBoardGrid::InvalidateCell(int Col, int Row)
{
    update(CellRect(Col, Row));
}

void TBoardGrid::paintEvent(QPaintEvent* Event)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    painter.setClipRect(inner);
    painter.fillRect(Event->rect() & inner, FCellColor);

    const int cols = VisibleCols();
    const int pitchX = FColWidth + LineWidth;
    const int pitchY = FRowHeight + LineWidth;
    // The line after each cell, right and below.
    painter.setPen(Qt::NoPen);
    for (int col = 0; col < cols; ++col)
        painter.fillRect(QRect(BorderWidth + col * pitchX + FColWidth, BorderWidth, LineWidth, pitchY * FRowCount),
                         FLineColor);
    for (int row = 0; row < FRowCount; ++row)
        painter.fillRect(QRect(BorderWidth, BorderWidth + row * pitchY + FRowHeight, pitchX * cols, LineWidth),
                         FLineColor);

    if (FDrawCell) {
        for (int col = 0; col < cols; ++col) {
            for (int row = 0; row < FRowCount; ++row) {
                const QRect cell = CellRect(col, row);
                if (!Event->rect().intersects(cell))
                    continue;
                painter.save();
                painter.setClipRect(cell & inner);
                FDrawCell(painter, col, row, cell);
                painter.restore();
            }
        }
    }

    // The sunken border: dark above and left, light below and right.
    painter.setClipping(false);
    const int w = width(), h = height();
    const auto hline = [&](int x1, int x2, int y, QColor c) { painter.fillRect(QRect(x1, y, x2 - x1 + 1, 1), c); };
    const auto vline = [&](int x, int y1, int y2, QColor c) { painter.fillRect(QRect(x, y1, 1, y2 - y1 + 1), c); };
    const QColor shadow(0x80, 0x80, 0x80), darkShadow(0x40, 0x40, 0x40), light(0xC0, 0xC0, 0xC0), highlight(Qt::white);
    hline(0, w - 1, 0, shadow);
    vline(0, 0, h - 1, shadow);
    hline(0, w - 1, h - 1, highlight);
    vline(w - 1, 0, h - 1, highlight);
    hline(1, w - 2, 1, darkShadow);
    vline(1, 1, h - 2, darkShadow);
    hline(1, w - 2, h - 2, light);
    vline(w - 2, 1, h - 2, light);
}

}  // namespace peglore
