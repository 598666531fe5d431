// The four counters and the derived unfinished figure.

#include <QtTest>

#include "settings/statistics/TStatistics.h"

using namespace peglore;

class TestStatistics : public QObject {
    Q_OBJECT
private slots:
    void startsAtZero();
    void settersDeriveUnfinished_data();
    void settersDeriveUnfinished();
    void loadedUnfinishedLastsUntilNextChange();
    void noOverflowAtTheLimits();
};

void TestStatistics::startsAtZero()
{
    TStatistics s;
    QCOMPARE(s.TotalGames(), 0);
    QCOMPARE(s.GamesWon(), 0);
    QCOMPARE(s.GamesLost(), 0);
    QCOMPARE(s.UnfinishedGames(), 0);
}

void TestStatistics::settersDeriveUnfinished_data()
{
    QTest::addColumn<QString>("setter");
    QTest::addColumn<int>("value");
    QTest::addColumn<QList<int>>("after");  // total, won, lost, unfinished
    // From 10 / 3 / 2 / 5.
    QTest::newRow("total") << "total" << 11 << QList<int>{11, 3, 2, 6};
    QTest::newRow("won") << "won" << 4 << QList<int>{10, 4, 2, 4};
    QTest::newRow("lost") << "lost" << 3 << QList<int>{10, 3, 3, 4};
    QTest::newRow("unfinished") << "unfinished" << 0 << QList<int>{10, 3, 2, 0};
    QTest::newRow("negative taken as is") << "won" << -4 << QList<int>{10, -4, 2, 12};
}

void TestStatistics::settersDeriveUnfinished()
{
    QFETCH(QString, setter);
    QFETCH(int, value);
    QFETCH(QList<int>, after);
    TStatistics s;
    s.SetTotalGames(10);
    s.SetGamesWon(3);
    s.SetGamesLost(2);
    QCOMPARE(s.UnfinishedGames(), 5);
    if (setter == "total")
        s.SetTotalGames(value);
    else if (setter == "won")
        s.SetGamesWon(value);
    else if (setter == "lost")
        s.SetGamesLost(value);
    else
        s.SetUnfinishedGames(value);
    QCOMPARE((QList<int>{s.TotalGames(), s.GamesWon(), s.GamesLost(), s.UnfinishedGames()}), after);
}

void TestStatistics::loadedUnfinishedLastsUntilNextChange()
{
    // As loading does: three setters, then the stored unfinished figure.
    TStatistics s;
    s.SetTotalGames(10);
    s.SetGamesWon(3);
    s.SetGamesLost(2);
    s.SetUnfinishedGames(0);
    QCOMPARE(s.UnfinishedGames(), 0);
    s.SetGamesWon(s.GamesWon() + 1);
    QCOMPARE(s.UnfinishedGames(), 10 - 4 - 2);
}

void TestStatistics::noOverflowAtTheLimits()
{
    TStatistics s;
    s.SetGamesWon(std::numeric_limits<int>::min());
    s.SetGamesLost(std::numeric_limits<int>::min());
    s.SetTotalGames(std::numeric_limits<int>::max());
    // Wraps like 32-bit arithmetic; the point is that it is defined.
    QCOMPARE(s.UnfinishedGames(), std::numeric_limits<int>::max());
}

QTEST_GUILESS_MAIN(TestStatistics)
#include "TestStatistics.moc"
