#pragma once

#include <QWidget>

#include <functional>

namespace peglore {

// A grid whose cells the program paints itself: columns and rows of a
// default size, separated by 1-pixel grid lines, inside a 2-pixel sunken
// border. No scroll bars, no selection, no focus frame.
//
// Columns are shown as far as the width reaches; a column that would
// begin at the border (the board keeps one there as a spare) is not.
class TBoardGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;
    static constexpr int LineWidth = 1;

    // Paints one cell; the painter is clipped to the cell's rectangle.
    using TDrawCell = std::function<void(QPainter& Painter, int Col, int Row, const QRect& Rect)>;

    explicit TBoardGrid(QWidget* Parent = nullptr);

    void SetColCount(int Count);
    void SetRowCount(int Count);
    void SetFixedCols(int Count);
    void SetDefaultColWidth(int Width);
    void SetDefaultRowHeight(int Height);
    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }
    int FixedCols() const { return FFixedCols; }
    int DefaultColWidth() const { return FColWidth; }
    int DefaultRowHeight() const { return FRowHeight; }

    // The colour of the cells' background and of the area beyond them.
    void SetCellColor(const QColor& Color);
    QColor CellColor() const { return FCellColor; }
    void SetLineColor(const QColor& Color);
    QColor LineColor() const { return FLineColor; }

    void SetDrawCell(TDrawCell DrawCell) { FDrawCell = std::move(DrawCell); }

    // The rectangle of a cell in client pixels.
    QRect CellRect(int Col, int Row) const;
    // The cell under a client point; (-1, -1) over no cell (the border,
    // a grid line, or beyond the last row or column).
    QPoint CellAt(const QPoint& Pos) const;
    // Repaints one cell soon.
    void InvalidateCell(int Col, int Row);

    // The size that shows exactly Columns x Rows cells: the border on both
    // sides and one line after every cell.
    static QSize SizeFor(int Columns, int Rows, int ColWidth, int RowHeight);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    int VisibleCols() const;

    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 5;
    int FColWidth = 64;
    int FRowHeight = 24;
    QColor FCellColor = Qt::white;
    QColor FLineColor = Qt::black;
    TDrawCell FDrawCell;
};

}  // namespace peglore
