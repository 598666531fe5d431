// Records kept by the running game: one row for each way a game ends, the
// Records window's figures, and a game played again by its number.

#include <QClipboard>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>
#include <memory>

#include "app/TActiveFormTracker.h"
#include "app/TDailyGames.h"
#include "app/TGameSession.h"
#include "app/TMainForm.h"
#include "app/TRecordsKeeper.h"
#include "app/TToolActions.h"
#include "app/mainform/ActiveGame.h"
#include "app/mainform/AppFakes.h"
#include "game/DailyGame.h"
#include "game/PegColors.h"
#include "game/TLevelSettings.h"
#include "game/TLogic.h"
#include "records/TRecordsFile.h"
#include "records/TRecordsService.h"
#include "services/clock/TMyTimer.h"
#include "settings/statistics/TStatistics.h"
#include "support/ModalAnswer.h"
#include "windows/daily/TfrmDailyResult.h"
#include "windows/records/TWinsChart.h"
#include "windows/records/TfrmRecords.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
struct TGame : TActiveGame {
    TGame() : TActiveGame("[Options]\nMusic=0\nAutoCheck=0\n") {}
    TLogic& Logic() const { return Form->Session()->Logic(); }
    QString RecordsPath() const { return Folder.filePath("Peglore.records"); }

    void FillRow(const std::vector<TColor>& colours)
    {
        for (TColor colour : colours)
            Logic().PlaceInSelectedHole(colour, false);
    }
    std::vector<TColor> Secret() const { return {Logic().Secret().begin(), Logic().Secret().end()}; }
    std::vector<TColor> Losing() const
    {
        const TColor wrong = Logic().Secret()[0] == PegColors[0] ? PegColors[1] : PegColors[0];
        return std::vector<TColor>(Logic().Secret().size(), wrong);
    }
};

void PressReturnInNextBox()
{
    AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); });
}

TGameRecord Record(int level, int columns, int rows, TGameOutcome outcome, int rowsUsed, int seconds)
{
    TGameRecord game;
    game.EndedAt = QDateTime::currentDateTimeUtc();
    game.Level = level;
    game.Columns = columns;
    game.Rows = rows;
    game.GameNumber = static_cast<std::uint64_t>(rowsUsed * 1000 + seconds);
    game.RowsUsed = rowsUsed;
    game.Seconds = seconds;
    game.Outcome = outcome;
    return game;
}

QStringList RowTexts(const QTableWidget& table, int row)
{
    QStringList texts;
    for (int col = 0; col < table.columnCount(); ++col)
        texts << table.item(row, col)->text();
    return texts;
}
}  // namespace

