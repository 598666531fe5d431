// Keyboard play in the game core: the selected hole of the current row,
// placing and clearing there, and the rules a drop follows.

#include <QtTest>

#include "GameFakes.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
constexpr TColor Red = PegColors[0], Green = PegColors[1], Blue = PegColors[4];

// Runs a line of keyboard moves on the current row: r, g and b place a
// colour; <, >, home and end select; bs and del clear.
void Play(TGameRig& rig, const QString& moves, bool autoCheck = false)
{
    TLogic& logic = rig.Logic;
    for (const QString& m : moves.split(' ', Qt::SkipEmptyParts)) {
        if (m == "r" || m == "g" || m == "b")
            logic.PlaceInSelectedHole(m == "r" ? Red : m == "g" ? Green : Blue, autoCheck);
        else if (m == "<")
            logic.SelectHole(logic.SelectedHole() - 1);
        else if (m == ">")
            logic.SelectHole(logic.SelectedHole() + 1);
        else if (m == "home")
            logic.SelectHole(0);
        else if (m == "end")
            logic.SelectHole(logic.BoardColumns() - 1);
        else if (m == "bs")
            logic.ClearBeforeSelectedHole();
        else if (m == "del")
            logic.ClearSelectedHole();
        else
            QFAIL(qPrintable("unknown move " + m));
    }
}

// The current row as letters, '.' for an empty hole.
QString Row(const TGameRig& rig, int row)
{
    QString text;
    for (int col = 0; col < rig.Logic.BoardColumns(); ++col) {
        const TColor c = rig.LeftGrid.Cell(col, row);
        text += c == Red ? 'r' : c == Green ? 'g' : c == Blue ? 'b' : c == EmptyHole ? '.' : '?';
    }
    return text;
}
}  // namespace

class TestKeyboardPlay : public QObject {
    Q_OBJECT
private slots:
    void movesOnTheRow_data();
    void movesOnTheRow();
    void everyNewRowSelectsItsFirstHole();
    void fullRowIsCheckedAsAfterADrop_data();
    void fullRowIsCheckedAsAfterADrop();
    void winStartsAFreshGameAtTheFirstHole();
    void markIsRepaintedOnlyOnceShown();
};

void TestKeyboardPlay::movesOnTheRow_data()
{
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("selected");
    QTest::newRow("typing fills from the left") << "r g b"
                                                << "rgb.." << 3;
    QTest::newRow("after the last hole the first empty one") << "end r"
                                                             << "....r" << 0;
    QTest::newRow("filled holes are skipped") << "r g home b"
                                              << "bg..." << 2;
    QTest::newRow("a full row keeps the hole just filled") << "r r r r r"
                                                           << "rrrrr" << 4;
    QTest::newRow("a peg replaces a peg") << "r home g"
                                          << "g...." << 1;
    QTest::newRow("backspace clears before and selects it") << "r g b bs"
                                                            << "rg..." << 2;
    QTest::newRow("backspace twice") << "r g b bs bs"
                                     << "r...." << 1;
    QTest::newRow("backspace on the first hole does nothing") << "r home bs"
                                                              << "r...." << 0;
    QTest::newRow("delete clears the selected hole and keeps it") << "r g < del"
                                                                  << "r...." << 1;
    QTest::newRow("left stops at the first hole") << "< < <"
                                                  << "....." << 0;
    QTest::newRow("right stops at the last hole") << "end > >"
                                                  << "....." << 4;
    QTest::newRow("right, then placing") << "> > b"
                                         << "..b.." << 3;
}

void TestKeyboardPlay::movesOnTheRow()
{
    QFETCH(QString, moves);
    QFETCH(QString, row);
    QFETCH(int, selected);
    TGameRig rig(Intermediate);
    Play(rig, moves);
    QCOMPARE(Row(rig, 0), row);
    QCOMPARE(rig.Logic.SelectedHole(), selected);
    QCOMPARE(rig.LeftGrid.Selection(), (TCell{selected, 0}));
    QCOMPARE(rig.Logic.CurrentRow(), 0);  // a full row waits for its check
}

