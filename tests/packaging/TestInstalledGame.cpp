// The game as installed into a prefix: its command line, and a player's
// statistics kept in the player's own configuration folder, not beside the
// executable, from one run to the next.

#include <QApplication>
#include <QDirIterator>
#include <QtTest>

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "e2e/game/TXSession.h"

using namespace peglore::testing;

namespace {
constexpr int BeginnerClientHeight = 381;

QPoint HoleCentre(int col, int row)
{
    return {43 + 2 + 31 * col + 15, 83 + 2 + 26 * row + 12};
}
QPoint SwatchCentre(int index)
{
    const int lefts[] = {3, 30, 58, 85, 112, 139, 167, 194};
    return {1 + lefts[index] + 12, 49 + 4 + 11};
}

// The installed game with HOME in a temporary folder; XDG_CONFIG_HOME as
// given, or unset when empty.
struct TInstalledRun {
    QProcess Game;

    void Start(const QString& home, const QString& configHome, const QStringList& arguments = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("HOME"), home);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home);
        env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        if (configHome.isEmpty())
            env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        else
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        Game.setProcessEnvironment(env);
        Game.setProcessChannelMode(QProcess::MergedChannels);
        Game.setWorkingDirectory(QDir::rootPath());
        Game.start(QStringLiteral(PEGLORE_INSTALLED_GAME), arguments);
        Game.waitForStarted(10000);
    }
    ~TInstalledRun()
    {
        if (Game.state() != QProcess::NotRunning) {
            Game.kill();
            Game.waitForFinished(5000);
        }
    }
};

// A game the player starts and gives up: a peg placed, Game > Give Up!, the
// correct combination answered. Returns what went wrong, or "".
QString PlaceAPegAndGiveUp(TInstalledRun& run, const QString& window)
{
    const QRect frame = WindowGeometry(window);
    const QPoint client(frame.left(), frame.bottom() + 1 - BeginnerClientHeight);
    XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    if (!DragPeg(client + SwatchCentre(0), client + HoleCentre(0, 0), QColor(255, 0, 0)))
        return QStringLiteral("the peg was not placed");
    const QString correct =
        ChooseFromMenu(window, QStringLiteral("alt+g"), QStringLiteral("g"), QStringLiteral("Correct Combination"));
    if (correct.isEmpty()) {
        KeepScreenshot(Screenshot(), QStringLiteral("installed-no-give-up"));
        return QStringLiteral("Give Up! showed no correct combination; running %1: %2")
            .arg(run.Game.state() == QProcess::Running)
            .arg(QString::fromLocal8Bit(run.Game.readAll()));
    }
    // A key lost while the box takes the focus would leave it open.
    for (int attempt = 0; attempt < 3; ++attempt) {
        Key(correct, QStringLiteral("Return"));
        if (QTest::qWaitFor([] { return TGameRun::WaitForWindow(QStringLiteral("Correct Combination"), 0).isEmpty(); },
                            2000))
            return {};
    }
    KeepScreenshot(Screenshot(), QStringLiteral("installed-combination-open"));
    return QStringLiteral("the correct combination stayed open");
}

// Game > Exit; returns what went wrong, or "".
QString Exit(TInstalledRun& run, const QString& window)
{
    for (int attempt = 0; attempt < 3 && run.Game.state() != QProcess::NotRunning; ++attempt) {
        Key(window, QStringLiteral("alt+g"));
        if (WaitForMenu()) {
            XDo({QStringLiteral("key"), QStringLiteral("x")});
            run.Game.waitForFinished(3000);
        } else {
            XDo({QStringLiteral("key"), QStringLiteral("Escape")});
        }
    }
    if (run.Game.state() != QProcess::NotRunning || run.Game.exitCode() != 0) {
        KeepScreenshot(Screenshot(), QStringLiteral("installed-no-exit"));
        return QStringLiteral("the game did not exit cleanly (running %1, exit code %2): %3")
            .arg(run.Game.state() != QProcess::NotRunning)
            .arg(run.Game.exitCode())
            .arg(QString::fromLocal8Bit(run.Game.readAll()));
    }
    return {};
}

