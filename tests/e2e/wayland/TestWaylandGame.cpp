// The game on a Wayland desktop: started natively (Qt's wayland platform)
// under a headless compositor, sway, which places its windows; the keys
// come through the compositor from a virtual keyboard (wtype), and the
// screen is read through it (grim).

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <vector>

#include <pwd.h>
#include <unistd.h>

#include "e2e/game/TXSession.h"
#include "game/GameNumber.h"
#include "game/PegColors.h"

using namespace peglore::testing;

namespace {

// The desktop file's name without ".desktop": what the compositor matches
// the window to its menu entry and icon by.
const QString AppId = QStringLiteral("io.github.peglore.Peglore");
constexpr int BeginnerClientHeight = 381;

QString RunTool(const QString& program, const QStringList& arguments, const QStringList& environment,
                QByteArray* output = nullptr)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("%1 did not finish").arg(program);
    }
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
               ? QString()
               : QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
}

// A window as the compositor shows it: its title, the application it
// belongs to, how it talks to the compositor, and its own area on the
// screen (the compositor's title bar and border left out).
struct TView {
    QString Title;
    QString AppId;
    QString Shell;
    QRect Area;
    bool Framed = false;  // with the compositor's title bar and border
};

// sway with its headless backend on a screen of 1024 x 768, in a runtime
// folder of its own, with a virtual keyboard kept plugged in from the start
// (a seat without a keyboard gives no window the keyboard focus, so none
// would ever be active). sway refuses to run as root: run as root, it runs
// as the unprivileged user "nobody", whose socket root may still use.
class TCompositor {
public:
    TCompositor()
    {
        const QStringList tools{QStringLiteral("sway"), QStringLiteral("swaymsg"), QStringLiteral("wtype"),
                                QStringLiteral("grim")};
        for (const QString& tool : tools)
            if (QStandardPaths::findExecutable(tool).isEmpty())
                FFailure += QStringLiteral("%1 is not installed (scripts/install-deps.sh installs it). ").arg(tool);
        if (!FFailure.isEmpty() || !FRuntime.isValid())
            return;
        QFile config(FRuntime.filePath(QStringLiteral("sway.conf")));
        config.open(QIODevice::WriteOnly);
        config.write("output HEADLESS-1 resolution 1024x768\n");
        config.close();
        QStringList command{QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()};
        if (::geteuid() == 0) {
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody ||
                ::chown(QFile::encodeName(FRuntime.path()).constData(), nobody->pw_uid, nobody->pw_gid) != 0) {
                FFailure = QStringLiteral("sway refuses to run as root, and no user \"nobody\" can run it");
                return;
            }
            command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(nobody->pw_uid),
                                  QStringLiteral("--regid=%1").arg(nobody->pw_gid), QStringLiteral("--clear-groups")} +
                      command;
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), FRuntime.path());
        env.insert(QStringLiteral("HOME"), FRuntime.path());
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("DISPLAY"));
        FSway.setProcessEnvironment(env);
        FSway.setProcessChannelMode(QProcess::MergedChannels);
        FSway.start(command.takeFirst(), command);
        // Ready once it has made its Wayland socket and its command socket.
        const bool ready = FSway.waitForStarted(5000) && QTest::qWaitFor(
                                                             [this] {
                                                                 FindSockets();
                                                                 return !FDisplay.isEmpty() && !FCommands.isEmpty();
                                                             },
                                                             15000);
        if (!ready) {
            FFailure = QStringLiteral("sway could not be started: %1").arg(QString::fromLocal8Bit(FSway.readAll()));
            return;
        }
        FKeyboard.setProcessEnvironment(ClientEnvironment());
        FKeyboard.start(QStringLiteral("wtype"), {QStringLiteral("-s"), QStringLiteral("3600000")});
        if (!FKeyboard.waitForStarted(5000) || !QTest::qWaitFor([this] { return SeatHasKeyboard(); }, 10000))
            FFailure = QStringLiteral("no virtual keyboard could be plugged into sway");
    }

    ~TCompositor()
    {
        for (QProcess* process : {&FKeyboard, &FSway}) {
            if (process->state() == QProcess::NotRunning)
                continue;
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            process->waitForFinished();
        }
    }

    QString Failure() const { return FFailure; }

    // What a client of this compositor needs in its environment.
    QStringList Environment() const
    {
        return {QStringLiteral("WAYLAND_DISPLAY=%1").arg(FDisplay),
                QStringLiteral("XDG_RUNTIME_DIR=%1").arg(FRuntime.path()),
                QStringLiteral("SWAYSOCK=%1").arg(FCommands)};
    }

    std::vector<TView> Views() const
    {
        QByteArray tree;
        if (!RunTool(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")}, Environment(),
                     &tree)
                 .isEmpty())
            return {};
        std::vector<TView> views;
        CollectViews(QJsonDocument::fromJson(tree).object(), views);
        return views;
    }

    // The shown window titled title, waited for.
    std::optional<TView> WaitForView(const QString& title, int timeoutMs = 15000) const
    {
        std::optional<TView> found;
        (void)QTest::qWaitFor(
            [&] {
                for (const TView& view : Views())
                    if (view.Title == title)
                        found = view;
                return found.has_value();
            },
            timeoutMs);
        return found;
    }

    // The window titled title once the compositor has framed it: until then
    // Qt draws a title bar of its own, and the window's area is not yet
    // where it stays.
    std::optional<TView> WaitForFramed(const QString& title) const
    {
        std::optional<TView> framed;
        (void)QTest::qWaitFor(
            [&] {
                framed = WaitForView(title);
                return framed && framed->Framed;
            },
            15000);
        return framed && framed->Framed ? framed : std::nullopt;
    }

    bool WaitForViewGone(const QString& title, int timeoutMs = 15000) const
    {
        return QTest::qWaitFor(
            [&] {
                const std::vector<TView> views = Views();
                return std::none_of(views.begin(), views.end(), [&](const TView& v) { return v.Title == title; });
            },
            timeoutMs);
    }

    // Types through the compositor: wtype's arguments, one key a call.
    bool Type(const QStringList& arguments) const
    {
        return RunTool(QStringLiteral("wtype"), arguments, Environment()).isEmpty();
    }

    QImage Screenshot() const
    {
        QByteArray png;
        RunTool(QStringLiteral("grim"), {QStringLiteral("-")}, Environment(), &png);
        return QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    }

    // Waits until area of the screen differs from before (a menu has
    // opened over it, say).
    bool WaitForChange(const QRect& area, const QImage& before) const
    {
        return QTest::qWaitFor([&] { return Screenshot().copy(area) != before.copy(area); }, 5000);
    }