void TestKeyboardPlay::everyNewRowSelectsItsFirstHole()
{
    TGameRig rig(Beginner, 5);
    const TColor losing = rig.ColorNotInSecret();
    for (int col = 0; col < 3; ++col)
        rig.Logic.PlaceInSelectedHole(losing, false);
    rig.Logic.CheckCurrentRow();
    QCOMPARE(rig.Logic.CurrentRow(), 1);
    QCOMPARE(rig.LeftGrid.Selection(), (TCell{0, 1}));
    Play(rig, "r end bs bs");
    // Only the current row takes pegs; the checked row keeps its own.
    QCOMPARE(Row(rig, 1), QString("..."));
    QCOMPARE(rig.Logic.SelectedHole(), 0);
    for (int col = 0; col < 3; ++col)
        QCOMPARE(rig.LeftGrid.Cell(col, 0), losing);
}

void TestKeyboardPlay::fullRowIsCheckedAsAfterADrop_data()
{
    QTest::addColumn<bool>("autoCheck");
    QTest::newRow("automatic checking on") << true;
    QTest::newRow("automatic checking off") << false;
}

void TestKeyboardPlay::fullRowIsCheckedAsAfterADrop()
{
    QFETCH(bool, autoCheck);
    TGameRig rig(Beginner, 9);
    const TColor losing = rig.ColorNotInSecret();
    rig.Logic.PlaceInSelectedHole(losing, autoCheck);
    rig.Logic.PlaceInSelectedHole(losing, autoCheck);
    QCOMPARE(rig.Logic.CurrentRow(), 0);
    QVERIFY(rig.Log.isEmpty());
    rig.Logic.PlaceInSelectedHole(losing, autoCheck);
    QCOMPARE(rig.Logic.CurrentRow(), autoCheck ? 1 : 0);
    QCOMPARE(rig.Window.RowText, QString(autoCheck ? "Row: 2" : "Row: 1"));
    // The check moved the selection to the new row's first hole.
    QCOMPARE(rig.LeftGrid.Selection(), (TCell{autoCheck ? 0 : 2, autoCheck ? 1 : 0}));
}

void TestKeyboardPlay::winStartsAFreshGameAtTheFirstHole()
{
    TGameRig rig(Beginner, 11);
    const auto secret = rig.Secret();
    // The secret typed out of order: last hole first.
    rig.Logic.SelectHole(2);
    rig.Logic.PlaceInSelectedHole(secret[2], true);
    QCOMPARE(rig.Logic.SelectedHole(), 0);
    rig.Logic.PlaceInSelectedHole(secret[0], true);
    rig.Log.clear();
    rig.Logic.PlaceInSelectedHole(secret[1], true);
    QCOMPARE(rig.Log.first(), QString("box won 0/1/0/-1"));
    QCOMPARE(rig.Stats.GamesWon(), 1);
    QVERIFY(rig.Logic.IsBoardEmpty());
    QCOMPARE(rig.LeftGrid.Selection(), (TCell{0, 0}));
}

void TestKeyboardPlay::markIsRepaintedOnlyOnceShown()
{
    TGameRig rig(Beginner);
    rig.LeftSurface.Invalidated.clear();
    rig.Logic.SelectHole(2);
    // A board played with the mouse repaints just what it did before.
    QVERIFY(rig.LeftSurface.Invalidated.isEmpty());
    rig.LeftGrid.SetSelectionShown(true);
    QCOMPARE(rig.LeftSurface.Invalidated, QStringList{"2,0"});
    rig.LeftSurface.Invalidated.clear();
    rig.Logic.SelectHole(1);
    QCOMPARE(rig.LeftSurface.Invalidated, (QStringList{"2,0", "1,0"}));
}

QTEST_GUILESS_MAIN(TestKeyboardPlay)
#include "TestKeyboardPlay.moc"
