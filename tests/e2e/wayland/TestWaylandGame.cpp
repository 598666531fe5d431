// The game on a Wayland desktop: started natively (Qt's wayland platform)
// under sway's headless backend, which places its windows, and played with
// keys typed through the compositor by a virtual keyboard (wtype). Not
// weston: its headless backend has no input device and speaks no virtual
// keyboard protocol.

#include <QtTest>

#include <pwd.h>
#include <unistd.h>

#include "e2e/game/TXSession.h"
#include "game/GameNumber.h"
#include "game/PegColors.h"

using namespace peglore::testing;

namespace {
bool Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Whether sway shows a window so titled of the game as a Wayland client
// (not through Xwayland), known by its desktop file's name.
bool Shown(const QString& title)
{
    return Run(
        "swaymsg",
        {QStringLiteral("[app_id=\"^io.github.peglore.Peglore$\" shell=xdg_shell title=\"^%1$\"] nop").arg(title)});
}
}  // namespace

class TestWaylandGame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // sway refuses to run as root; as root, it runs as "nobody".
        QStringList sway{"sway", "-c", "/dev/null"};
        const passwd* nobody = ::getpwnam("nobody");
        if (::geteuid() == 0 && nobody && ::chown(qPrintable(FRuntime.path()), nobody->pw_uid, nobody->pw_gid) == 0)
            sway = QStringList{"setpriv", QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                               QStringLiteral("--regid=%1").arg(nobody->pw_gid), "--clear-groups"} +
                   sway;
        for (const char* setting : {"WLR_BACKENDS=headless", "WLR_RENDERER=pixman", "WLR_LIBINPUT_NO_DEVICES=1"})
            qputenv(QByteArray(setting).split('=')[0], QByteArray(setting).split('=')[1]);
        qputenv("XDG_RUNTIME_DIR", FRuntime.path().toLocal8Bit());
        FSway.setProcessChannelMode(QProcess::MergedChannels);
        FSway.start(sway.takeFirst(), sway);
        const QDir runtime(FRuntime.path());
        QVERIFY2(QTest::qWaitFor([&] { return !runtime.entryList({"sway-ipc.*"}, QDir::System).isEmpty(); }, 15000),
                 qPrintable("sway could not be started (scripts/install-deps.sh installs it): " + FSway.readAll()));
        qputenv("SWAYSOCK", runtime.filePath(runtime.entryList({"sway-ipc.*"}, QDir::System)[0]).toLocal8Bit());
        qputenv("WAYLAND_DISPLAY", runtime.entryList({"wayland-?"}, QDir::System).value(0).toLocal8Bit());
        // A seat without a keyboard gives no window the focus: the keyboard
        // is plugged in before the game starts, and stays.
        FKeyboard.start("wtype", {"-s", "3600000"});
        const QStringList keyboard{"-c", "swaymsg -t get_seats | grep -q '\"keyboard\"'"};
        QVERIFY2(QTest::qWaitFor([&] { return Run("sh", keyboard); }, 10000), "wtype could plug no keyboard into sway");
    }
    void cleanupTestCase()
    {
        for (QProcess* process : {&FKeyboard, &FSway}) {
            process->terminate();
            process->waitForFinished(5000);
        }
    }

    void playsABeginnerGameNativelyAndSavesOnExit()
    {
        TGameRun game;
        game.Start({"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=" + FRuntime.path()}, {"--game", "5"});
        QVERIFY2(QTest::qWaitFor([] { return Shown("Peglore"); }, 15000), qPrintable(game.Output()));
        // Game 5's secret, typed with the colour bar's keys: checked at once,
        // and won; the box says so.
        std::vector<int> secret(3);
        peglore::SecretOfGame(5, secret);
        for (const int peg : secret)
            QVERIFY(Run("wtype",
                        {QString::number(std::find(peglore::ColorBarOrder.begin(), peglore::ColorBarOrder.end(), peg) -
                                         peglore::ColorBarOrder.begin() + 1)}));
        QVERIFY(QTest::qWaitFor([] { return Shown("Information"); }, 5000));
        if (const QString shots = qEnvironmentVariable("PEGLORE_E2E_SHOTS"); !shots.isEmpty())
            Run("grim", {QDir(shots).filePath("wayland-won.png")});  // through the compositor, for a person to see
        QVERIFY(Run("wtype", {"-k", "Return"}));
        QVERIFY(QTest::qWaitFor([] { return !Shown("Information"); }, 5000));
        // Game, Exit; a key that came before the menu was open is lost, as
        // a player's would be, and the choice made again.
        for (int attempt = 0; attempt < 3 && game.IsRunning(); ++attempt) {
            Run("wtype", {"-M", "alt", "g", "-m", "alt"});
            Run("wtype", {"x"});
            if (game.WaitForExit(3000) < 0)
                Run("wtype", {"-k", "Escape"});
        }
        QCOMPARE(game.WaitForExit(), 0);
        QVERIFY2(game.ReadSettings().contains("TotalGames=1\nGamesWon=1\n"), qPrintable(game.ReadSettings()));
    }

private:
    QTemporaryDir FRuntime;
    QProcess FSway;
    QProcess FKeyboard;
};

QTEST_GUILESS_MAIN(TestWaylandGame)
#include "TestWaylandGame.moc"
