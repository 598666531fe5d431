#include "components/boardgrid/TBoardGrid.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "components/boardgrid/IGridReading.h"

namespace peglore {

TBoardGrid::TBoardGrid(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void TBoardGrid::SetColCount(int count)
{
    FColCount = std::max(0, count);
    update();
}

void TBoardGrid::SetRowCount(int count)
{
    FRowCount = std::max(0, count);
    update();
}

void TBoardGrid::SetFixedCols(int count)
{
    FFixedCols = std::max(0, count);
    update();
}

void TBoardGrid::SetDefaultColWidth(int width)
{
    FColWidth = std::max(1, width);
    update();
}

void TBoardGrid::SetDefaultRowHeight(int height)
{
    FRowHeight = std::max(1, height);
    update();
}

void TBoardGrid::SetCellColor(const QColor& color)
{
    FCellColor = color;
    update();
}

void TBoardGrid::SetLineColor(const QColor& color)
{
    FLineColor = color;
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

QSize TBoardGrid::SizeFor(int columns, int rows, int colWidth, int rowHeight)
{
    return {(colWidth + LineWidth) * columns + 2 * BorderWidth, (rowHeight + LineWidth) * rows + 2 * BorderWidth};
}

QRect TBoardGrid::CellRect(int col, int row) const
{
    return {BorderWidth + col * (FColWidth + LineWidth), BorderWidth + row * (FRowHeight + LineWidth), FColWidth,
            FRowHeight};
}

QPoint TBoardGrid::CellAt(const QPoint& pos) const
{
    const int x = pos.x() - BorderWidth;
    const int y = pos.y() - BorderWidth;
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

void TBoardGrid::InvalidateCell(int col, int row)
{
    update(CellRect(col, row));
    ReadingChanged();
}

void TBoardGrid::ReadingChanged()
{
    if (!FReading || FAnnouncePending)
        return;
    // Once for a burst of changes: a new game empties every cell at once.
    // Kept up to date with no screen reader too, so that one that comes
    // later is told the changes against what it can read.
    FAnnouncePending = true;
    QMetaObject::invokeMethod(this, &TBoardGrid::AnnounceReading, Qt::QueuedConnection);
}

TBoardGrid::TTold TBoardGrid::Told() const
{
    TTold told;
    if (!FReading)
        return told;
    told.Columns = std::max(0, FReading->ReadColumns());
    const int rows = std::max(0, FReading->ReadRows());
    told.Texts.reserve(told.Columns * rows);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < told.Columns; ++col)
            told.Texts << FReading->CellText(col, row);
    const int currentRow = FReading->CurrentRow();
    const int selectedColumn = FReading->SelectedColumn();
    if (currentRow >= 0 && currentRow < rows && selectedColumn >= 0 && selectedColumn < told.Columns)
        told.Selected = currentRow * told.Columns + selectedColumn;
    if (told.Selected >= 0 && FReading->SelectionFocused())
        told.Focused = told.Selected;
    return told;
}

void TBoardGrid::AnnounceReading()
{
    FAnnouncePending = false;
    const TTold now = Told();
    if (!QAccessible::isActive()) {
        FTold = now;
        return;
    }
    const auto send = [this](QAccessible::Event type, int child) {
        QAccessibleEvent event(this, type);
        event.setChild(child);
        QAccessible::updateAccessibility(&event);
    };
    if (now.Columns != FTold.Columns || now.Texts.size() != FTold.Texts.size()) {
        // Other cells altogether: the board took another size.
        QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
        QAccessible::updateAccessibility(&reset);
    } else {
        for (int i = 0; i < now.Texts.size(); ++i)
            if (now.Texts[i] != FTold.Texts[i])
                send(QAccessible::NameChanged, i);
        if (now.Selected != FTold.Selected && FTold.Selected >= 0)
            send(QAccessible::SelectionRemove, FTold.Selected);
    }
    if (now.Selected != FTold.Selected && now.Selected >= 0)
        send(QAccessible::SelectionAdd, now.Selected);
    // The focus follows the selected hole in keyboard play; it is told
    // last, so the reader has heard the peg just placed before it moves on.
    if (now.Focused >= 0 && now.Focused != FTold.Focused)
        send(QAccessible::Focus, now.Focused);
    FTold = now;
}

void TBoardGrid::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(BorderWidth, BorderWidth, -BorderWidth, -BorderWidth);
    painter.setClipRect(inner);
    painter.fillRect(event->rect() & inner, FCellColor);

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
                if (!event->rect().intersects(cell))
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
