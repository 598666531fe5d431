// The daily game: one number a date and board for every player, and a result
// to share that holds the key pegs and never a guess.

#include <QtTest>

#include <set>

#include "game/DailyGame.h"
#include "game/GameNumber.h"

using namespace peglore;

class TestDailyGame : public QObject {
    Q_OBJECT
private slots:
    // Pinned: every player on every machine, in this version and later
    // ones, gets these numbers on these dates.
    void numbersOfDatesNeverChange_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("colours");
        QTest::addColumn<bool>("repeats");
        QTest::addColumn<quint64>("number");
        QTest::newRow("Intermediate") << QDate(2026, 12, 9) << 5 << 9 << 8 << true << quint64(240446855701);
        QTest::newRow("the next day") << QDate(2026, 12, 10) << 5 << 9 << 8 << true << quint64(916651819290);
        QTest::newRow("Beginner, new year") << QDate(2027, 1, 1) << 3 << 10 << 8 << true << quint64(114110497663);
        QTest::newRow("Expert") << QDate(2026, 12, 9) << 8 << 12 << 8 << true << quint64(413830481282);
        QTest::newRow("6 colours, no repeats") << QDate(2026, 12, 9) << 4 << 10 << 6 << false << quint64(757458785824);
    }
    void numbersOfDatesNeverChange()
    {
        QFETCH(QDate, date);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, colours);
        QFETCH(bool, repeats);
        QFETCH(quint64, number);
        QCOMPARE(DailyGameNumber(date.year(), date.month(), date.day(), columns, rows, colours, repeats), number);
    }

    // Two years of dates on every board and in both kinds of variant: no two
    // share a number, every number is one a player can type, and on the
    // Expert board no two days in a row hide the same secret.
    void everyDateAndBoardHasANumberOfItsOwn()
    {
        std::set<std::uint64_t> numbers;
        std::size_t made = 0;
        std::vector<int> secret(8), yesterday(8);
        for (QDate date(2026, 1, 1); date < QDate(2028, 1, 1); date = date.addDays(1)) {
            for (int columns = 1; columns <= 10; ++columns)
                for (int rows = 1; rows <= 15; rows += 7)
                    for (const auto& [colours, repeats] : {std::pair{8, true}, std::pair{6, false}}) {
                        const std::uint64_t number =
                            DailyGameNumber(date.year(), date.month(), date.day(), columns, rows, colours, repeats);
                        QVERIFY(number < GameNumberLimit);
                        numbers.insert(number);
                        ++made;
                    }
            SecretOfGame(DailyGameNumber(date.year(), date.month(), date.day(), 8, 12), secret);
            QVERIFY2(secret != yesterday, qPrintable(date.toString(Qt::ISODate)));
            yesterday = secret;
        }
        QCOMPARE(numbers.size(), made);
    }

    // The first line exactly; then a line a checked row with a symbol a key
    // hole: its blacks, then its whites, then its empty holes. Nothing else.
    void shareTextHoldsKeyPegsOnly_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("won");
        QTest::addColumn<QString>("answers");  // "blacks,whites" a row
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("won") << 1 << 5 << 9 << true << "0,2 1,3 2,2 3,0 4,0 5,0"
                             << "Peglore 2026-12-09 \u00b7 Intermediate \u00b7 6/9";
        QTest::newRow("lost") << 0 << 3 << 10 << false << "0,0 1,1 0,3 1,0 0,1 2,0 0,2 1,2 2,0 1,0"
                              << "Peglore 2026-12-09 \u00b7 Beginner \u00b7 X/10";
        QTest::newRow("given up, custom") << 3 << 4 << 6 << false << "2,1"
                                          << "Peglore 2026-12-09 \u00b7 Custom 4x6 \u00b7 X/6";
    }
    void shareTextHoldsKeyPegsOnly()
    {
        QFETCH(int, level);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(bool, won);
        QFETCH(QString, answers);
        QFETCH(QString, firstLine);
        TDailyResult result{2026, 12, 9, level, columns, rows, 8, true, won, {}};
        for (const QString& row : answers.split(' '))
            result.Answers.push_back({row.section(',', 0, 0).toInt(), row.section(',', 1, 1).toInt()});

        const QStringList lines = QString::fromStdString(DailyShareText(result)).split('\n');
        QCOMPARE(lines.value(0), firstLine);
        QCOMPARE(lines.size(), 1 + static_cast<int>(result.Answers.size()));
        for (std::size_t r = 0; r < result.Answers.size(); ++r) {
            const TRowAnswer& a = result.Answers[r];
            const QString expected = QString(a.Blacks, QChar(0x26AB)) + QString(a.Whites, QChar(0x26AA)) +
                                     QString(columns - a.Blacks - a.Whites, QChar(0x25AB));
            QCOMPARE(lines[static_cast<int>(r) + 1], expected);
        }
    }
};

QTEST_GUILESS_MAIN(TestDailyGame)
#include "TestDailyGame.moc"
