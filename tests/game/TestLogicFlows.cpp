// Game flows through the ports: wins, losses, giving up, new games, the
// refusal of an incomplete row, and the statistics that follow.

#include <QtTest>

#include "GameFakes.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
// The log lines of a new game that counts nothing, as the rig starts one.
QStringList NewGameEffects()
{
    return {QStringLiteral("marker %1").arg(RowMarkerTop), "status Row: 1", "clock reset"};
}
}  // namespace

class TestLogicFlows : public QObject {
    Q_OBJECT
private slots:
    void winShowsWonThenStartsNewGame();
    void winOnLastRowIsAWin();
    void lossOnLastRowInOrder();
    void advanceMovesMarkerAndStatus();
    void incompleteRowIsRefused();
    void giveUp_data();
    void giveUp();
    void newGameAnswers_data();
    void newGameAnswers();
    void levelChangeCountsNothing();
    void newGameClearsBothBoards();
    void autoCheck_data();
    void autoCheck();
    void secretUsesPaletteAndVaries();
};

void TestLogicFlows::winShowsWonThenStartsNewGame()
{
    TGameRig rig(Beginner, 7);
    rig.SetStats(10, 3, 2, 5);
    const auto secret = rig.Secret();
    rig.FillRow(secret);
    rig.Log.clear();
    rig.Logic.CheckCurrentRow();
    // Won counter first, then the box, then the new game counts the
    // winning row's game in TotalGames.
    QStringList expected{"box won 10/4/2/4"};
    expected << NewGameEffects();
    QCOMPARE(rig.Log, expected);
    QCOMPARE(rig.Stats.TotalGames(), 11);
    QCOMPARE(rig.Stats.GamesWon(), 4);
    QCOMPARE(rig.Stats.GamesLost(), 2);
    QCOMPARE(rig.Stats.UnfinishedGames(), 5);
    QVERIFY(rig.Logic.IsBoardEmpty());
    QCOMPARE(rig.Logic.CurrentRow(), 0);
}

void TestLogicFlows::winOnLastRowIsAWin()
{
    TGameRig rig(Beginner, 3);
    const auto losing = rig.Losing();
    for (int row = 0; row < 9; ++row) {
        rig.FillRow(losing);
        rig.Logic.CheckCurrentRow();
    }
    QCOMPARE(rig.Logic.CurrentRow(), 9);
    QCOMPARE(rig.Window.RowText, QString("Row: 10"));
    rig.FillRow(rig.Secret());
    rig.Log.clear();
    rig.Logic.CheckCurrentRow();
    QVERIFY(rig.Log.contains("box won 0/1/0/-1"));
    QVERIFY(!rig.Log.join(' ').contains("lost"));
    QCOMPARE(rig.Stats.GamesWon(), 1);
    QCOMPARE(rig.Stats.GamesLost(), 0);
    QCOMPARE(rig.Stats.TotalGames(), 1);
}

void TestLogicFlows::lossOnLastRowInOrder()
{
    TGameRig rig(Beginner, 11);
    rig.SetStats(10, 3, 2, 5);
    const auto secret = rig.Secret();
    const auto losing = rig.Losing();
    // The correct-combination dialog still sees the lost game's secret.
    std::vector<TColor> shownSecret;
    rig.Messages.OnCorrectAnswer = [&] { shownSecret = rig.Secret(); };
    for (int row = 0; row < 9; ++row) {
        rig.FillRow(losing);
        rig.Logic.CheckCurrentRow();
    }
    rig.FillRow(losing);
    rig.Log.clear();
    rig.Logic.CheckCurrentRow();
    QStringList expected{"box lost 10/3/3/4", "box correct-answer 10/3/3/4"};
    expected << NewGameEffects();
    QCOMPARE(rig.Log, expected);
    QCOMPARE(shownSecret, secret);
    QCOMPARE(rig.Stats.TotalGames(), 11);
    QCOMPARE(rig.Stats.GamesLost(), 3);
    QCOMPARE(rig.Stats.UnfinishedGames(), 5);
    QVERIFY(rig.Logic.IsBoardEmpty());
}

