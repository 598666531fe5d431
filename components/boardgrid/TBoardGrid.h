#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

namespace peglore {

class IGridReading;

// A grid whose cells the program paints itself: columns and rows of a
// default size, separated by 1-pixel grid lines, inside a 2-pixel sunken
// border. No scroll bars, no selection, no focus frame.
//
// columns are shown as far as the width reaches; a column that would
// begin at the border (the board keeps one there as a spare) is not.
class TBoardGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int BorderWidth = 2;
    static constexpr int LineWidth = 1;

    // Paints one cell; the painter is clipped to the cell's rectangle.
    using TDrawCell = std::function<void(QPainter& painter, int col, int row, const QRect& rect)>;

    explicit TBoardGrid(QWidget* parent = nullptr);

    void SetColCount(int count);
    void SetRowCount(int count);
    void SetFixedCols(int count);
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);
    int ColCount() const { return FColCount; }
    int RowCount() const { return FRowCount; }
    int FixedCols() const { return FFixedCols; }
    int DefaultColWidth() const { return FColWidth; }
    int DefaultRowHeight() const { return FRowHeight; }

    // The colour of the cells' background and of the area beyond them.
    void SetCellColor(const QColor& color);
    QColor CellColor() const { return FCellColor; }
    void SetLineColor(const QColor& color);
    QColor LineColor() const { return FLineColor; }

    void SetDrawCell(TDrawCell drawCell) { FDrawCell = std::move(drawCell); }

    // The rectangle of a cell in client pixels.
    QRect CellRect(int col, int row) const;
    // The cell under a client point; (-1, -1) over no cell (the border,
    // a grid line, or beyond the last row or column).
    QPoint CellAt(const QPoint& pos) const;
    // Repaints one cell soon; a screen reader hears what it now reads.
    void InvalidateCell(int col, int row);

    // What the cells say to a screen reader (see TBoardGridAccessible);
    // none makes the board a picture. Not owned.
    void SetReading(const IGridReading* reading) { FReading = reading; }
    const IGridReading* Reading() const { return FReading; }
    // The reading may have changed without a cell being repainted (a row
    // was checked with no key peg to draw): soon, a screen reader is told
    // of every cell that reads differently and of the moved focus.
    void ReadingChanged();

    // The size that shows exactly columns x rows cells: the border on both
    // sides and one line after every cell.
    static QSize SizeFor(int columns, int rows, int colWidth, int rowHeight);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int VisibleCols() const;
    void AnnounceReading();
    struct TTold {
        QStringList Texts;
        int Columns = 0;
        int Selected = -1;
        int Focused = -1;
    };
    TTold Told() const;

    int FColCount = 5;
    int FRowCount = 5;
    int FFixedCols = 5;
    int FColWidth = 64;
    int FRowHeight = 24;
    QColor FCellColor = Qt::white;
    QColor FLineColor = Qt::black;
    TDrawCell FDrawCell;
    const IGridReading* FReading = nullptr;
    // What a screen reader was last told: every cell's text, the selected
    // and the focused cell (-1 for none).
    TTold FTold;
    bool FAnnouncePending = false;
};

}  // namespace peglore
