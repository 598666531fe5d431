#include "e2e/game/TXSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cmath>

#include <signal.h>

namespace peglore::testing {

QPoint Centred(QSize outer)
{
    return {int(std::nearbyint(ScreenWidth * 0.5 - outer.width() * 0.5)),
            int(std::nearbyint(ScreenHeight * 0.5 - outer.height() * 0.5))};
}

TXServer::TXServer(int depth)
{
    // The server picks a free display itself and names it on its standard
    // output once it accepts clients, so two runs never share one.
    auto server = std::make_unique<QProcess>();
    server->setProcessChannelMode(QProcess::SeparateChannels);
    server->start(QStringLiteral("Xvfb"),
                  {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                   QStringLiteral("%1x%2x%3").arg(ScreenWidth).arg(ScreenHeight).arg(depth), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server->waitForStarted(5000))
        return;  // no Xvfb at all
    QByteArray named;
    QElapsedTimer clock;
    clock.start();
    while (!named.contains('\n') && clock.elapsed() < 10000 && server->state() == QProcess::Running) {
        server->waitForReadyRead(100);
        named += server->readAllStandardOutput();
    }
    bool ok = false;
    const int display = named.trimmed().toInt(&ok);
    if (!ok || server->state() != QProcess::Running)
        return;
    FServer = std::move(server);
    FDisplay = display;
    qputenv("DISPLAY", Display().toLatin1());
}

TXServer::~TXServer()
{
    if (FServer) {
        FServer->terminate();
        if (!FServer->waitForFinished(5000))
            FServer->kill();
    }
}

namespace {
QString Run(const QString& program, const QStringList& arguments, int timeoutMs = 10000)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// "Absolute upper-left X:  367" and the like, from xwininfo.
QRect XWinInfoGeometry(const QString& text)
{
    int x = 0, y = 0, w = 0, h = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString key = line.section(QLatin1Char(':'), 0, 0).trimmed();
        const int value = line.section(QLatin1Char(':'), 1).trimmed().toInt();
        if (key == QLatin1String("Absolute upper-left X"))
            x = value;
        else if (key == QLatin1String("Absolute upper-left Y"))
            y = value;
        else if (key == QLatin1String("Width"))
            w = value;
        else if (key == QLatin1String("Height"))
            h = value;
    }
    return {x, y, w, h};
}
}  // namespace

TWindowManager::TWindowManager()
{
    Start();
}

TWindowManager::~TWindowManager()
{
    Stop();
}

namespace {
bool WindowManagerAnnounced()
{
    return Run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
        .contains(QLatin1String("window id"));
}
}  // namespace

bool TWindowManager::Start()
{
    Stop();
    FManager = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), FHome.path());  // no one's own openbox settings
    FManager->setProcessEnvironment(env);
    FManager->setProcessChannelMode(QProcess::MergedChannels);
    FManager->start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    // Ready once it has announced itself on the root window.
    FRunning = FManager->waitForStarted(5000) && QTest::qWaitFor(WindowManagerAnnounced, 10000);
    return FRunning;
}

void TWindowManager::Stop()
{
    FRunning = false;
    if (!FManager)
        return;
    Resume();  // a held process would not end
    if (FManager->state() != QProcess::NotRunning) {
        FManager->terminate();
        if (!FManager->waitForFinished(5000))
            FManager->kill();
    }
    FManager.reset();
    // Nothing of it may linger into what runs without a window manager.
    (void)QTest::qWaitFor([] { return !WindowManagerAnnounced(); }, 3000);
}

void TWindowManager::Hold()
{
    if (FManager && FManager->state() == QProcess::Running)
        ::kill(pid_t(FManager->processId()), SIGSTOP);
}

void TWindowManager::Resume()
{
    if (FManager && FManager->state() == QProcess::Running)
        ::kill(pid_t(FManager->processId()), SIGCONT);
}

QString XDo(const QStringList& arguments, int timeoutMs)
{
    return Run(QStringLiteral("xdotool"), arguments, timeoutMs);
}