QString ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList SettingsFilesUnder(const QString& folder)
{
    QStringList found;
    QDirIterator it(folder, {QStringLiteral("Peglore.ini")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found << it.next();
    return found;
}
}  // namespace

class TestInstalledGame : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString helpText = QStringLiteral("Usage: peglore [options]\n"
                                                "       peglore --solve ROW...\n"
                                                "A code-breaking board game of coloured pegs.\n"
                                                "In the game, H fills the current row with a hint and F3 shows the "
                                                "analysis window.\n"
                                                "F4 in the game shows the records of the games played, kept in "
                                                "Peglore.records\n"
                                                "($XDG_DATA_HOME/peglore/, else ~/.local/share/peglore/, when "
                                                "installed).\n"
                                                "Tools > Daily Game (Ctrl+D) starts today's game, the same secret "
                                                "for every player;\n"
                                                "its result, key pegs only, can be copied to share.\n"
                                                "Tools > Hard Mode checks only rows that could be the secret; "
                                                "Tools > Break My Code...\n"
                                                "lets the computer break a code you set; Tools > Variant... sets "
                                                "the colours in play.\n\n"
                                                "Options:\n"
                                                "  -h, --help     Displays this help.\n"
                                                "  -v, --version  Displays the version.\n"
                                                "  --symbols      Draws a small symbol on every peg, so that the "
                                                "colours can be\n"
                                                "                 told apart without colour (Ctrl+Shift+S in the "
                                                "game).\n"
                                                "  --game <N>     Starts the first game as game number N; the same "
                                                "number on the\n"
                                                "                 same board always hides the same secret.\n"
                                                "  --solve        Prints how many secrets still fit the checked rows "
                                                "given as\n"
                                                "                 arguments, and a hint for the next row, without "
                                                "opening a\n"
                                                "                 window. Each ROW is CODE:BLACKS,WHITES with the "
                                                "code in the\n"
                                                "                 digits 1 to 8 of the colour bar, e.g. peglore "
                                                "--solve 1123:1,1\n"
                                                "                 4456:0,2\n"
                                                "  --colours <N>  With --solve: the game plays the first N colours "
                                                "of the colour\n"
                                                "                 bar only, the digits 1 to N (2 to 8; 8 when not "
                                                "given).\n"
                                                "  --no-repeats   With --solve: no colour stands twice in the "
                                                "secret.\n");
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << helpText << QString();
        QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << 0 << helpText << QString();
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0
                                   << QStringLiteral("Peglore " PEGLORE_VERSION "\n") << QString();
        QTest::newRow("unknown option")
            << QStringList{QStringLiteral("--no-such-option")} << 2 << QString()
            << QStringLiteral(
                   "peglore: Unknown option 'no-such-option'.\nTry 'peglore --help' for more information.\n");
        QTest::newRow("--solve") << QStringList{QStringLiteral("--solve"), QStringLiteral("1234:4,0")} << 0
                                 << QStringLiteral("Secrets still possible: 1\nHint: 1234\n") << QString();
        QTest::newRow("--solve, 6 colours without repeats")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("--colours"), QStringLiteral("6"),
                           QStringLiteral("--no-repeats"), QStringLiteral("1234:4,0")}
            << 0 << QStringLiteral("Secrets still possible: 1\nHint: 1234\n") << QString();
        QTest::newRow("--solve, a colour not in play")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("--colours"), QStringLiteral("3"),
                           QStringLiteral("1234:0,0")}
            << 2 << QString()
            << QStringLiteral("peglore: Row 1: '4' is not a colour in play; with --colours 3 colours are the digits "
                              "1 to 3.\n");
        QTest::newRow("--colours without --solve")
            << QStringList{QStringLiteral("--colours"), QStringLiteral("6")} << 2 << QString()
            << QStringLiteral("peglore: --colours and --no-repeats go with --solve.\n"
                              "Try 'peglore --help' for more information.\n");
        QTest::newRow("--solve, --colours 9")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("--colours"), QStringLiteral("9"),
                           QStringLiteral("1234:0,0")}
            << 2 << QString()
            << QStringLiteral("peglore: The number of colours '9' is not a whole number from 2 to 8.\n"
                              "Try 'peglore --help' for more information.\n");
        QTest::newRow("--solve, a contradiction")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("1234:4,0"), QStringLiteral("1235:4,0")} << 1
            << QStringLiteral("Row 2 contradicts the rows before it.\n") << QString();
        QTest::newRow("--game, not a number")
            << QStringList{QStringLiteral("--game"), QStringLiteral("12x")} << 2 << QString()
            << QStringLiteral("peglore: The game number '12x' is not a whole number from 0 to 18446744073709551615.\n"
                              "Try 'peglore --help' for more information.\n");
        QTest::newRow("an argument") << QStringList{QStringLiteral("Peglore.ini")} << 2 << QString()
                                     << QStringLiteral("peglore: Unexpected argument 'Peglore.ini'.\n"
                                                       "Try 'peglore --help' for more information.\n");
        QTest::newRow("--solve, an answer no secret gives")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("12345678:0,0")} << 1
            << QStringLiteral("Row 1: the answer 0 black and 0 white is impossible for 12345678.\n") << QString();
        QTest::newRow("--solve, a wide digit")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("1\uFF12\uFF13\uFF14:0,0")} << 2 << QString()
            << QStringLiteral("peglore: Row 1: '\uFF12' is not a colour; colours are the digits 1 to 8.\n");
        for (const char* number : {" 5", "5 "})
            QTest::newRow(qPrintable(QStringLiteral("--game '%1'").arg(QLatin1String(number))))
                << QStringList{QStringLiteral("--game"), QLatin1String(number), QStringLiteral("--version")} << 0
                << QStringLiteral("Peglore " PEGLORE_VERSION "\n") << QString();
    }
    // Answered in a terminal without a display, and nothing written.
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir home;
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.remove(QStringLiteral("XDG_CONFIG_HOME"));
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(PEGLORE_INSTALLED_GAME), arguments);
        QVERIFY(game.waitForFinished(10000));
        const QString stdOut = QString::fromLocal8Bit(game.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(game.readAllStandardError());
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QVERIFY2(game.exitCode() == exitCode, qPrintable(stdOut + stdErr));
        QCOMPARE(stdOut, out);
        QCOMPARE(stdErr, err);
        QVERIFY(QDir(home.path()).isEmpty());
    }

    // What cannot be done is told in one line on the standard error: an
    // output that takes nothing (> /dev/full), no display to show on.
    void failureToldInOneLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("err");
        const QString full = QStringLiteral("peglore: the standard output cannot be written: %1\n")
                                 .arg(QString::fromLocal8Bit(std::strerror(ENOSPC)));
        const QStringList toFull{QStringLiteral("STDOUT=/dev/full")};
        QTest::newRow("--help > /dev/full") << QStringList{QStringLiteral("--help")} << toFull << 2 << full;
        QTest::newRow("--version > /dev/full") << QStringList{QStringLiteral("--version")} << toFull << 2 << full;
        QTest::newRow("--solve > /dev/full")
            << QStringList{QStringLiteral("--solve"), QStringLiteral("1234:4,0")} << toFull << 2 << full;
        const QString cannot = QStringLiteral("peglore: the game's window cannot be shown: %1.\n");
        QTest::newRow("no DISPLAY") << QStringList{} << QStringList{} << 1 << cannot.arg("DISPLAY is not set");
        QTest::newRow("no X server") << QStringList{} << QStringList{QStringLiteral("DISPLAY=:4242")} << 1
                                     << cannot.arg("the X display ':4242' cannot be reached");
        QTest::newRow("a platform Qt has not")
            << QStringList{} << QStringList{QStringLiteral("QT_QPA_PLATFORM=foo")} << 1
            << cannot.arg("Qt has no platform plugin named 'foo'");
        QTest::newRow("no Wayland socket")
            << QStringList{} << QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland;xcb")} << 1
            << cannot.arg("XDG_RUNTIME_DIR is not set, so there is no Wayland display; DISPLAY is not set");
    }
    void failureToldInOneLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(int, exitCode);
        QFETCH(QString, err);
        QTemporaryDir home;
        QProcess game;
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        env.insert(QStringLiteral("HOME"), home.path());
        for (const QString& entry : environment) {
            if (entry.startsWith(QLatin1String("STDOUT=")))
                game.setStandardOutputFile(entry.section('=', 1));
            else
                env.insert(entry.section('=', 0, 0), entry.section('=', 1));
        }
        game.setProcessEnvironment(env);
        game.start(QStringLiteral(PEGLORE_INSTALLED_GAME), arguments);
        QVERIFY(game.waitForFinished(10000));
        QCOMPARE(game.exitStatus(), QProcess::NormalExit);
        QCOMPARE(QString::fromLocal8Bit(game.readAllStandardError()), err);
        QCOMPARE(game.exitCode(), exitCode);
        QVERIFY(QDir(home.path()).isEmpty());
    }

    // First run with HOME alone: the settings go to ~/.config/peglore/, a
    // folder made for the player only. Second run with XDG_CONFIG_HOME
    // naming the same folder: the counters come back and go on.
    void statisticsKeptInTheConfigFolderFromRunToRun()
    {
        QTemporaryDir home;
        const QString configFolder = home.filePath(QStringLiteral(".config/peglore"));
        const QString settings = configFolder + QStringLiteral("/Peglore.ini");
        {
            TInstalledRun run;
            run.Start(home.path(), QString(), {QStringLiteral("-platform"), QStringLiteral("xcb")});  // Qt's own
            const QString window = WaitForCentredGame();
            QVERIFY2(!window.isEmpty(), qPrintable(QString::fromLocal8Bit(run.Game.readAll())));
            // X11 shells match the window to its menu entry by its class.
            QProcess xprop;
            xprop.start(QStringLiteral("xprop"), {QStringLiteral("-id"), window, QStringLiteral("WM_CLASS")});
            QVERIFY(xprop.waitForFinished(5000));
            const QString desktopEntry =
                ReadFile(QStringLiteral(PEGLORE_INSTALLED_DATA "/applications/io.github.peglore.Peglore.desktop"));
            const QString wmClass = desktopEntry.section(QStringLiteral("StartupWMClass="), 1).section('\n', 0, 0);
            QVERIFY(!wmClass.isEmpty());
            QVERIFY2(xprop.readAll().trimmed().endsWith(QStringLiteral(", \"%1\"").arg(wmClass).toUtf8()),
                     qPrintable(wmClass));

            const QString failure = PlaceAPegAndGiveUp(run, window);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            // The help file is found in the prefix's share folder.
            QVERIFY(!ChooseFromMenu(window, QStringLiteral("alt+h"), QStringLiteral("t"),
                                    QStringLiteral("Help Topics: Peglore Help"))
                         .isEmpty());
            const QString exitFailure = Exit(run, window);
            QVERIFY2(exitFailure.isEmpty(), qPrintable(exitFailure));
        }
        const QString first = ReadFile(settings);
        QVERIFY2(
            first.contains(QStringLiteral("[Statistics]\nTotalGames=1\nGamesWon=0\nGamesLost=0\nUnfinishedGames=1\n")),
            qPrintable(first));
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(configFolder).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);
        QCOMPARE(SettingsFilesUnder(QStringLiteral(PEGLORE_PREFIX)), QStringList());

        {
            TInstalledRun run;
            run.Start(home.path(), home.filePath(QStringLiteral(".config")));
            const QString window = WaitForCentredGame();
            QVERIFY2(!window.isEmpty(), qPrintable(QString::fromLocal8Bit(run.Game.readAll())));
            const QString failure = PlaceAPegAndGiveUp(run, window);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            const QString exitFailure = Exit(run, window);
            QVERIFY2(exitFailure.isEmpty(), qPrintable(exitFailure));
        }
        const QString second = ReadFile(settings);
        QVERIFY2(second.contains(QStringLiteral("TotalGames=2\nGamesWon=0\nGamesLost=0\nUnfinishedGames=2\n")),
                 qPrintable(second));
        QCOMPARE(SettingsFilesUnder(home.path()), QStringList{settings});
        QCOMPARE(SettingsFilesUnder(QStringLiteral(PEGLORE_PREFIX)), QStringList());
    }
};

int main(int argc, char** argv)
{
    TXServer server;
    if (!server.Running()) {
        std::fprintf(stderr, "Xvfb could not be started\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication application(argc, argv);
    TestInstalledGame test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestInstalledGame.moc"
