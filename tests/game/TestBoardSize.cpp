// Board sizes, the window geometry that follows from them, centring on the
// screen and the levels.

#include <QtTest>

#include "GameFakes.h"
#include "game/CenterOnScreen.h"

using namespace peglore;
using namespace peglore::testing;

class TestBoardSize : public QObject {
    Q_OBJECT
private slots:
    void resultingSizes_data();
    void resultingSizes();
    void gridProperties();
    void clampsToStores_data();
    void clampsToStores();
    void halfRoundedToEven_data();
    void halfRoundedToEven();
    void centresOnScreen();
    void levels_data();
    void levels();
    void levelOutOfRangeDoesNothing();
    void storedLevel_data();
    void storedLevel();
};

void TestBoardSize::resultingSizes_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("left");
    QTest::addColumn<int>("rightLeft");
    QTest::addColumn<QSize>("right");
    QTest::addColumn<QSize>("client");
    QTest::newRow("beginner 3x10") << 3 << 10 << QSize(97, 264) << 150 << QSize(70, 264) << QSize(288, 381);
    QTest::newRow("intermediate 5x9") << 5 << 9 << QSize(159, 238) << 212 << QSize(114, 238) << QSize(341, 355);
    QTest::newRow("expert 8x12") << 8 << 12 << QSize(252, 316) << 305 << QSize(180, 316) << QSize(500, 433);
    QTest::newRow("custom 4x10") << 4 << 10 << QSize(128, 264) << 181 << QSize(92, 264) << QSize(288, 381);
    QTest::newRow("custom 10x15") << 10 << 15 << QSize(314, 394) << 367 << QSize(224, 394) << QSize(606, 511);
    QTest::newRow("custom 1x1") << 1 << 1 << QSize(35, 30) << 88 << QSize(26, 30) << QSize(288, 147);
}

void TestBoardSize::resultingSizes()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSize, left);
    QFETCH(int, rightLeft);
    QFETCH(QSize, right);
    QFETCH(QSize, client);
    TGameRig rig;
    rig.Logic.SetBoardSize(columns, rows);
    QCOMPARE(QSize(rig.Window.Left.Width, rig.Window.Left.Height), left);
    QCOMPARE(rig.Window.Left.Left, 43);
    QCOMPARE(rig.Window.Left.Top, 83);
    QCOMPARE(rig.Window.Right.Left, rightLeft);
    QCOMPARE(rig.Window.Right.Top, 83);
    QCOMPARE(QSize(rig.Window.Right.Width, rig.Window.Right.Height), right);
    QCOMPARE(QSize(rig.Window.ClientWidth, rig.Window.ClientHeight), client);
    QCOMPARE(rig.Logic.BoardColumns(), columns);
    QCOMPARE(rig.Logic.BoardRows(), rows);
    QCOMPARE(int(rig.Logic.Secret().size()), columns);
}

void TestBoardSize::gridProperties()
{
    TGameRig rig;
    rig.Logic.SetBoardSize(5, 9);
    const TGridLayout expectedLeft{43, 83, 159, 238, 6, 5, 9, 30, 25};
    const TGridLayout expectedRight{212, 83, 114, 238, 6, 5, 9, 21, 25};
    QVERIFY(rig.Window.Left == expectedLeft);
    QVERIFY(rig.Window.Right == expectedRight);
    // A fresh game without a question: row 1, marker at the top, clock 0.
    QCOMPARE(rig.Log.mid(rig.Log.size() - 3), (QStringList{"marker 88", "status Row: 1", "clock reset"}));
    QVERIFY(!rig.Log.contains("ask new-game"));
}

void TestBoardSize::clampsToStores_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("boardColumns");
    QTest::addColumn<int>("boardRows");
    QTest::newRow("zero") << 0 << 0 << 1 << 1;
    QTest::newRow("negative") << -5 << -100 << 1 << 1;
    QTest::newRow("largest") << 50 << 51 << 50 << 51;
    QTest::newRow("too large") << 51 << 52 << 50 << 51;
    QTest::newRow("huge") << 2147483647 << 2147483647 << 50 << 51;
}

void TestBoardSize::clampsToStores()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, boardColumns);
    QFETCH(int, boardRows);
    TGameRig rig;
    rig.Levels.SetCustomColumns(columns);
    rig.Levels.SetCustomRows(rows);
    rig.Levels.SetLevel(Custom);
    QCOMPARE(rig.Logic.BoardColumns(), boardColumns);
    QCOMPARE(rig.Logic.BoardRows(), boardRows);
    QCOMPARE(rig.Window.Left.Width, 31 * boardColumns + 4);
    QCOMPARE(rig.Window.Left.Height, 26 * boardRows + 4);
    // The level keeps what it was given.
    QCOMPARE(rig.Levels.CustomColumns(), columns);
    QCOMPARE(rig.Levels.CustomRows(), rows);
    // The whole board in use plays: fill and check the last row.
    const auto losing = rig.Losing();
    for (int row = 0; row < boardRows; ++row) {
        rig.FillRow(losing);
        rig.Logic.CheckCurrentRow();
    }
    QCOMPARE(rig.Stats.GamesLost(), 1);
}