TGameRun::TGameRun()
{
    const QDir bin(QStringLiteral(PEGLORE_BIN_DIR));
    for (const char* name : {"peglore", "Peglore.mid", "Peglore.hlp"}) {
        const QString file = QString::fromLatin1(name);
        QFile::copy(bin.filePath(file), FFolder.filePath(file));
    }
    QFile::setPermissions(FFolder.filePath(QStringLiteral("peglore")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TGameRun::~TGameRun()
{
    if (FGame.state() != QProcess::NotRunning) {
        FGame.kill();
        FGame.waitForFinished(5000);
    }
}

void TGameRun::WriteSettings(const QByteArray& text) const
{
    QFile file(SettingsPath());
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

QString TGameRun::ReadSettings() const
{
    QFile file(SettingsPath());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void TGameRun::Start(const QStringList& environment, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), Folder());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), Folder());
    // No sound card here: let the player find none quickly.
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    for (const QString& entry : environment)
        env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    FGame.setProcessEnvironment(env);
    FGame.setProcessChannelMode(QProcess::MergedChannels);
    FGame.setWorkingDirectory(QDir::rootPath());  // the game must find its files by itself
    FGame.start(FFolder.filePath(QStringLiteral("peglore")), arguments);
    FGame.waitForStarted(10000);
}

QString TGameRun::WaitForWindow(const QString& title, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    const QString pattern = QStringLiteral("^%1$").arg(QRegularExpression::escape(title));
    // Looks at least once, however short the time.
    for (;;) {
        const QString found =
            XDo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern});
        if (!found.isEmpty())
            return found.section(QLatin1Char('\n'), 0, 0);
        if (clock.elapsed() >= timeoutMs)
            return {};
        QTest::qWait(100);
    }
}

int TGameRun::WaitForExit(int timeoutMs)
{
    if (FGame.state() != QProcess::NotRunning && !FGame.waitForFinished(timeoutMs))
        return -1;
    return FGame.exitStatus() == QProcess::NormalExit ? FGame.exitCode() : -1;
}

bool TGameRun::IsRunning() const
{
    return FGame.state() == QProcess::Running;
}

void TGameRun::Signal(int signal) const
{
    if (FGame.state() == QProcess::Running)
        ::kill(pid_t(FGame.processId()), signal);
}

QString TGameRun::Output() const
{
    return QString::fromLocal8Bit(const_cast<QProcess&>(FGame).readAll());
}

QString WaitForCentredGame()
{
    const QString window = TGameRun::WaitForWindow(QStringLiteral("Peglore"));
    if (!window.isEmpty())
        (void)QTest::qWaitFor(
            [&] { return FrameGeometry(window).topLeft() == Centred(FrameGeometry(window).size()); }, 5000);
    return window;
}

void Key(const QString& window, const QString& keys)
{
    XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
    XDo(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")} +
        keys.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

void Drag(QPoint from, QPoint to)
{
    XDo({QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y())});
    XDo({QStringLiteral("mousedown"), QStringLiteral("1")});
    const int steps = 12;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        XDo({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    }
    // Released once the game shows the peg under the pointer, and done
    // once it has dropped it.
    (void)WaitForUnframedWindow(true);
    XDo({QStringLiteral("mouseup"), QStringLiteral("1")});
    (void)WaitForUnframedWindow(false);
}

bool DragPeg(QPoint from, QPoint to, const QColor& colour)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        Drag(from, to);
        if (QTest::qWaitFor([&] { return Screenshot().pixelColor(to) == colour; }, 3000))
            return true;
    }
    return false;
}

bool WaitForMenu(int timeoutMs)
{
    return WaitForUnframedWindow(true, timeoutMs);
}

bool WaitForUnframedWindow(bool shown, int timeoutMs)
{
    return QTest::qWaitFor(
        [shown] {
            const QStringList windows =
                XDo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                     QStringLiteral("^peglore$")})
                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            // The window type does not always say what the window is.
            return shown == std::any_of(windows.begin(), windows.end(), [](const QString& window) {
                return Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window})
                    .contains(QLatin1String("Override Redirect State: yes"));
            });
        },
        timeoutMs);
}

QString ChooseFromMenu(const QString& window, const QString& menuKey, const QString& itemKey, const QString& title)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        Key(window, menuKey);
        if (WaitForMenu()) {
            XDo({QStringLiteral("key"), itemKey});
            const QString opened = TGameRun::WaitForWindow(title, 3000);
            if (!opened.isEmpty())
                return opened;
        }
        XDo({QStringLiteral("key"), QStringLiteral("Escape")});  // a menu left open
    }
    return {};
}

QRect WindowGeometry(const QString& window)
{
    return XWinInfoGeometry(Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}));
}

QRect FrameGeometry(const QString& window)
{
    const QString tree = Run(QStringLiteral("xwininfo"), {QStringLiteral("-tree"), QStringLiteral("-id"), window});
    for (const QString& line : tree.split(QLatin1Char('\n'))) {
        if (!line.contains(QLatin1String("Parent window id:")))
            continue;
        if (line.contains(QLatin1String("(the root window)")))
            break;
        const QString parent = line.section(QLatin1Char(':'), 1).trimmed().section(QLatin1Char(' '), 0, 0);
        return XWinInfoGeometry(Run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), parent}));
    }
    return WindowGeometry(window);
}

QImage Screenshot()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

void KeepScreenshot(const QImage& shot, const QString& name)
{
    const QString folder = qEnvironmentVariable("PEGLORE_E2E_SHOTS");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        shot.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
}

}  // namespace peglore::testing
