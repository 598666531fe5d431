// The records file: damaged and foreign files set aside and kept, a folder
// that may not be written, two processes writing at once.

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <random>
#include <set>

#include <sys/stat.h>

#include "records/PendingGames.h"
#include "records/RecordsFigures.h"
#include "records/TRecordsFile.h"
#include "records/TRecordsService.h"

using namespace peglore;

namespace {
TGameRecord Game(std::uint64_t number, TGameOutcome outcome = TGameOutcome::Won)
{
    TGameRecord game;
    game.EndedAt = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5), Qt::UTC);
    game.Level = 3;
    game.Columns = 6;
    game.Rows = 12;
    game.GameNumber = number;
    game.RowsUsed = 5;
    game.Seconds = 77;
    game.Outcome = outcome;
    game.Hints = 2;
    return game;
}

// Game(number) as the file of games waiting for the records keeps it.
TPendingGame Waiting(std::uint64_t number)
{
    return {"2026-01-02T03:04:05Z", 3, 6, 12, number, 5, 77, "won", 2};
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}  // namespace

class TestRecordsFile : public QObject {
    Q_OBJECT

private slots:
    void gamesComeBackAsWritten()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        {
            TRecordsFile file(path);
            for (TGameOutcome outcome :
                 {TGameOutcome::Won, TGameOutcome::Lost, TGameOutcome::GivenUp, TGameOutcome::Abandoned})
                QVERIFY(file.Append(Game(999'999'999'999ULL - static_cast<int>(outcome), outcome)));
            QVERIFY(file.Problem().isEmpty());
        }
        TRecordsFile again(path);
        const auto games = again.ReadAll();
        QVERIFY(games);
        QCOMPARE(games->size(), 4u);
        QCOMPARE(games->at(2), Game(999'999'999'997ULL, TGameOutcome::GivenUp));

        // What the sqlite3 tool sees: the schema version and the columns.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("look"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        {
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version")) && query.next());
            QCOMPARE(query.value(0).toInt(), TRecordsFile::SchemaVersion);
            QVERIFY(query.exec(QStringLiteral("SELECT ended_at, level, width, rows, game_number, rows_used, seconds, "
                                              "outcome, hints FROM games WHERE id = 2")) &&
                    query.next());
            QCOMPARE(query.value(0).toString(), QStringLiteral("2026-01-02T03:04:05Z"));
            QCOMPARE(query.value(4).toLongLong(), 999'999'999'998LL);
            QCOMPARE(query.value(7).toString(), QStringLiteral("lost"));
        }
        db.close();
        db = {};
        QSqlDatabase::removeDatabase(QStringLiteral("look"));
    }

    // A file of the first version takes the new columns in place: its games
    // stay, with the values of the written game, and a game of today with
    // every new field comes back as written, after a restart too.
    void olderFileIsUpgradedKeepingEveryGame()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery query(db);
            QVERIFY(query.exec(QStringLiteral(
                "CREATE TABLE games (id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, level INTEGER NOT NULL, "
                "width INTEGER NOT NULL, rows INTEGER NOT NULL, game_number INTEGER NOT NULL, rows_used INTEGER "
                "NOT NULL, seconds INTEGER NOT NULL, outcome TEXT NOT NULL, hints INTEGER NOT NULL DEFAULT 0)")));
            for (int number : {1, 2})
                QVERIFY(query.exec(QStringLiteral("INSERT INTO games (ended_at, level, width, rows, game_number, "
                                                  "rows_used, seconds, outcome, hints) VALUES "
                                                  "('2026-01-02T03:04:05Z', 3, 6, 12, %1, 5, 77, 'won', 2)")
                                       .arg(number)));
            QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));

        TGameRecord daily = Game(3, TGameOutcome::Lost);
        daily.DailyDate = QDate(2026, 12, 9);
        daily.HardMode = true;
        daily.Mode = TGameMode::CodeBreaker;
        daily.Colours = 6;
        daily.Repeats = false;
        daily.Answers = {{0, 2}, {1, 1}, {6, 0}};
        QVERIFY(TRecordsFile(path).Append(daily));
        const std::vector<TGameRecord> expected{Game(1), Game(2), daily};
        QCOMPARE(*TRecordsFile(path).ReadAll(), expected);
        QCOMPARE(*TRecordsFile(path).ReadAll(QDate(2026, 12, 9)), std::vector<TGameRecord>{daily});
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*damaged*")}).isEmpty());
    }

    // The daily figures of many a month of play, against a count day by day
    // of the calendar: a date counts its first daily game only, a run is
    // days in a row won, and today's run reaches back from today, or from
    // yesterday while today has no daily game yet.
    void dailyRunsCountDaysInARowWon()
    {
        std::mt19937 draw(2026);
        const QDate today(2026, 12, 9);
        for (int month = 0; month < 300; ++month) {
            // Per day, oldest first: 0 none, 1 won, 2 lost; then maybe a replay.
            std::vector<int> days(30);
            std::vector<TGameRecord> games;
            for (int d = 0; d < 30; ++d) {
                days[static_cast<std::size_t>(d)] = static_cast<int>(draw() % 3);
                for (int play = 0; play < (draw() % 2 ? 2 : 1) && days[static_cast<std::size_t>(d)]; ++play) {
                    TGameRecord game = Game(static_cast<std::uint64_t>(d));
                    game.Outcome = (play == 0) == (days[static_cast<std::size_t>(d)] == 1) ? TGameOutcome::Won
                                                                                            : TGameOutcome::Lost;
                    game.DailyDate = today.addDays(d - 29);
                    games.push_back(game);
                }
            }
            int won = 0, played = 0, run = 0, longest = 0;
            for (int day : days) {
                played += day != 0;
                won += day == 1;
                run = day == 1 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
            int current = 0;
            for (int d = days.back() == 0 ? 28 : 29; d >= 0 && days[static_cast<std::size_t>(d)] == 1; --d)
                ++current;
            const std::vector<TBoardFigures> figures = FiguresPerBoard(games, today);
            if (played == 0)
                continue;
            QCOMPARE(figures.size(), 1u);
            QCOMPARE(figures[0].DailyGames, played);
            QCOMPARE(figures[0].DailyWon, won);
            QCOMPARE(figures[0].LongestDailyRun, longest);
            QCOMPARE(figures[0].CurrentDailyRun, current);
        }
    }

    // A player who deletes or moves the file during a session (to start
    // the records afresh) gets the session's later games in a new file.
    void fileTakenAwayWhileOpenStartsAgain_data()
    {
        QTest::addColumn<bool>("moved");
        QTest::newRow("deleted") << false;
        QTest::newRow("moved away") << true;
    }
    void fileTakenAwayWhileOpenStartsAgain()
    {
        QFETCH(bool, moved);
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        TRecordsFile file(path);
        QVERIFY(file.Append(Game(1)));
        QVERIFY(moved ? QFile::rename(path, dir.filePath("old.records")) : QFile::remove(path));
        QVERIFY2(file.Append(Game(2)), qPrintable(file.Problem()));
        QVERIFY(file.Append(Game(3)));
        const auto games = TRecordsFile(path).ReadAll();
        QVERIFY(games);
        QCOMPARE(*games, (std::vector<TGameRecord>{Game(2), Game(3)}));
        if (moved)
            QCOMPARE(TRecordsFile(dir.filePath("old.records")).ReadAll()->size(), 1u);
    }

    // Whatever lies where the file should be, it is kept and a new file
    // takes the games.
    void unusableFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text") << QByteArray("[Options]\nMusic=1\n");
        QTest::newRow("binary") << QByteArray(5000, '\xfe');
        QByteArray header("SQLite format 3");
        header.append('\0');
        QTest::newRow("damaged database") << header + QByteArray(4080, '\x7f');
    }
    void unusableFileIsKeptAside()
    {
        QFETCH(QByteArray, contents);
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        TRecordsFile file(path);
        QVERIFY(file.Append(Game(7)));
        QVERIFY(!file.SetAsidePath().isEmpty());
        QCOMPARE(Contents(file.SetAsidePath()), contents);
        QVERIFY2(file.Problem().contains(file.SetAsidePath()), qPrintable(file.Problem()));
        QCOMPARE(file.ReadAll()->size(), 1u);
    }

    void foreignDatabaseIsKeptAside()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE addresses (name TEXT)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        const QByteArray before = Contents(path);
        TRecordsFile file(path);
        QVERIFY(file.Append(Game(7)));
        QCOMPARE(Contents(file.SetAsidePath()), before);
    }