class TestRecordsPlay : public QObject {
    Q_OBJECT

private slots:
    void everyEndingIsRecorded()
    {
        TGame game;
        QCoreApplication::processEvents();
        std::vector<TGameRecord> expected;
        const auto expect = [&](TGameOutcome outcome, int rowsUsed, int seconds) {
            TGameRecord r =
                Record(Beginner, game.Logic().BoardColumns(), game.Logic().BoardRows(), outcome, rowsUsed, seconds);
            r.GameNumber = game.Logic().GameNumber();
            expected.push_back(r);
        };
        TMyTimer& clock = game.Form->Session()->Clock();

        clock.SetSeconds(42);
        game.FillRow(game.Losing());
        game.Form->sbtnCheckClick();
        game.FillRow(game.Secret());
        expect(TGameOutcome::Won, 2, 42);
        PressReturnInNextBox();
        game.Form->sbtnCheckClick();

        const int rows = game.Logic().BoardRows();
        for (int row = 0; row < rows; ++row) {
            game.FillRow(game.Losing());
            if (row == rows - 1) {
                expect(TGameOutcome::Lost, rows, 0);
                PressReturnInNextBox();
            }
            game.Form->sbtnCheckClick();
        }

        game.FillRow({game.Losing()[0]});
        expect(TGameOutcome::GivenUp, 1, 0);
        game.Form->mmenuGiveUpClick();

        clock.SetSeconds(7);
        game.FillRow(game.Losing());
        game.Form->sbtnCheckClick();
        expect(TGameOutcome::Abandoned, 1, 7);
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y); });
        game.Form->mmenuNewGameClick();

        // Neither an empty board nor a No answer ends a game.
        game.Form->mmenuGiveUpClick();
        game.FillRow({game.Losing()[0]});
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_N); });
        game.Form->mmenuNewGameClick();
        expect(TGameOutcome::Abandoned, 1, 0);  // at the exit
        game.Form->close();

        TRecordsFile file(game.RecordsPath());
        const auto games = file.ReadAll();
        QVERIFY(games);
        QCOMPARE(games->size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY(qAbs(games->at(i).EndedAt.secsTo(expected[i].EndedAt)) < 600);
            expected[i].EndedAt = games->at(i).EndedAt;
            const TGameRecord& got = games->at(i);
            QCOMPARE(got, expected[i]);
        }
        QVERIFY(!QFile::exists(game.Folder.filePath("Peglore.records-journal")));
    }

    // A record keeps the conditions of its game: the variant its secret was
    // drawn under, and whether every row was checked in hard mode.
    void conditionsOfTheGameAreRecorded()
    {
        TGame game;
        QCoreApplication::processEvents();
        game.Form->Tools().HardMode()->trigger();
        game.Logic().SetVariant({6, false});
        game.Logic().NewGame(false, false);
        game.FillRow(game.Secret());
        PressReturnInNextBox();
        game.Form->sbtnCheckClick();
        game.Form->close();
        const auto games = TRecordsFile(game.RecordsPath()).ReadAll();
        QVERIFY(games && games->size() == 1);
        QCOMPARE(games->front().Outcome, TGameOutcome::Won);
        QCOMPARE(games->front().Colours, 6);
        QCOMPARE(games->front().Repeats, false);
        QVERIFY(games->front().HardMode);
    }

    // A level starts a new game without a question and without counting
    // the game left; that game is still a row, on the board it was played on.
    void leavingForAnotherLevelIsRecorded()
    {
        TGame game;
        game.Form->findChild<QTimer*>(QStringLiteral("SecondsTimer"))->stop();
        game.Form->Session()->Clock().SetSeconds(9);
        game.FillRow({game.Losing()[0]});
        TGameRecord left = Record(Beginner, 3, 10, TGameOutcome::Abandoned, 1, 9);
        left.GameNumber = game.Logic().GameNumber();
        game.Form->findChild<QAction*>(QStringLiteral("mmenuExpert"))->trigger();
        QCOMPARE(game.Form->Session()->Statistics().TotalGames(), 0);
        game.Form->close();
        const auto games = TRecordsFile(game.RecordsPath()).ReadAll();
        QVERIFY(games && games->size() == 1);
        left.EndedAt = games->front().EndedAt;
        QCOMPARE(games->front(), left);
    }

    void windowShowsTheFigures()
    {
        // Written beside the running game's own connection, as a second
        // game would: removing the file under that connection would leave
        // two files sharing one journal.
        TGame game;
        {
            TRecordsFile file(game.RecordsPath());
            for (const TGameRecord& r :
                 {Record(Beginner, 4, 10, TGameOutcome::Won, 5, 90), Record(Beginner, 4, 10, TGameOutcome::Won, 3, 120),
                  Record(Custom, 6, 12, TGameOutcome::Lost, 12, 300),
                  Record(Beginner, 4, 10, TGameOutcome::Lost, 10, 50),
                  Record(Beginner, 4, 10, TGameOutcome::Won, 5, 65), Record(Beginner, 4, 10, TGameOutcome::Won, 6, 200),
                  Record(Beginner, 4, 10, TGameOutcome::Won, 4, 70),
                  Record(Beginner, 4, 10, TGameOutcome::GivenUp, 2, 9),
                  Record(Custom, 6, 12, TGameOutcome::Won, 8, 400)})
                QVERIFY2(file.Append(r), qPrintable(file.Problem()));
        }
        game.Form->ShowRecords();
        TfrmRecords* window = game.Form->Records()->Window();
        QVERIFY(window && window->isVisible());
        auto* boards = window->findChild<QTableWidget*>(QStringLiteral("BoardTable"));
        QTRY_COMPARE(boards->rowCount(), 2);
        QCOMPARE(RowTexts(*boards, 0),
                 (QStringList{QStringLiteral("Beginner, 4 \u00d7 10"), "7", "5", "1", "1:05", "3", "4.6", "3"}));
        QCOMPARE(RowTexts(*boards, 1),
                 (QStringList{QStringLiteral("Custom, 6 \u00d7 12"), "2", "1", "1", "6:40", "8", "8.0", "1"}));
        auto* chart = window->findChild<TWinsChart*>();
        QCOMPARE(chart->Wins(), (std::vector<int>{0, 0, 1, 1, 2, 1, 0, 0, 0, 0}));
        auto* last = window->findChild<QTableWidget*>(QStringLiteral("GameTable"));
        QCOMPARE(last->rowCount(), 9);
        QCOMPARE(last->item(0, 0)->text(), QStringLiteral("8400"));  // newest first
        QVERIFY(!window->findChild<QLabel*>(QStringLiteral("ProblemLabel"))->isVisible());

        // A board's row shows its own chart.
        boards->setCurrentCell(1, 0);
        QCOMPARE(chart->Wins().size(), 12u);
        QCOMPARE(chart->Wins()[7], 1);
        window->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
        QCOMPARE(game.Help.Calls.last(), qMakePair(int(IHelpCommands::ShowTopic), int(TfrmRecords::HelpTopic)));
        window->grab().save(QDir::temp().filePath("peglore-records-window.png"));
    }

    // Rows written by hand: numbers beyond the game's show at their
    // nearest, never wrapped, and Play stays off on a board no game has.
    void handWrittenRows_data()
    {
        QTest::addColumn<QString>("values");  // level, width, rows, seconds, hints
        QTest::addColumn<QString>("shown");  // board, time, hints
        QTest::addColumn<bool>("playable");
        const QString top = QString::number(std::numeric_limits<qint64>::max());
        QTest::newRow("64-bit counts") << "0, 3, 10, " + top + ", " + top
                                       << "Beginner, 3 \u00d7 10|35791394:07|2147483647" << true;
        QTest::newRow("width 60") << "3, 60, 10, 5, 1"
                                  << "Custom, 60 \u00d7 10|0:05|1" << false;
        QTest::newRow("width 2^32 + 4") << "3, 4294967300, 10, 5, 1"
                                        << "Custom, 2147483647 \u00d7 10|0:05|1" << false;
        QTest::newRow("Beginner at 4 holes") << "0, 4, 10, 5, 1"
                                             << "Beginner, 4 \u00d7 10|0:05|1" << false;
    }
    void handWrittenRows()
    {
        QFETCH(QString, values);
        QFETCH(QString, shown);
        QFETCH(bool, playable);
        TGame game;
        QVERIFY(TRecordsFile(game.RecordsPath()).Open());  // the table, beside the game's own connection
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("by hand"));
            db.setDatabaseName(game.RecordsPath());
            QVERIFY(db.open() && QSqlQuery(db).exec("INSERT INTO games (level, width, rows, seconds, hints, ended_at, "
                                                    "game_number, rows_used, outcome) VALUES (" +
                                                    values + ", '2026-01-02T03:04:05Z', 77, 2, 'won')"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("by hand"));
        game.Form->ShowRecords();
        TfrmRecords* window = game.Form->Records()->Window();
        auto* last = window->findChild<QTableWidget*>(QStringLiteral("GameTable"));
        QTRY_COMPARE(last->rowCount(), 1);
        QCOMPARE(QStringList({last->item(0, 2)->text(), last->item(0, 5)->text(), last->item(0, 6)->text()}).join('|'),
                 shown);
        last->selectRow(0);
        QCOMPARE(window->findChild<QPushButton*>(QStringLiteral("PlayButton"))->isEnabled(), playable);
    }

    // Today's game: its number, its result shown after the written box and
    // copied, Copy Daily Result a note before and the result after; played again the same day it is
    // an ordinary game. A win with a hint sets no fewest rows.
    void dailyGameCountsOnceAndSharesItsResult()
    {
        TGame game;
        QCoreApplication::processEvents();
        auto* daily = game.Form->findChild<QAction*>(QStringLiteral("mmenuDailyGame"));
        auto* copy = game.Form->findChild<QAction*>(QStringLiteral("mmenuCopyDailyResult"));
        const QDate today = QDate::currentDate();
        QString note;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) { note = qobject_cast<QMessageBox*>(m)->text(); });
        copy->trigger();
        QVERIFY(note.contains(QStringLiteral("not finished yet")));
        QString shared;
        const auto win = [&](int rows, bool resultWindow) {
            for (int row = 1; row < rows; ++row) {
                game.FillRow(game.Losing());
                game.Logic().CheckCurrentRow();
            }
            game.FillRow(game.Secret());
            AnswerNextModal([&, resultWindow](QWidget* won) {
                QTest::keyClick(won, Qt::Key_Return);
                if (!resultWindow)
                    return;
                AnswerNextModal([&](QWidget* m) {
                    auto* window = qobject_cast<TfrmDailyResult*>(m);
                    QVERIFY(window);
                    window->findChild<QPushButton*>(QStringLiteral("CopyButton"))->click();
                    shared = QGuiApplication::clipboard()->text();
                    window->grab().save(QDir::temp().filePath("peglore-daily-result.png"));
                    window->close();
                });
            });
            game.Logic().CheckCurrentRow();
        };

        daily->trigger();
        QCOMPARE(game.Logic().GameNumber(), DailyGameNumber(today.year(), today.month(), today.day(), 3, 10));
        win(2, true);
        QTRY_VERIFY(!shared.isEmpty());
        const QStringList lines = shared.split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Peglore %1 \u00b7 Beginner \u00b7 2/10").arg(today.toString(Qt::ISODate)));
        QCOMPARE(lines[2], QString(3, QChar(0x26AB)));
        QGuiApplication::clipboard()->clear();
        QString shown;
        AnswerNextModal([](QWidget* m) { m->close(); },
                        [&](QWidget* m) { shown = m->findChild<QPlainTextEdit*>()->toPlainText(); });
        copy->trigger();
        QCOMPARE(shown, shared);
        QCOMPARE(QGuiApplication::clipboard()->text(), shared);

        daily->trigger();
        win(3, false);
        TGameRecord hinted = Record(Beginner, 3, 10, TGameOutcome::Won, 1, 1);
        hinted.Hints = 1;
        QVERIFY(TRecordsFile(game.RecordsPath()).Append(hinted));
        game.Form->ShowRecords();
        TfrmRecords* window = game.Form->Records()->Window();
        auto* days = window->findChild<QTableWidget*>(QStringLiteral("DailyTable"));
        QTRY_COMPARE(days->rowCount(), 1);
        QCOMPARE(RowTexts(*days, 0), (QStringList{QStringLiteral("Beginner, 3 \u00d7 10"), "1", "1", "1", "1"}));
        auto* boards = window->findChild<QTableWidget*>(QStringLiteral("BoardTable"));
        QCOMPARE(boards->item(0, 1)->text(), QStringLiteral("3"));
        QCOMPARE(boards->item(0, 5)->text(), QStringLiteral("2"));  // not the hinted win's one row
        const std::vector<TGameRecord> kept = *TRecordsFile(game.RecordsPath()).ReadAll();
        QCOMPARE(kept.at(0).DailyDate, std::optional<QDate>(today));
        QCOMPARE(kept.at(0).Answers.size(), 2u);
        QCOMPARE(kept.at(1).DailyDate, std::nullopt);
    }

    // Play on a game of another board: the question (a game with pegs is
    // thrown away), then the same board and the same secret.
    void playAgainGivesTheSameSecret()
    {
        TGame game;
        QCoreApplication::processEvents();
        game.Form->Session()->LevelSettings().SetLevel(Custom);
        game.Form->Session()->LevelSettings().SetLevel(Beginner);
        const std::uint64_t number = 123'456'789;
        std::vector<TColor> secret;
        {
            // The secret of that game on a 7 x 9 custom board.
            TLevelSettings& levels = game.Form->Session()->LevelSettings();
            levels.SetCustomColumns(7);
            levels.SetCustomRows(9);
            game.Logic().SetNextGameNumber(number);
            levels.SetLevel(Custom);
            secret = game.Secret();
            levels.SetLevel(Beginner);
        }
        QCOMPARE(secret.size(), 7u);

        game.FillRow({game.Losing()[0]});
        TGameRecord old = Record(Custom, 7, 9, TGameOutcome::Lost, 9, 100);
        old.GameNumber = number;
        QString question;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Y); },
                        [&](QWidget* m) { question = qobject_cast<QMessageBox*>(m)->text(); });
        game.Form->Records()->Replay(old);
        QCOMPARE(question, QStringLiteral("Do you really want to start a new game?"));
        QCOMPARE(game.Logic().GameNumber(), number);
        QCOMPARE(game.Logic().BoardColumns(), 7);
        QCOMPARE(game.Logic().BoardRows(), 9);
        QCOMPARE(game.Form->Session()->LevelSettings().DifficultyLevel(), Custom);
        QCOMPARE(game.Secret(), secret);
    }

    // A records file that is not a database: play and the exit go on without
    // a box, the file is kept aside and the window says so.
    void damagedFileDoesNotStopPlay()
    {
        TGame game;
        game.Form.reset();
        QFile::remove(game.RecordsPath());
        {
            QFile file(game.RecordsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(3000, 'x'));
        }
        game.Form = std::make_unique<TMainForm>(game.Help, game.Player, FilesIn(game.Folder));
        game.Form->show();
        QCoreApplication::processEvents();
        game.FillRow({game.Losing()[0]});
        game.Form->mmenuGiveUpClick();
        QVERIFY(!QApplication::activeModalWidget());
        game.Form->ShowRecords();
        auto* problem = game.Form->Records()->Window()->findChild<QLabel*>(QStringLiteral("ProblemLabel"));
        QTRY_VERIFY(problem->isVisible());
        QVERIFY2(problem->text().contains(QStringLiteral("was kept as")), qPrintable(problem->text()));
        QTRY_COMPARE(game.Form->Records()->Window()->findChild<QTableWidget*>(QStringLiteral("GameTable"))->rowCount(),
                     1);
        const QStringList aside = QDir(game.Folder.path()).entryList({QStringLiteral("Peglore.records.damaged-*")});
        QCOMPARE(aside.size(), 1);
        QFile kept(game.Folder.filePath(aside.front()));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray(3000, 'x'));
    }
};

QTEST_MAIN(TestRecordsPlay)
#include "TestRecordsPlay.moc"