void TestLogicFlows::advanceMovesMarkerAndStatus()
{
    TGameRig rig(Intermediate, 5);
    const auto losing = rig.Losing();
    rig.FillRow(losing);
    rig.Log.clear();
    rig.Logic.CheckCurrentRow();
    QCOMPARE(rig.Log, (QStringList{"status Row: 2", "marker 114"}));
    rig.FillRow(losing);
    rig.Logic.CheckCurrentRow();
    QCOMPARE(rig.Window.MarkerTop, 88 + 2 * 26);
    QCOMPARE(rig.Window.RowText, QString("Row: 3"));
    // The checked rows keep their pegs and key pegs.
    QCOMPARE(rig.LeftGrid.Cell(0, 0), losing[0]);
    QCOMPARE(rig.RightGrid.Cell(0, 0), EmptyKeyHole);
}

void TestLogicFlows::incompleteRowIsRefused()
{
    TGameRig rig(Beginner, 2);
    rig.SetStats(10, 3, 2, 5);
    const auto secret = rig.Secret();
    rig.Drop(0, secret[0]);
    rig.Drop(2, secret[2]);
    rig.Log.clear();
    rig.Logic.CheckCurrentRow();
    QCOMPARE(rig.Log, QStringList{"box row-not-full 10/3/2/5"});
    QCOMPARE(rig.Logic.CurrentRow(), 0);
    QCOMPARE(rig.Secret(), secret);
    for (int col = 0; col < 3; ++col)
        QCOMPARE(rig.RightGrid.Cell(col, 0), EmptyKeyHole);
    QCOMPARE(rig.LeftGrid.Cell(0, 0), secret[0]);
}

void TestLogicFlows::giveUp_data()
{
    QTest::addColumn<int>("pegs");
    QTest::addColumn<QString>("after");
    QTest::newRow("untouched board") << 0 << "10/3/2/5";
    QTest::newRow("one peg") << 1 << "11/3/2/6";
    QTest::newRow("a checked row") << 4 << "11/3/2/6";
}

void TestLogicFlows::giveUp()
{
    QFETCH(int, pegs);
    QFETCH(QString, after);
    TGameRig rig(Custom, 9);
    rig.SetStats(10, 3, 2, 5);
    const auto losing = rig.Losing();
    for (int i = 0; i < pegs; ++i)
        rig.Drop(i, losing[0]);
    if (pegs == 4)
        rig.Logic.CheckCurrentRow();
    const auto secret = rig.Secret();
    std::vector<TColor> shown;
    rig.Messages.OnCorrectAnswer = [&] { shown = rig.Secret(); };
    rig.Log.clear();
    rig.Logic.GiveUp();
    QCOMPARE(rig.Log.first(), "box correct-answer 10/3/2/5");
    QCOMPARE(rig.Log.mid(1), NewGameEffects());
    QCOMPARE(shown, secret);
    QCOMPARE(rig.Messages.Counters(), after);
    QVERIFY(rig.Logic.IsBoardEmpty());
}

void TestLogicFlows::newGameAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("withPeg");
    QTest::addColumn<bool>("starts");
    QTest::addColumn<QString>("after");
    QTest::newRow("yes, peg") << int(TAnswer::Yes) << true << true << "11/3/2/6";
    QTest::newRow("yes, empty board") << int(TAnswer::Yes) << false << true << "10/3/2/5";
    QTest::newRow("no, peg") << int(TAnswer::No) << true << false << "10/3/2/5";
    QTest::newRow("no, empty board") << int(TAnswer::No) << false << false << "10/3/2/5";
    // Closed from the title bar: no answer, so the game goes on.
    QTest::newRow("dismissed, peg") << int(TAnswer::Cancel) << true << false << "10/3/2/5";
}

void TestLogicFlows::newGameAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, withPeg);
    QFETCH(bool, starts);
    QFETCH(QString, after);
    TGameRig rig(Beginner, 4);
    rig.SetStats(10, 3, 2, 5);
    const TColor colour = rig.ColorNotInSecret();
    if (withPeg)
        rig.Drop(1, colour);
    rig.Messages.Answers = {TAnswer(answer)};
    const int resetsBefore = rig.Clock.Resets;
    rig.Log.clear();
    rig.Logic.NewGame(true, true);
    QCOMPARE(rig.Log.first(), "ask new-game");
    QCOMPARE(rig.Messages.Counters(), after);
    QCOMPARE(rig.Clock.Resets, resetsBefore + (starts ? 1 : 0));
    QCOMPARE(rig.Log.size(), starts ? 4 : 1);
    QCOMPARE(rig.LeftGrid.Cell(1, 0), (withPeg && !starts) ? colour : EmptyHole);
}