    void unwritablePlacesAreReportedNotChanged_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::newRow("read-only folder, no file") << false;
        QTest::newRow("read-only file") << true;
    }
    void unwritablePlacesAreReportedNotChanged()
    {
        QFETCH(bool, fileExists);
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        if (fileExists) {
            TRecordsFile file(path);
            QVERIFY(file.Append(Game(1)));
            QFile::setPermissions(path, QFileDevice::ReadOwner);
        }
        const QByteArray before = Contents(path);
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        {
            TRecordsFile file(path);
            QVERIFY(!file.Append(Game(2)));
            QVERIFY2(file.Problem().contains(path), qPrintable(file.Problem()));
            QVERIFY(file.SetAsidePath().isEmpty());
        }
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(Contents(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), fileExists ? 1 : 0);
    }

    void notAFileIsLeftAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        QVERIFY(QDir(dir.path()).mkdir("Peglore.records"));
        TRecordsFile file(path);
        QVERIFY(!file.Append(Game(1)));
        QVERIFY(file.Problem().contains(QStringLiteral("is not a file")));
        QVERIFY(QFileInfo(path).isDir());
    }

    // Whatever stands where the games waiting for the records file lie, the
    // next start adds every game it can read, in order, and renames the
    // rest aside: nothing waits for ever, nothing is deleted.
    void waitingGamesAreAddedAndTheRestKeptAside_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("added");
        QTest::addColumn<bool>("keptAside");
        const std::vector<TPendingGame> two{Waiting(1), Waiting(2)};
        const QByteArray written = QByteArray::fromStdString(FormatPendingGames(two));
        QTest::newRow("as written") << written << "file" << 2 << false;
        QTest::newRow("no games") << QByteArray::fromStdString(FormatPendingGames({})) << "file" << 0 << false;
        QTest::newRow("empty") << QByteArray() << "file" << 0 << false;
        QTest::newRow("of the first version")
            << QByteArray("Peglore games waiting for the records file, version 1\n"
                          "2026-01-02T03:04:05Z\t3\t6\t12\t1\t5\t77\twon\t2\n")
            << "file" << 1 << false;
        QTest::newRow("a stray line") << written + "2026\tnot a game\n" << "file" << 2 << true;
        QTest::newRow("cut short") << written.chopped(3) << "file" << 1 << true;
        QTest::newRow("another file") << QByteArray("[Options]\nMusic=1\n") << "file" << 0 << true;
        QTest::newRow("binary") << QByteArray(5000, '\0') << "file" << 0 << true;
        QTest::newRow("huge") << written + QByteArray(int(MaxPendingFileSize), '\n') << "file" << 0 << true;
        QTest::newRow("a folder") << QByteArray() << "folder" << 0 << true;
        QTest::newRow("a FIFO") << QByteArray() << "fifo" << 0 << true;
    }
    void waitingGamesAreAddedAndTheRestKeptAside()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, kind);
        QFETCH(int, added);
        QFETCH(bool, keptAside);
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        const QString waiting = path + QStringLiteral(".pending");
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Peglore.records.pending")));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(waiting).constData(), 0600), 0);
        } else {
            QFile file(waiting);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
        }
        {
            TRecordsService service(path);
            service.Open();
            service.Record(Game(9));
        }
        std::vector<TGameRecord> expected;
        for (std::uint64_t number = 1; number <= std::uint64_t(added); ++number)
            expected.push_back(Game(number));
        expected.push_back(Game(9));
        QCOMPARE(*TRecordsFile(path).ReadAll(), expected);
        QVERIFY(!QFileInfo::exists(waiting));
        const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("Peglore.records.pending.damaged-*")},
                                                             QDir::AllEntries | QDir::System);
        QCOMPARE(aside.size(), keptAside ? 1 : 0);
        if (kind == QLatin1String("file") && keptAside)
            QCOMPARE(Contents(dir.filePath(aside.front())), contents);
    }

    void twoProcessesRecordEveryGame()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Peglore.records");
        constexpr int Count = 200;
        QProcess first;
        QProcess second;
        first.start(QStringLiteral(RECORDS_WRITER), {path, QString::number(Count), QStringLiteral("0")});
        second.start(QStringLiteral(RECORDS_WRITER), {path, QString::number(Count), QString::number(Count)});
        for (QProcess* process : {&first, &second}) {
            QVERIFY(process->waitForFinished(60000));
            QVERIFY2(process->exitCode() == 0, process->readAllStandardError().constData());
        }
        TRecordsFile file(path);
        const auto games = file.ReadAll();
        QVERIFY(games);
        std::set<std::uint64_t> numbers;
        for (const TGameRecord& game : *games)
            numbers.insert(game.GameNumber);
        QCOMPARE(numbers.size(), std::size_t(2 * Count));
        QCOMPARE(games->size(), std::size_t(2 * Count));
    }
};

QTEST_GUILESS_MAIN(TestRecordsFile)
#include "TestRecordsFile.moc"
