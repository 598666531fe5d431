// The two boards: what they store, what they draw, and the popup's
// editing commands on the guess board.

#include <QtTest>

#include "GameFakes.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
constexpr TColor Red = PegColors[0], Green = PegColors[1], Blue = PegColors[4], Lime = PegColors[7];
}

class TestBoards : public QObject {
    Q_OBJECT
private slots:
    void guessPegDrawing();
    void emptyHoleDrawing();
    void focusMarkDrawing();
    void symbolDrawing_data();
    void symbolDrawing();
    void keyPegDrawing_data();
    void keyPegDrawing();
    void emptyKeyHoleDrawing();
    void repaintKeepsStore();
    void clearAllColumnByColumn();
    void dropReplacesPeg();
    void dropOutsideBoardChangesNothing();
    void isRowEmptyWithLastColumn();
    void popupEnabling_data();
    void popupEnabling();
    void repeatCopiesFromAbove();
    void clearAndClearRow();
    void clearOffCurrentRowDoesNothing();
};

void TestBoards::guessPegDrawing()
{
    TGameRig rig;
    rig.LeftGrid.DrawPeg(1, 2, Blue);
    QCOMPARE(rig.LeftGrid.Cell(1, 2), Blue);
    QCOMPARE(rig.LeftSurface.Invalidated.last(), QString("1,2"));
    TRecordingCanvas canvas;
    rig.LeftGrid.DrawCell(1, 2, canvas);
    const TRect r = rig.LeftSurface.CellRect(1, 2);
    QCOMPARE(r.Right - r.Left, 30);
    QCOMPARE(r.Bottom - r.Top, 25);
    QVERIFY(canvas.Calls.contains("copy"));
    QVERIFY(canvas.Calls.contains("penwidth 1"));
    QVERIFY(canvas.Calls.contains("brush " + Hex(Blue)));
    QVERIFY(canvas.Calls.contains("pen 000000"));
    // A 24 x 19 block, inset 3 pixels on every side.
    QCOMPARE(canvas.Calls.last(),
             QStringLiteral("rect %1 %2 %3 %4").arg(r.Left + 3).arg(r.Top + 3).arg(r.Left + 27).arg(r.Top + 22));
    QCOMPARE(canvas.Calls.filter("ellipse").size(), 0);
}