void TestLogicFlows::levelChangeCountsNothing()
{
    TGameRig rig(Expert, 8);
    rig.SetStats(10, 3, 2, 5);
    rig.FillRow(rig.Losing());
    rig.Logic.CheckCurrentRow();
    rig.Drop(0, PegColors[0]);
    rig.Levels.SetLevel(Beginner);
    QCOMPARE(rig.Messages.Counters(), QString("10/3/2/5"));
    QVERIFY(!rig.Log.contains("ask new-game"));
    QVERIFY(rig.Logic.IsBoardEmpty());
    QCOMPARE(rig.Window.RowText, QString("Row: 1"));
    // The same level again starts a new game without a question.
    const int resets = rig.Clock.Resets;
    rig.Levels.SetLevel(Beginner);
    QCOMPARE(rig.Clock.Resets, resets + 1);
    QVERIFY(!rig.Log.contains("ask new-game"));
}

void TestLogicFlows::newGameClearsBothBoards()
{
    TGameRig rig(Expert, 6);
    const auto secret = rig.Secret();
    std::vector<TColor> twoRight = rig.Losing();
    twoRight[0] = secret[0];
    twoRight[1] = secret[1];
    rig.FillRow(twoRight);
    rig.Logic.CheckCurrentRow();
    QCOMPARE(rig.RightGrid.Cell(0, 0), BlackKeyPeg);
    rig.Logic.NewGame(false, false);
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 12; ++row) {
            QCOMPARE(rig.LeftGrid.Cell(col, row), EmptyHole);
            QCOMPARE(rig.RightGrid.Cell(col, row), EmptyKeyHole);
        }
    QCOMPARE(rig.Window.MarkerTop, RowMarkerTop);
}

void TestLogicFlows::autoCheck_data()
{
    QTest::addColumn<bool>("autoCheck");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void TestLogicFlows::autoCheck()
{
    QFETCH(bool, autoCheck);
    TGameRig rig(Beginner, 12);
    const auto losing = rig.Losing();
    rig.Drop(0, losing[0], autoCheck);
    rig.Drop(1, losing[0], autoCheck);
    QCOMPARE(rig.Logic.CurrentRow(), 0);  // not full yet: nothing checked
    QVERIFY(!rig.Log.join(' ').contains("row-not-full"));
    rig.Drop(2, losing[0], autoCheck);
    QCOMPARE(rig.Logic.CurrentRow(), autoCheck ? 1 : 0);

    // Repeat copies from the row above and checks a completed row.
    if (!autoCheck)
        return;
    rig.Drop(0, losing[0], true);
    rig.Drop(1, losing[0], true);
    rig.LeftGrid.SetMousePos(rig.LeftSurface.X(2), rig.LeftSurface.Y(1));
    rig.Logic.RepeatFromAbove(true);
    QCOMPARE(rig.LeftGrid.Cell(2, 1), losing[0]);
    QCOMPARE(rig.Logic.CurrentRow(), 2);
}

void TestLogicFlows::secretUsesPaletteAndVaries()
{
    TGameRig rig(Custom, 21);
    rig.Levels.SetCustomColumns(10);
    rig.Levels.SetCustomRows(15);
    rig.Levels.SetLevel(Custom);
    std::array<int, 8> seen{};
    for (int game = 0; game < 400; ++game) {
        rig.Logic.NewGame(false, false);
        QCOMPARE(int(rig.Logic.Secret().size()), 10);
        for (TColor c : rig.Logic.Secret()) {
            const auto it = std::find(PegColors.begin(), PegColors.end(), c);
            QVERIFY(it != PegColors.end());
            ++seen[static_cast<std::size_t>(it - PegColors.begin())];
        }
    }
    // 4000 draws: every colour turns up, none takes far more than its share.
    for (int count : seen) {
        QVERIFY(count > 350);
        QVERIFY(count < 650);
    }
}

QTEST_GUILESS_MAIN(TestLogicFlows)
#include "TestLogicFlows.moc"