private:
    void FindSockets()
    {
        const QDir runtime(FRuntime.path());
        for (const QString& name : runtime.entryList(QDir::System)) {
            if (name.startsWith(QLatin1String("wayland-")) && !name.endsWith(QLatin1String(".lock")))
                FDisplay = name;
            else if (name.startsWith(QLatin1String("sway-ipc.")))
                FCommands = runtime.filePath(name);
        }
    }

    QProcessEnvironment ClientEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& entry : Environment())
            env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
        return env;
    }

    bool SeatHasKeyboard() const
    {
        QByteArray seats;
        RunTool(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_seats")}, Environment(), &seats);
        const QJsonArray all = QJsonDocument::fromJson(seats).array();
        // wl_seat's capability bit 2: a keyboard.
        return !all.isEmpty() && (all.first().toObject().value(QLatin1String("capabilities")).toInt() & 2);
    }

    static void CollectViews(const QJsonObject& node, std::vector<TView>& views)
    {
        if (node.contains(QLatin1String("app_id")) && node.value(QLatin1String("visible")).toBool()) {
            const QJsonObject rect = node.value(QLatin1String("rect")).toObject();
            const QJsonObject inner = node.value(QLatin1String("window_rect")).toObject();
            views.push_back(
                {node.value(QLatin1String("name")).toString(), node.value(QLatin1String("app_id")).toString(),
                 node.value(QLatin1String("shell")).toString(),
                 QRect(rect.value(QLatin1String("x")).toInt() + inner.value(QLatin1String("x")).toInt(),
                       rect.value(QLatin1String("y")).toInt() + inner.value(QLatin1String("y")).toInt(),
                       inner.value(QLatin1String("width")).toInt(), inner.value(QLatin1String("height")).toInt()),
                 node.value(QLatin1String("border")).toString() != QLatin1String("none")});
        }
        for (const char* children : {"nodes", "floating_nodes"})
            for (const QJsonValue& child : node.value(QLatin1String(children)).toArray())
                CollectViews(child.toObject(), views);
    }

    QTemporaryDir FRuntime;
    QProcess FSway;
    QProcess FKeyboard;
    QString FDisplay;
    QString FCommands;
    QString FFailure;
};