void TestBoardSize::halfRoundedToEven_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("half");
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("1 -> 0.5 -> 0") << 1 << 0;
    QTest::newRow("3 -> 1.5 -> 2") << 3 << 2;
    QTest::newRow("5 -> 2.5 -> 2") << 5 << 2;
    QTest::newRow("7 -> 3.5 -> 4") << 7 << 4;
    QTest::newRow("8 -> 4") << 8 << 4;
    QTest::newRow("-1 -> -0.5 -> 0") << -1 << 0;
    QTest::newRow("-3 -> -1.5 -> -2") << -3 << -2;
    QTest::newRow("-5 -> -2.5 -> -2") << -5 << -2;
    QTest::newRow("-6 -> -3") << -6 << -3;
}

void TestBoardSize::halfRoundedToEven()
{
    QFETCH(int, value);
    QFETCH(int, half);
    QCOMPARE(HalfRoundedToEven(value), half);
}

void TestBoardSize::centresOnScreen()
{
    TGameRig rig;
    // Beginner: client 288 x 381, outer 296 x 427 with this fake's frame.
    rig.Window.Screen = {1025, 769};
    rig.Levels.SetLevel(Beginner);
    // (1025 - 296) / 2 = 364.5 -> 364; (769 - 427) / 2 = 171 exactly.
    QCOMPARE(rig.Window.WindowLeft, 364);
    QCOMPARE(rig.Window.WindowTop, 171);
    rig.Window.Screen = {1027, 770};
    rig.Levels.SetLevel(Beginner);
    // 365.5 -> 366; 171.5 -> 172.
    QCOMPARE(rig.Window.WindowLeft, 366);
    QCOMPARE(rig.Window.WindowTop, 172);
    // A window larger than the screen goes up and left of it.
    rig.Window.Screen = {200, 200};
    rig.Levels.SetLevel(Beginner);
    QCOMPARE(rig.Window.WindowLeft, -48);
    QCOMPARE(rig.Window.WindowTop, -114);  // -113.5 -> -114
}

void TestBoardSize::levels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::newRow("beginner") << int(Beginner) << 3 << 10;
    QTest::newRow("intermediate") << int(Intermediate) << 5 << 9;
    QTest::newRow("expert") << int(Expert) << 8 << 12;
    QTest::newRow("custom") << int(Custom) << 7 << 13;
}

void TestBoardSize::levels()
{
    QFETCH(int, level);
    QFETCH(int, columns);
    QFETCH(int, rows);
    TGameRig rig(Expert);
    rig.Levels.SetCustomColumns(7);
    rig.Levels.SetCustomRows(13);
    rig.Levels.SetLevel(level);
    QCOMPARE(int(rig.Levels.DifficultyLevel()), level);
    QCOMPARE(rig.Menu.Checked, level);
    QCOMPARE(rig.Logic.BoardColumns(), columns);
    QCOMPARE(rig.Logic.BoardRows(), rows);
    QCOMPARE(rig.Window.RowText, QString("Row: 1"));
    // Another level keeps the custom size.
    rig.Levels.SetLevel(Beginner);
    QCOMPARE(rig.Levels.CustomColumns(), 7);
    QCOMPARE(rig.Levels.CustomRows(), 13);
}

void TestBoardSize::levelOutOfRangeDoesNothing()
{
    TGameRig rig(Intermediate);
    const auto secret = rig.Secret();
    rig.Log.clear();
    rig.Levels.SetLevel(4);
    rig.Levels.SetLevel(-1);
    QCOMPARE(int(rig.Levels.DifficultyLevel()), int(Intermediate));
    QCOMPARE(rig.Menu.Checked, int(Intermediate));
    QVERIFY(rig.Log.isEmpty());
    QCOMPARE(rig.Secret(), secret);
}

void TestBoardSize::storedLevel_data()
{
    QTest::addColumn<qlonglong>("stored");
    QTest::addColumn<int>("level");
    QTest::newRow("0") << 0LL << 0;
    QTest::newRow("1") << 1LL << 1;
    QTest::newRow("2") << 2LL << 2;
    QTest::newRow("3") << 3LL << 3;
    QTest::newRow("7") << 7LL << 0;
    QTest::newRow("-1") << -1LL << 0;
    QTest::newRow("256 + 1") << 257LL << 0;
}

void TestBoardSize::storedLevel()
{
    QFETCH(qlonglong, stored);
    QFETCH(int, level);
    QCOMPARE(int(TLevelSettings::LevelFromStored(stored)), level);
}

QTEST_GUILESS_MAIN(TestBoardSize)
#include "TestBoardSize.moc"