void TestBoards::emptyHoleDrawing()
{
    TGameRig rig;
    rig.LeftGrid.DrawPeg(0, 0, Red);
    rig.LeftGrid.DrawEmpty(0, 0);
    QVERIFY(rig.LeftGrid.IsEmpty(0, 0));
    TRecordingCanvas canvas;
    rig.LeftGrid.DrawCell(0, 0, canvas);
    const TRect r = rig.LeftSurface.CellRect(0, 0);
    QVERIFY(canvas.Calls.contains("brush ffffff"));
    QVERIFY(canvas.Calls.contains("pen ffffff"));
    QCOMPARE(canvas.Calls.last(), QStringLiteral("rect %1 %2 %3 %4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom));
}

void TestBoards::focusMarkDrawing()
{
    TGameRig rig;
    rig.LeftGrid.DrawPeg(1, 0, Blue);
    rig.Logic.SelectHole(1);
    TRecordingCanvas hidden;
    rig.LeftGrid.DrawCell(1, 0, hidden);
    QCOMPARE(hidden.Calls.filter("800000").size(), 0);

    rig.LeftGrid.SetSelectionShown(true);
    TRecordingCanvas shown;
    rig.LeftGrid.DrawCell(1, 0, shown);
    const TRect r = rig.LeftSurface.CellRect(1, 0);
    // The peg as before, then a 2-pixel frame at the cell's edges, inside
    // the 3-pixel margin that the peg leaves.
    QCOMPARE(shown.Calls.mid(0, hidden.Calls.size()), hidden.Calls);
    QCOMPARE(shown.Calls.mid(hidden.Calls.size()),
             (QStringList{"brush 800000", "pen 800000",
                          QStringLiteral("rect %1 %2 %3 %4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Top + 2),
                          QStringLiteral("rect %1 %2 %3 %4").arg(r.Left).arg(r.Bottom - 2).arg(r.Right).arg(r.Bottom),
                          QStringLiteral("rect %1 %2 %3 %4").arg(r.Left).arg(r.Top).arg(r.Left + 2).arg(r.Bottom),
                          QStringLiteral("rect %1 %2 %3 %4").arg(r.Right - 2).arg(r.Top).arg(r.Right).arg(r.Bottom)}));
    // Only on the selected hole.
    TRecordingCanvas other;
    rig.LeftGrid.DrawCell(0, 0, other);
    QCOMPARE(other.Calls.filter("800000").size(), 0);
}

void TestBoards::symbolDrawing_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("ink");
    const char* const inks[] = {"000000", "ffffff", "ffffff", "000000", "ffffff", "000000", "000000", "000000"};
    for (std::size_t i = 0; i < PegColors.size(); ++i)
        QTest::newRow(qPrintable(Hex(PegColors[i]))) << uint(PegColors[i]) << QString(inks[i]);
}

void TestBoards::symbolDrawing()
{
    QFETCH(uint, colour);
    QFETCH(QString, ink);
    TGameRig rig;
    rig.LeftGrid.DrawPeg(2, 1, colour);
    TRecordingCanvas plain;
    rig.LeftGrid.DrawCell(2, 1, plain);
    rig.LeftGrid.SetSymbolsShown(true);
    TRecordingCanvas withSymbol;
    rig.LeftGrid.DrawCell(2, 1, withSymbol);
    // The peg unchanged, then its symbol over it in the ink of more contrast.
    QCOMPARE(withSymbol.Calls.mid(0, plain.Calls.size()), plain.Calls);
    const QStringList added = withSymbol.Calls.mid(plain.Calls.size());
    QCOMPARE(added.size(), 2);
    QCOMPARE(added[0], "brush " + ink);
    QVERIFY(added[1].startsWith("polygon "));
    // Every corner inside the peg's 24 x 19 block, the symbol 10 to 12
    // pixels wide.
    const TRect r = rig.LeftSurface.CellRect(2, 1);
    int minX = 1000, maxX = -1;
    for (const QString& corner : added[1].mid(8).split(' ')) {
        const int x = corner.section(',', 0, 0).toInt(), y = corner.section(',', 1, 1).toInt();
        QVERIFY2(x >= r.Left + 3 && x <= r.Right - 3 && y >= r.Top + 3 && y <= r.Bottom - 3, qPrintable(corner));
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
    }
    QVERIFY2(maxX - minX >= 10 && maxX - minX <= 12, qPrintable(QString::number(maxX - minX)));
    // An empty hole has no symbol.
    rig.LeftGrid.DrawEmpty(2, 1);
    TRecordingCanvas empty;
    rig.LeftGrid.DrawCell(2, 1, empty);
    QCOMPARE(empty.Calls.filter("polygon").size(), 0);
}

void TestBoards::keyPegDrawing_data()
{
    QTest::addColumn<uint>("colour");
    QTest::newRow("black") << uint(BlackKeyPeg);
    // White is the guess board's empty value, but a key peg here.
    QTest::newRow("white") << uint(WhiteKeyPeg);
}

void TestBoards::keyPegDrawing()
{
    QFETCH(uint, colour);
    TGameRig rig;
    rig.RightGrid.DrawPeg(2, 4, colour);
    QCOMPARE(rig.RightGrid.Cell(2, 4), TColor(colour));
    TRecordingCanvas canvas;
    rig.RightGrid.DrawCell(2, 4, canvas);
    const TRect r = rig.RightSurface.CellRect(2, 4);
    QCOMPARE(r.Right - r.Left, 21);
    QVERIFY(canvas.Calls.contains("brush " + Hex(colour)));
    QVERIFY(canvas.Calls.contains("pen 000000"));
    QVERIFY(canvas.Calls.contains("copy"));
    // A 15 x 19 ellipse.
    QCOMPARE(canvas.Calls.last(),
             QStringLiteral("ellipse %1 %2 %3 %4").arg(r.Left + 3).arg(r.Top + 3).arg(r.Left + 18).arg(r.Top + 22));
}

void TestBoards::emptyKeyHoleDrawing()
{
    TGameRig rig;
    TRecordingCanvas canvas;
    rig.RightGrid.DrawCell(0, 0, canvas);
    const TRect r = rig.RightSurface.CellRect(0, 0);
    QCOMPARE(canvas.Calls,
             (QStringList{"copy", "penwidth 1", "brush 808000", "pen 808000",
                          QStringLiteral("rect %1 %2 %3 %4").arg(r.Left).arg(r.Top).arg(r.Right).arg(r.Bottom)}));
}

void TestBoards::repaintKeepsStore()
{
    TGameRig rig;
    rig.LeftGrid.DrawPeg(2, 0, Lime);
    rig.RightGrid.DrawPeg(0, 0, WhiteKeyPeg);
    rig.LeftSurface.Invalidated.clear();
    TRecordingCanvas canvas;
    for (int col = 0; col < 3; ++col) {
        rig.LeftGrid.DrawCell(col, 0, canvas);
        rig.RightGrid.DrawCell(col, 0, canvas);
    }
    QCOMPARE(rig.LeftGrid.Cell(2, 0), Lime);
    QVERIFY(rig.LeftGrid.IsEmpty(0, 0));
    QCOMPARE(rig.RightGrid.Cell(0, 0), WhiteKeyPeg);
    QCOMPARE(rig.RightGrid.Cell(1, 0), EmptyKeyHole);
    // Painting asks for no further paint.
    QVERIFY(rig.LeftSurface.Invalidated.isEmpty());
}

void TestBoards::clearAllColumnByColumn()
{
    TGameRig rig;
    rig.Logic.SetBoardSize(2, 3);
    rig.LeftSurface.Invalidated.clear();
    rig.RightSurface.Invalidated.clear();
    rig.LeftGrid.ClearAll();
    rig.RightGrid.ClearAll();
    const QStringList order{"0,0", "0,1", "0,2", "1,0", "1,1", "1,2"};
    QCOMPARE(rig.LeftSurface.Invalidated, order);
    QCOMPARE(rig.RightSurface.Invalidated, order);
}

void TestBoards::dropReplacesPeg()
{
    TGameRig rig(Custom);
    rig.Drop(2, Red);
    rig.Drop(2, Green);
    QCOMPARE(rig.LeftGrid.Cell(2, 0), Green);
    rig.Drop(3, Green);
    QCOMPARE(rig.LeftGrid.Cell(3, 0), Green);
}

void TestBoards::dropOutsideBoardChangesNothing()
{
    TGameRig rig(Beginner);
    // On a grid line, on the border, and on the hidden column beyond the board.
    rig.Logic.DropPeg(2 + 30, rig.LeftSurface.Y(0), Red, true);
    rig.Logic.DropPeg(0, 0, Red, true);
    rig.Logic.DropPeg(rig.LeftSurface.X(3), rig.LeftSurface.Y(0), Red, true);
    QVERIFY(rig.Logic.IsBoardEmpty());
    QCOMPARE(rig.LeftGrid.Cell(3, 0), EmptyHole);
}

void TestBoards::isRowEmptyWithLastColumn()
{
    TGameRig rig(Expert);
    QVERIFY(rig.LeftGrid.IsRowEmpty(0));
    rig.Drop(7, Red);
    QVERIFY(!rig.LeftGrid.IsRowEmpty(0));
    QVERIFY(rig.LeftGrid.IsRowEmpty(1));
    QVERIFY(!rig.Logic.IsBoardEmpty());
}

void TestBoards::popupEnabling_data()
{
    QTest::addColumn<int>("currentRow");  // rows checked before the press
    QTest::addColumn<int>("pressRow");
    QTest::addColumn<bool>("pegUnderPress");
    QTest::addColumn<bool>("otherPegInRow");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("clearRow");
    QTest::newRow("earlier row") << 2 << 1 << true << true << false << false << false;
    QTest::newRow("row 0, empty row") << 0 << 0 << false << false << false << false << false;
    QTest::newRow("row 0, empty hole, peg beside") << 0 << 0 << false << true << false << false << true;
    QTest::newRow("row 0, on a peg") << 0 << 0 << true << false << false << true << true;
    QTest::newRow("row 2, empty row") << 2 << 2 << false << false << true << false << false;
    QTest::newRow("row 2, on a peg") << 2 << 2 << true << false << true << true << true;
    QTest::newRow("later row") << 1 << 3 << false << false << false << false << false;
}

void TestBoards::popupEnabling()
{
    QFETCH(int, currentRow);
    QFETCH(int, pressRow);
    QFETCH(bool, pegUnderPress);
    QFETCH(bool, otherPegInRow);
    QFETCH(bool, repeat);
    QFETCH(bool, clear);
    QFETCH(bool, clearRow);
    TGameRig rig(Beginner, 5);
    const auto losing = rig.Losing();
    for (int row = 0; row < currentRow; ++row) {
        rig.FillRow(losing);
        rig.Logic.CheckCurrentRow();
    }
    QCOMPARE(rig.Logic.CurrentRow(), currentRow);
    if (pressRow == currentRow) {
        if (pegUnderPress)
            rig.Drop(1, Red);
        if (otherPegInRow)
            rig.Drop(2, Red);
    }
    rig.LeftGrid.SetMousePos(rig.LeftSurface.X(1), rig.LeftSurface.Y(pressRow));
    QCOMPARE(rig.LeftGrid.CanRepeat(currentRow), repeat);
    QCOMPARE(rig.LeftGrid.CanClear(currentRow), clear);
    QCOMPARE(rig.LeftGrid.CanClearRow(currentRow), clearRow);
}

void TestBoards::repeatCopiesFromAbove()
{
    TGameRig rig(Custom, 3);
    const auto losing = rig.Losing();
    std::vector<TColor> rows[3];
    for (int row = 0; row < 3; ++row) {
        rows[row] = losing;
        rows[row][1] = PegColors[static_cast<std::size_t>(row)];
        rig.FillRow(rows[row]);
        rig.Logic.CheckCurrentRow();
    }
    QCOMPARE(rig.Logic.CurrentRow(), 3);
    rig.LeftGrid.SetMousePos(rig.LeftSurface.X(1), rig.LeftSurface.Y(3));
    rig.Logic.RepeatFromAbove(false);
    QCOMPARE(rig.LeftGrid.Cell(1, 3), rows[2][1]);
    // On another row it copies nothing.
    rig.LeftGrid.SetMousePos(rig.LeftSurface.X(0), rig.LeftSurface.Y(2));
    rig.Logic.RepeatFromAbove(false);
    QCOMPARE(rig.LeftGrid.Cell(0, 2), rows[2][0]);
    QVERIFY(rig.LeftGrid.IsEmpty(0, 3));
}

void TestBoards::clearAndClearRow()
{
    TGameRig rig(Expert, 4);
    const auto losing = rig.Losing();
    rig.FillRow(losing);
    rig.Logic.CheckCurrentRow();
    for (int col = 0; col < 8; ++col)
        rig.Drop(col, Blue);
    rig.LeftGrid.SetMousePos(rig.LeftSurface.X(3), rig.LeftSurface.Y(1));
    rig.LeftGrid.Clear(rig.Logic.CurrentRow());
    QVERIFY(rig.LeftGrid.IsEmpty(3, 1));
    QCOMPARE(rig.LeftGrid.Cell(4, 1), Blue);
    rig.LeftSurface.Invalidated.clear();
    rig.LeftGrid.ClearRow(rig.Logic.CurrentRow());
    QCOMPARE(rig.LeftSurface.Invalidated.size(), 8);
    QVERIFY(rig.LeftGrid.IsRowEmpty(1));
    for (int col = 0; col < 8; ++col)
        QCOMPARE(rig.LeftGrid.Cell(col, 0), losing[0]);
    // Neither clear triggers a check.
    QCOMPARE(rig.Logic.CurrentRow(), 1);
}

void TestBoards::clearOffCurrentRowDoesNothing()
{
    TGameRig rig(Beginner, 4);
    const auto losing = rig.Losing();
    rig.FillRow(losing);
    rig.Logic.CheckCurrentRow();
    rig.Drop(0, Red);
    rig.LeftGrid.SetMousePos(rig.LeftSurface.X(0), rig.LeftSurface.Y(0));
    rig.LeftGrid.Clear(rig.Logic.CurrentRow());
    rig.LeftGrid.ClearRow(rig.Logic.CurrentRow());
    QCOMPARE(rig.LeftGrid.Cell(0, 0), losing[0]);
    QCOMPARE(rig.LeftGrid.Cell(0, 1), Red);
}

QTEST_GUILESS_MAIN(TestBoards)
#include "TestBoards.moc"
