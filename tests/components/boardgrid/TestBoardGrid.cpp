#include <QImage>
#include <QPainter>
#include <QtTest>

#include "components/boardgrid/TBoardGrid.h"

using namespace peglore;

namespace {
const QColor Navy(0, 0, 0x80);

QImage Render(TBoardGrid& grid)
{
    QImage image(grid.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    grid.render(&image);
    return image;
}

// A guess-board-like grid: columns shown, one spare column beyond.
void SetUpBoard(TBoardGrid& grid, int columns, int rows, int colWidth, int rowHeight)
{
    grid.SetDefaultColWidth(colWidth);
    grid.SetDefaultRowHeight(rowHeight);
    grid.SetColCount(columns + 1);
    grid.SetFixedCols(columns);
    grid.SetRowCount(rows);
    grid.resize(TBoardGrid::SizeFor(columns, rows, colWidth, rowHeight));
}
}  // namespace

class TestBoardGrid : public QObject {
    Q_OBJECT
private slots:
    void sizeFor_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("colWidth");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<QSize>("size");
        QTest::newRow("guess board 3 x 10") << 3 << 10 << 30 << 25 << QSize(97, 264);
        QTest::newRow("score board 3 x 10") << 3 << 10 << 21 << 25 << QSize(70, 264);
        QTest::newRow("guess board 10 x 15") << 10 << 15 << 30 << 25 << QSize(314, 394);
        QTest::newRow("preview 5 x 10") << 5 << 10 << 8 << 8 << QSize(49, 94);
        QTest::newRow("preview 1 x 1") << 1 << 1 << 8 << 8 << QSize(13, 13);
        QTest::newRow("preview 10 x 15") << 10 << 15 << 8 << 8 << QSize(94, 139);
    }
    void sizeFor()
    {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, colWidth);
        QFETCH(int, rowHeight);
        QFETCH(QSize, size);
        QCOMPARE(TBoardGrid::SizeFor(columns, rows, colWidth, rowHeight), size);
    }

    void cellAt_data()
    {
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<QPoint>("cell");
        // 3 x 2 board of 30 x 25 cells: cells at 2 + 31c, 2 + 26r.
        QTest::newRow("first cell, top-left pixel") << QPoint(2, 2) << QPoint(0, 0);
        QTest::newRow("first cell, bottom-right pixel") << QPoint(31, 26) << QPoint(0, 0);
        QTest::newRow("line right of the first cell") << QPoint(32, 10) << QPoint(-1, -1);
        QTest::newRow("line below the first row") << QPoint(10, 27) << QPoint(-1, -1);
        QTest::newRow("second column") << QPoint(33, 10) << QPoint(1, 0);
        QTest::newRow("last cell") << QPoint(64 + 29, 28 + 24) << QPoint(2, 1);
        QTest::newRow("border") << QPoint(1, 10) << QPoint(-1, -1);
        QTest::newRow("outside left") << QPoint(-5, 10) << QPoint(-1, -1);
        QTest::newRow("the spare column's place") << QPoint(96, 10) << QPoint(-1, -1);
        QTest::newRow("below the last row") << QPoint(10, 200) << QPoint(-1, -1);
    }
    void cellAt()
    {
        QFETCH(QPoint, pos);
        QFETCH(QPoint, cell);
        TBoardGrid grid;
        SetUpBoard(grid, 3, 2, 30, 25);
        QCOMPARE(grid.CellAt(pos), cell);
        if (cell.x() >= 0)
            QVERIFY(grid.CellRect(cell.x(), cell.y()).contains(pos));
    }

    void paintsCellsLinesAndSunkenBorder()
    {
        TBoardGrid grid;
        SetUpBoard(grid, 3, 2, 30, 25);
        grid.SetCellColor(Qt::white);
        const QImage image = Render(grid);
        QCOMPARE(image.size(), QSize(97, 56));
        // Sunken border: grey and dark grey outside-in at the top and left,
        // white and light grey at the bottom and right.
        QCOMPARE(image.pixelColor(10, 0), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(10, 1), QColor(0x40, 0x40, 0x40));
        QCOMPARE(image.pixelColor(0, 10), QColor(0x80, 0x80, 0x80));
        QCOMPARE(image.pixelColor(96, 10), QColor(Qt::white));
        QCOMPARE(image.pixelColor(95, 10), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(image.pixelColor(10, 55), QColor(Qt::white));
        QCOMPARE(image.pixelColor(10, 54), QColor(0xC0, 0xC0, 0xC0));
        // Cells and the one-pixel lines after them.
        QCOMPARE(image.pixelColor(2, 2), QColor(Qt::white));
        QCOMPARE(image.pixelColor(31, 26), QColor(Qt::white));
        QCOMPARE(image.pixelColor(32, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(10, 27), QColor(Qt::black));
        QCOMPARE(image.pixelColor(94, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(10, 53), QColor(Qt::black));
    }

    void paintCallbackSeesEveryShownCellClipped()
    {
        TBoardGrid grid;
        SetUpBoard(grid, 3, 2, 30, 25);
        QList<QPoint> painted;
        grid.SetDrawCell([&](QPainter& painter, int col, int row, const QRect& rect) {
            painted << QPoint(col, row);
            // Fill more than the cell: the clip keeps the lines intact.
            painter.fillRect(rect.adjusted(-5, -5, 5, 5), Qt::red);
        });
        const QImage image = Render(grid);
        QCOMPARE(painted.size(), 6);  // never the spare column
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 2; ++r)
                QVERIFY(painted.contains(QPoint(c, r)));
        QCOMPARE(image.pixelColor(2 + 31 + 15, 2 + 26 + 12), QColor(Qt::red));
        QCOMPARE(image.pixelColor(32, 10), QColor(Qt::black));
    }

    void previewShowsEveryColumnUpToItsWidth_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("1 x 1") << 1 << 1;
        QTest::newRow("5 x 10") << 5 << 10;
        QTest::newRow("10 x 15") << 10 << 15;
    }
    void previewShowsEveryColumnUpToItsWidth()
    {
        // A preview: every column but the last fixed, all of them shown.
        QFETCH(int, columns);
        QFETCH(int, rows);
        TBoardGrid grid;
        grid.SetCellColor(Navy);
        grid.SetDefaultColWidth(8);
        grid.SetDefaultRowHeight(8);
        grid.SetColCount(columns);
        grid.SetFixedCols(columns - 1);
        grid.SetRowCount(rows);
        grid.resize(9 * columns + 4, 9 * rows + 4);
        const QImage image = Render(grid);
        for (int c = 0; c < columns; ++c) {
            const QRect cell = grid.CellRect(c, rows - 1);
            QCOMPARE(image.pixelColor(cell.center()), Navy);
            QCOMPARE(image.pixelColor(cell.right() + 1, cell.center().y()), QColor(Qt::black));
            QCOMPARE(grid.CellAt(cell.center()), QPoint(c, rows - 1));
        }
    }

    void invalidateCellRepaintsOnlyThatCell()
    {
        TBoardGrid grid;
        SetUpBoard(grid, 3, 2, 30, 25);
        QList<QPoint> painted;
        grid.SetDrawCell([&](QPainter&, int col, int row, const QRect&) { painted << QPoint(col, row); });
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QTRY_VERIFY(!painted.isEmpty());
        QCoreApplication::processEvents();
        painted.clear();
        grid.InvalidateCell(1, 1);
        QTRY_VERIFY(!painted.isEmpty());
        QCOMPARE(painted, QList<QPoint>{QPoint(1, 1)});
    }
};

QTEST_MAIN(TestBoardGrid)
#include "TestBoardGrid.moc"
