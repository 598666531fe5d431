// The application object: an error escaping an event handler is reported
// in the general error box, and the program goes on.

#include <QMessageBox>
#include <QtTest>

#include <cstring>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/DisplayCheck.h"
#include "app/TPegloreApplication.h"
#include "support/ModalAnswer.h"

using namespace peglore;
using namespace peglore::testing;

namespace {
// Throws from its event handler, as a failing command would.
class TThrowingObject : public QObject {
public:
    int Handled = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::User) {
            ++Handled;
            throw std::runtime_error("Unable to write to /home/player/Peglore.ini");
        }
        return QObject::event(event);
    }
};
// A Wayland compositor as far as the display check can tell: a Unix
// socket at path that takes connections.
struct TListeningSocket {
    int Fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    explicit TListeningSocket(const QByteArray& path)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
        if (::bind(Fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(Fd, 4) != 0)
            qFatal("no socket at %s", path.constData());
    }
    ~TListeningSocket() { ::close(Fd); }
};
}  // namespace

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void titleNamesTheGame() { QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Peglore")); }

    void escapedErrorIsReportedAndTheLoopGoesOn()
    {
        TThrowingObject thrower;
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        AnswerNextModal([](QWidget* m) { QTest::keyClick(m, Qt::Key_Return); },
                        [&](QWidget* m) {
                            auto* box = qobject_cast<QMessageBox*>(m);
                            caption = box->windowTitle();
                            text = box->text();
                            icon = box->icon();
                        });
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTRY_COMPARE(thrower.Handled, 1);
        QTRY_COMPARE(text, QStringLiteral("Unable to write to /home/player/Peglore.ini."));
        QCOMPARE(caption, QStringLiteral("Peglore"));
        QCOMPARE(icon, QMessageBox::Critical);
        // The event loop still serves the next event.
        bool served = false;
        QTimer::singleShot(0, [&] { served = true; });
        QTRY_VERIFY(served);
    }

    void displayDepthThreshold_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("sufficient");
        QTest::newRow("monochrome") << 1 << false;
        QTest::newRow("16 colours") << 4 << false;
        QTest::newRow("7 bits") << 7 << false;
        QTest::newRow("256 colours") << 8 << true;
        QTest::newRow("true colour") << 24 << true;
    }
    void displayDepthThreshold()
    {
        QFETCH(int, depth);
        QFETCH(bool, sufficient);
        QCOMPARE(DisplayDepthSufficient(depth), sufficient);
    }

    // The platforms Qt would try, and whether one of them can show the
    // window; the X cases, which need a server, are the end-to-end tests'.
    void displayReachable_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QString>("unreachable");
        const QStringList all{"xcb", "offscreen", "wayland", "wayland-egl"};
        const QString cannot = QStringLiteral("the game's window cannot be shown: ");
        QTest::newRow("offscreen") << QStringList{"QT_QPA_PLATFORM=offscreen"} << QStringList{} << all << QString();
        QTest::newRow("offscreen, with options, in capitals")
            << QStringList{"QT_QPA_PLATFORM=OFFSCREEN:size=800x600"} << QStringList{} << all << QString();
        QTest::newRow("Wayland") << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=@"} << QStringList{} << all
                                 << QString();
        QTest::newRow("Wayland socket named") << QStringList{"QT_QPA_PLATFORM=wayland-egl", "WAYLAND_DISPLAY=@/wayland-0"}
                                              << QStringList{} << all << QString();
        QTest::newRow("Wayland session") << QStringList{"XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=@"}
                                         << QStringList{} << all << QString();
        QTest::newRow("xcb, else wayland") << QStringList{"QT_QPA_PLATFORM=xcb;wayland", "XDG_RUNTIME_DIR=@"}
                                           << QStringList{} << all << QString();
        QTest::newRow("-platform before the environment")
            << QStringList{"QT_QPA_PLATFORM=foo"} << QStringList{"-platform", "offscreen"} << all << QString();
        QTest::newRow("--platform") << QStringList{"QT_QPA_PLATFORM=xcb"} << QStringList{"--platform", "foo"} << all
                                    << cannot + "Qt has no platform plugin named 'foo'.";
        QTest::newRow("nothing to show on")
            << QStringList{"XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=@", "WAYLAND_DISPLAY=none"} << QStringList{}
            << all << cannot + "no Wayland display answers at @/none; DISPLAY is not set.";
        QTest::newRow("Wayland without XDG_RUNTIME_DIR")
            << QStringList{"QT_QPA_PLATFORM=wayland"} << QStringList{} << all
            << cannot + "XDG_RUNTIME_DIR is not set, so there is no Wayland display.";
        QTest::newRow("Wayland without its plugin")
            << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_RUNTIME_DIR=@"} << QStringList{}
            << QStringList{"xcb", "offscreen"} << cannot + "Qt has no platform plugin named 'wayland'.";
        QTest::newRow("plugins unknown") << QStringList{"QT_QPA_PLATFORM=foo"} << QStringList{} << QStringList{}
                                         << QString();
    }
    void displayReachable()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, installed);
        QFETCH(QString, unreachable);
        // "@" stands for a folder with a listening socket wayland-0.
        QTemporaryDir runtime;
        const TListeningSocket compositor(QFile::encodeName(runtime.filePath(QStringLiteral("wayland-0"))));
        std::map<std::string, std::string> variables;
        for (const QString& entry : environment)
            variables[entry.section('=', 0, 0).toStdString()] =
                entry.section('=', 1).replace('@', runtime.path()).toStdString();
        std::vector<std::string> argumentTexts{"peglore"};
        for (const QString& argument : arguments)
            argumentTexts.push_back(argument.toStdString());
        std::vector<char*> argv;
        for (std::string& text : argumentTexts)
            argv.push_back(text.data());
        const TEnvironment lookup = [&](const char* name) {
            const auto found = variables.find(name);
            return found == variables.end() ? nullptr : found->second.c_str();
        };
        const std::string said = UnreachableDisplay(lookup, argv, [&] {
            std::vector<std::string> names;
            for (const QString& name : installed)
                names.push_back(name.toStdString());
            return names;
        });
        QCOMPARE(QString::fromStdString(said), QString(unreachable).replace('@', runtime.path()));
    }

    // Qt's own platforms are found without loading one.
    void installedPlatformsAreRead()
    {
        char name[] = "peglore";
        char* argv[] = {name};
        const std::vector<std::string> found = InstalledPlatforms([](const char* n) { return std::getenv(n); }, argv);
        for (const char* platform : {"xcb", "offscreen"})
            QVERIFY2(std::find(found.begin(), found.end(), platform) != found.end(), platform);
    }

    void displayDepthCanBeForcedForTrials()
    {
        qputenv("PEGLORE_DISPLAY_DEPTH", "4");
        QCOMPARE(DisplayDepth(), 4);
        qunsetenv("PEGLORE_DISPLAY_DEPTH");
        QVERIFY(DisplayDepth() >= 8);  // the offscreen screen
    }
};

int main(int argc, char** argv)
{
    TPegloreApplication application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestApplication.moc"