QColor ColourOfPeg(int pegIndex)
{
    const peglore::TColor c = peglore::PegColors[std::size_t(pegIndex)];
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

}  // namespace

class TestWaylandGame : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(FCompositor.Failure().isEmpty(), qPrintable(FCompositor.Failure())); }

    void playsABeginnerGameNativelyAndSavesOnExit()
    {
        TGameRun game;
        game.Start(FCompositor.Environment() + QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland")},
                   {QStringLiteral("--game"), QStringLiteral("5")});
        const std::optional<TView> main = FCompositor.WaitForFramed(QStringLiteral("Peglore"));
        QVERIFY2(main, qPrintable(game.Output()));
        QCOMPARE(main->Shell, QStringLiteral("xdg_shell"));  // a Wayland client, not one through Xwayland
        QCOMPARE(main->AppId, AppId);
        // The client area below the menu bar, where the compositor put it.
        const QRect client(main->Area.left(), main->Area.bottom() + 1 - BeginnerClientHeight, 288,
                           BeginnerClientHeight);

        // A dialog, from the Help menu by its access keys.
        QImage before = FCompositor.Screenshot();
        QVERIFY(FCompositor.Type({QStringLiteral("-M"), QStringLiteral("alt"), QStringLiteral("h"),
                                  QStringLiteral("-m"), QStringLiteral("alt")}));
        QVERIFY(FCompositor.WaitForChange(client, before));
        QVERIFY(FCompositor.Type({QStringLiteral("a")}));
        const std::optional<TView> about = FCompositor.WaitForView(QStringLiteral("About..."));
        QVERIFY(about);
        KeepScreenshot(FCompositor.Screenshot(), QStringLiteral("wayland-about"));
        QVERIFY(FCompositor.Type({QStringLiteral("-k"), QStringLiteral("Return")}));
        QVERIFY(FCompositor.WaitForViewGone(QStringLiteral("About...")));

        // Game 5's secret, typed with the colour bar's keys: the full row
        // is checked at once, and won.
        std::vector<int> secret(3);
        peglore::SecretOfGame(5, secret);
        for (const int peg : secret) {
            const auto at = std::find(peglore::ColorBarOrder.begin(), peglore::ColorBarOrder.end(), peg);
            QVERIFY(FCompositor.Type({QString::number(at - peglore::ColorBarOrder.begin() + 1)}));
        }
        QVERIFY(FCompositor.WaitForView(QStringLiteral("Information")));
        const QImage shot = FCompositor.Screenshot();
        QCOMPARE(FCompositor.WaitForView(QStringLiteral("Peglore"))->Area, main->Area);
        KeepScreenshot(shot, QStringLiteral("wayland-won"));
        for (int col = 0; col < 3; ++col)
            QCOMPARE(shot.pixelColor(client.topLeft() + QPoint(43 + 2 + 31 * col + 15, 83 + 2 + 12)),
                     ColourOfPeg(secret[std::size_t(col)]));
        QVERIFY(FCompositor.Type({QStringLiteral("-k"), QStringLiteral("Return")}));
        QVERIFY(FCompositor.WaitForViewGone(QStringLiteral("Information")));

        // Game, Exit.
        before = FCompositor.Screenshot();
        QVERIFY(FCompositor.Type({QStringLiteral("-M"), QStringLiteral("alt"), QStringLiteral("g"),
                                  QStringLiteral("-m"), QStringLiteral("alt")}));
        QVERIFY(FCompositor.WaitForChange(client, before));
        QVERIFY(FCompositor.Type({QStringLiteral("x")}));
        QCOMPARE(game.WaitForExit(), 0);
        const QString settings = game.ReadSettings();
        QVERIFY2(settings.contains(QStringLiteral("TotalGames=1\nGamesWon=1\n")), qPrintable(settings));
    }

private:
    TCompositor FCompositor;
};

QTEST_GUILESS_MAIN(TestWaylandGame)
#include "TestWaylandGame.moc"
