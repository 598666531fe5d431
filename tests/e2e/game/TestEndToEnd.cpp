// The game as a player meets it: started from its folder under an X
// server, looked at on the screen, driven with the mouse and the keyboard.

#include <QApplication>
#include <QtTest>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include <signal.h>

#include "e2e/game/TXSession.h"
#include "game/GameNumber.h"
#include "game/PegColors.h"

using namespace peglore::testing;

namespace {
constexpr int BeginnerClientHeight = 381;

const QColor Red(255, 0, 0);
const QColor EmptyHole(Qt::white);

// Where the player's targets are, in client coordinates of a board of
// 30 x 25 holes at 43, 83.
QPoint HoleCentre(int col, int row)
{
    return {43 + 2 + 31 * col + 15, 83 + 2 + 26 * row + 12};
}
QPoint SwatchCentre(int index)
{
    const int lefts[] = {3, 30, 58, 85, 112, 139, 167, 194};
    return {1 + lefts[index] + 12, 49 + 4 + 11};
}

// Reads one 16 x 32 clock digit from the screen: the lit bars, in the
// bit order of the seven-segment display, give its mask.
int ReadDigit(const QImage& shot, QPoint topLeft)
{
    static constexpr std::array<QPoint, 7> barCentres = {{
        {7, 2},
        {7, 15},
        {7, 29},
        {2, 8},
        {13, 8},
        {2, 21},
        {13, 21},
    }};
    static constexpr std::array<int, 10> masks = {125, 80, 55, 87, 90, 79, 111, 81, 127, 95};
    int mask = 0;
    for (int bar = 0; bar < 7; ++bar)
        if (shot.pixelColor(topLeft + barCentres[bar]) == Red)
            mask |= 1 << bar;
    for (int digit = 0; digit < 10; ++digit)
        if (masks[digit] == mask)
            return digit;
    return -1;
}

// The clock's three digits as one number, -1 when one cannot be read.
int ReadClock(const QImage& shot, QPoint clockPanel)
{
    int seconds = 0;
    for (int left : {3, 19, 35}) {
        const int digit = ReadDigit(shot, clockPanel + QPoint(left, 3));
        if (digit < 0)
            return -1;
        seconds = seconds * 10 + digit;
    }
    return seconds;
}

// Waits until the clock panel at clock shows at least seconds in its units
// digit; returns the units last read, and the screenshot they were read
// from in shot.
int WaitForSeconds(QPoint clock, int seconds, QImage& shot)
{
    int units = -1;
    (void)QTest::qWaitFor(
        [&] {
            shot = Screenshot();
            units = ReadDigit(shot, clock + QPoint(35, 3));
            return units >= seconds;
        },
        (seconds + 4) * 1000);
    return units;
}

struct TWindow {
    QString Id;
    QRect Frame;
    QPoint Client;  // the client area's top-left corner on the screen
};

TWindow WaitForGame(TGameRun& game, int clientHeight = BeginnerClientHeight)
{
    TWindow w;
    w.Id = WaitForCentredGame();
    if (w.Id.isEmpty())
        return w;
    w.Frame = WindowGeometry(w.Id);
    w.Client = QPoint(w.Frame.left(), w.Frame.bottom() + 1 - clientHeight);
    XDo({QStringLiteral("windowfocus"), QStringLiteral("--sync"), w.Id});
    Q_UNUSED(game);
    return w;
}

// Starts the game with Settings as its settings file (none when empty)
// and waits for its window.
TWindow StartGame(TGameRun& game, const QByteArray& settings = {}, int clientHeight = BeginnerClientHeight,
                  const QStringList& arguments = {})
{
    if (!settings.isEmpty())
        game.WriteSettings(settings);
    game.Start({}, arguments);
    return WaitForGame(game, clientHeight);
}

// The first game's secret, as palette indices, when it is game number.
std::vector<int> SecretOf(std::uint64_t number, int columns)
{
    std::vector<int> secret(static_cast<std::size_t>(columns));
    peglore::SecretOfGame(number, secret);
    return secret;
}

// The key that places a palette colour: its place on the colour bar.
QString KeyOfPeg(int pegIndex)
{
    const auto* at = std::find(peglore::ColorBarOrder.begin(), peglore::ColorBarOrder.end(), pegIndex);
    return QString::number(at - peglore::ColorBarOrder.begin() + 1);
}

// How many pixels of area on shot are of the kind wanted.
int CountPixels(const QImage& shot, const QRect& area, const std::function<bool(const QColor&)>& wanted)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += wanted(shot.pixelColor(x, y)) ? 1 : 0;
    return count;
}

bool IsDark(const QColor& c)
{
    return c.red() < 64 && c.green() < 64 && c.blue() < 64;
}

// Waits for a box titled title and answers it with keys.
bool Answer(const QString& title, const QString& keys)
{
    const QString box = TGameRun::WaitForWindow(title);
    if (box.isEmpty())
        return false;
    Key(box, keys);
    return true;
}

// Waits until no visible window has the title title.
bool WaitForWindowGone(const QString& title, int timeoutMs = 5000)
{
    return QTest::qWaitFor([&] { return TGameRun::WaitForWindow(title, 0).isEmpty(); }, timeoutMs);
}

// Presses keys in window until a window titled title opens.
QString PressForWindow(const QString& window, const QString& keys, const QString& title)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        Key(window, keys);
        const QString opened = TGameRun::WaitForWindow(title, 3000);
        if (!opened.isEmpty())
            return opened;
    }
    return {};
}

// Closes the game through its menu's access keys, as a player would.
void ExitThroughTheMenu(const QString& window)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        Key(window, QStringLiteral("alt+g"));
        if (WaitForMenu()) {
            XDo({QStringLiteral("key"), QStringLiteral("x")});
            if (WaitForWindowGone(QStringLiteral("Peglore"), 3000))
                return;
        }
        XDo({QStringLiteral("key"), QStringLiteral("Escape")});
    }
}

// The game draws in its own time: wait until the screen shows colour at
// pos, and return what it showed last.
QColor WaitForPixel(QPoint pos, const QColor& colour, int timeoutMs = 5000)
{
    QColor seen;
    (void)QTest::qWaitFor(
        [&] {
            seen = Screenshot().pixelColor(pos);
            return seen == colour;
        },
        timeoutMs);
    return seen;
}

// Waits until window has size; returns its last geometry.
QRect WaitForSize(const QString& window, QSize size, int timeoutMs = 5000)
{
    QRect seen;
    (void)QTest::qWaitFor(
        [&] {
            seen = WindowGeometry(window);
            return seen.size() == size;
        },
        timeoutMs);
    return seen;
}

// Where a dialog's frame goes the first time: the middle, rounded down.
QPoint DialogCentred(QSize outer)
{
    return {std::max(0, (ScreenWidth - outer.width()) / 2), std::max(0, (ScreenHeight - outer.height()) / 2)};
}

// Waits until window is drawn: its area looks the same on two screenshots
// in a row, and not all of one colour.
bool WaitForStill(const QString& window, int timeoutMs = 5000)
{
    QImage last;
    return QTest::qWaitFor(
        [&] {
            const QImage now = Screenshot().copy(WindowGeometry(window));
            const bool still = !now.isNull() && now == last &&
                               now.pixel(0, 0) != now.pixel(now.width() / 2, now.height() / 2);
            last = now;
            return still;
        },
        timeoutMs);
}

// Waits until window's frame stands at place(its size); returns the frame.
QRect WaitForFrameAt(const QString& window, const std::function<QPoint(QSize)>& place, int timeoutMs = 5000)
{
    QRect frame;
    (void)QTest::qWaitFor(
        [&] {
            frame = FrameGeometry(window);
            return frame.topLeft() == place(frame.size());
        },
        timeoutMs);
    return frame;
}

// ---- Keyboard play and peg symbols

const QColor Navy(0, 0, 128);

// The colours of keys 1 to 8: the colour bar, left to right.
const std::array<QColor, 8> KeyColours{QColor(255, 0, 0),   QColor(0, 255, 0), QColor(0, 0, 0),
                                       QColor(255, 255, 0), QColor(0, 0, 255), QColor(128, 128, 128),
                                       QColor(255, 0, 255), QColor(0, 128, 0)};

// The middle of key peg col of row on the score board of a 3-hole board.
QPoint KeyPegCentre(int col, int row)
{
    return {43 + 97 + 10 + 2 + 22 * col + 10, 83 + 2 + 26 * row + 12};
}

// Whether the row marker's dark outline stands at row.
bool HandAt(const QImage& shot, QPoint client, int row)
{
    return CountPixels(shot, QRect(client + QPoint(5, 88 + 26 * row), QSize(38, 18)), IsDark) > 20;
}

// Automatic checking scores a full row: waits for the box after a win
// (its id in box) or the marker on the next row otherwise; shot is the
// screen as last seen.
bool WaitForScore(QPoint client, int row, QString& box, QImage& shot)
{
    return QTest::qWaitFor(
        [&] {
            box = TGameRun::WaitForWindow(QStringLiteral("Information"), 0);
            shot = Screenshot();
            return !box.isEmpty() || HandAt(shot, client, row + 1);
        },
        5000);
}

// A guess of three colours, as indices of the keys less one, and its
// score: blacks, then whites.
using TCode = std::array<int, 3>;
std::pair<int, int> Score(const TCode& guess, const TCode& secret)
{
    int blacks = 0, common = 0;
    for (int i = 0; i < 3; ++i)
        blacks += guess[std::size_t(i)] == secret[std::size_t(i)] ? 1 : 0;
    for (int colour = 0; colour < 8; ++colour)
        common +=
            std::min(std::count(guess.begin(), guess.end(), colour), std::count(secret.begin(), secret.end(), colour));
    return {blacks, common - blacks};
}

// Greys of the inside of each of the colour bar's swatches on shot.
std::array<QImage, 8> SwatchGreys(const QImage& shot, QPoint client)
{
    std::array<QImage, 8> greys;
    for (int i = 0; i < 8; ++i)
        greys[std::size_t(i)] = shot.copy(QRect(client + SwatchCentre(i) - QPoint(9, 8), QSize(18, 16)))
                                    .convertToFormat(QImage::Format_Grayscale8);
    return greys;
}

int GreyDistance(const QImage& a, const QImage& b)
{
    int sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum;
}

// The closest two of eight greys are apart.
int ClosestGreys(const std::array<QImage, 8>& greys)
{
    int closest = INT_MAX;
    for (std::size_t a = 0; a < greys.size(); ++a)
        for (std::size_t b = a + 1; b < greys.size(); ++b)
            closest = std::min(closest, GreyDistance(greys[a], greys[b]));
    return closest;
}

// Starts a second copy of the game from first's folder, as TGameRun starts
// the first.
void StartCopy(QProcess& copy, const TGameRun& first, const QStringList& arguments)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR"})
        env.insert(QString::fromLatin1(name), first.Folder());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
    copy.setProcessEnvironment(env);
    copy.start(QDir(first.Folder()).filePath(QStringLiteral("peglore")), arguments);
}

// Waits for a game window other than first; returns its id.
QString WaitForAnotherGame(const QString& first)
{
    QStringList shown;
    (void)QTest::qWaitFor(
        [&] {
            shown = XDo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                         QStringLiteral("^Peglore$")})
                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            shown.removeAll(first);
            return !shown.isEmpty();
        },
        15000);
    return shown.value(0);
}

// The outcomes of the games in the records file in folder, one a line.
QString RecordedOutcomes(const QString& folder)
{
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {QDir(folder).filePath(QStringLiteral("Peglore.records")),
                                             QStringLiteral("SELECT outcome FROM games ORDER BY id")});
    sqlite.waitForFinished(10000);
    return QString::fromUtf8(sqlite.readAllStandardOutput() + sqlite.readAllStandardError());
}

// A 1 x 1 board whose first game is game 5, checked by Return.
const QByteArray OneByOne = "[Options]\nMusic=0\nAutoCheck=0\n"
                            "[Level Settings]\nCustomColumns=1\nCustomRows=1\nDifficultyLevel=3\n";

// Wins game 5 on the one-hole board of OneByOne with its one key.
bool WinGameFive(const QString& window)
{
    Key(window, KeyOfPeg(SecretOf(5, 1)[0]));
    return !PressForWindow(window, QStringLiteral("Return"), QStringLiteral("Information")).isEmpty() &&
           Answer(QStringLiteral("Information"), QStringLiteral("Return")) &&
           WaitForWindowGone(QStringLiteral("Information"));
}

const QString DesignedRest = QStringLiteral("[Statistics]\nTotalGames=0\nGamesWon=0\nGamesLost=0\nUnfinishedGames=0\n"
                                            "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=0\n");
}  // namespace

// Waits until a window titled title exists, shown or not yet.
bool WaitForWindowCreated(const QString& title)
{
    const QString pattern = QStringLiteral("^%1$").arg(QRegularExpression::escape(title));
    return QTest::qWaitFor(
        [&] { return !XDo({QStringLiteral("search"), QStringLiteral("--name"), pattern}).isEmpty(); }, 15000);
}

// How long a busy desktop keeps a new window waiting for its frame here:
// longer than any bound in time a program might set itself for that.
constexpr int SlowWindowManagerMs = 3000;

class TestEndToEnd : public QObject {
    Q_OBJECT
public:
    explicit TestEndToEnd(TWindowManager& windowManager) : FWindowManager(windowManager) {}

private:
    TWindowManager& FWindowManager;

private slots:
    void firstStartCentredAtBeginnerThenExitSaves()
    {
        TGameRun game;
        const TWindow w = StartGame(game);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(w.Frame.width(), 288);
        // The window manager's frame, not the client area, is centred.
        const QRect frame = WaitForFrameAt(w.Id, Centred);
        QVERIFY2(frame.width() > w.Frame.width(), "no window manager frame");
        QCOMPARE(frame.topLeft(), Centred(frame.size()));

        // The red swatch, an empty hole, and a clock reading 000 in red.
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Red), Red);
        const QImage shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("first-start"));
        QCOMPARE(shot.pixelColor(w.Client + HoleCentre(0, 0)), EmptyHole);
        QCOMPARE(shot.pixelColor(w.Client + HoleCentre(2, 9)), EmptyHole);
        const QPoint clock = w.Client + QPoint(172, 2);
        QCOMPARE(ReadDigit(shot, clock + QPoint(3, 3)), 0);

        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        // No audio device here: the music switched itself off.
        QCOMPARE(game.ReadSettings(),
                 QStringLiteral("[Options]\nMusic=0\nSmartHints=1\nAutoCheck=1\n"
                                "[Statistics]\nTotalGames=0\nGamesWon=0\nGamesLost=0\nUnfinishedGames=0\n"
                                "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=0\n"));
    }

    void clockCountsTheSeconds()
    {
        TGameRun game;
        const TWindow w = StartGame(game);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        const QPoint clock = w.Client + QPoint(172, 2);
        // Wait until the units show at least 2 seconds.
        QImage shot;
        const int units = WaitForSeconds(clock, 2, shot);
        KeepScreenshot(shot, QStringLiteral("clock"));
        QVERIFY2(units >= 2, qPrintable(QString::number(units)));
        QCOMPARE(ReadDigit(shot, clock + QPoint(3, 3)), 0);
        QCOMPARE(ReadDigit(shot, clock + QPoint(19, 3)), 0);
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void dragsPlacePegsOnlyOnTheCurrentRow()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\nAutoCheck=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(DragPeg(w.Client + SwatchCentre(0), w.Client + HoleCentre(1, 0), Red));
        Drag(w.Client + SwatchCentre(4), w.Client + HoleCentre(1, 3));  // a later row: refused
        const QImage shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("drag"));
        QCOMPARE(shot.pixelColor(w.Client + HoleCentre(0, 0)), EmptyHole);
        QCOMPARE(shot.pixelColor(w.Client + HoleCentre(1, 3)), EmptyHole);

        // F2 asks first: No keeps the peg, Yes starts afresh.
        const QString no = PressForWindow(w.Id, QStringLiteral("F2"), QStringLiteral("Confirm"));
        QVERIFY(!no.isEmpty());
        Key(no, QStringLiteral("n"));
        QVERIFY(WaitForWindowGone(QStringLiteral("Confirm")));
        QCOMPARE(Screenshot().pixelColor(w.Client + HoleCentre(1, 0)), Red);
        const QString yes = PressForWindow(w.Id, QStringLiteral("F2"), QStringLiteral("Confirm"));
        QVERIFY(!yes.isEmpty());
        Key(yes, QStringLiteral("y"));
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(1, 0), EmptyHole), EmptyHole);

        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QVERIFY(game.ReadSettings().contains(QStringLiteral("TotalGames=1\n")));
        QVERIFY(game.ReadSettings().contains(QStringLiteral("UnfinishedGames=1\n")));
    }

    void fullRowIsCheckedAndTheMarkerMovesOn()
    {
        // Game 1's secret is not three blacks, so three blacks do not win.
        QVERIFY(SecretOf(1, 3) != std::vector<int>(3, 2));
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\nAutoCheck=1\n", BeginnerClientHeight,
                                    {QStringLiteral("--game"), QStringLiteral("1")});
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        for (int c = 0; c < 3; ++c)
            QVERIFY(DragPeg(w.Client + SwatchCentre(2), w.Client + HoleCentre(c, 0), KeyColours[2]));
        QImage shot;
        QString box;
        QVERIFY(WaitForScore(w.Client, 0, box, shot));
        QVERIFY(box.isEmpty());
        KeepScreenshot(shot, QStringLiteral("checked-row"));
        // The row marker's dark outline has moved from row 0 to row 1; the
        // marble behind it is never that dark.
        const QRect handAtRow0(w.Client + QPoint(5, 88), QSize(38, 18));
        const QRect handAtRow1 = handAtRow0.translated(0, 26);
        auto darkPixels = [&](const QRect& r) { return CountPixels(shot, r, IsDark); };
        QVERIFY(darkPixels(handAtRow1) > 20);
        QCOMPARE(darkPixels(handAtRow0), 0);
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void everyDialogOpensFromTheMenus()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=1\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));

        // Properties: no audio device, so the music is unchecked now.
        const QString properties =
            ChooseFromMenu(w.Id, QStringLiteral("alt+g"), QStringLiteral("r"), QStringLiteral("Properties"));
        QVERIFY(!properties.isEmpty());
        WaitForFrameAt(properties, DialogCentred);
        // The check mark is what tells a checked box from an empty one.
        QImage shot;
        int music = 0, smartHints = 0, autoCheck = 0;
        const bool drawn = QTest::qWaitFor(
            [&] {
                shot = Screenshot();
                const QPoint dialog = WindowGeometry(properties).topLeft();
                auto darkPixelsAround = [&](QPoint centre) {
                    return CountPixels(shot, QRect(dialog + centre - QPoint(7, 7), QSize(15, 15)),
                                       [](const QColor& c) { return c.lightness() < 80; });
                };
                music = darkPixelsAround({33, 55});
                smartHints = darkPixelsAround({33, 88});
                autoCheck = darkPixelsAround({33, 121});
                return music + 8 < smartHints && music + 8 < autoCheck;
            },
            5000);
        KeepScreenshot(shot, QStringLiteral("properties"));
        QVERIFY2(drawn, qPrintable(QStringLiteral("%1 %2 %3").arg(music).arg(smartHints).arg(autoCheck)));
        Key(properties, QStringLiteral("Escape"));

        // Custom board: OK takes the stored 4 x 10 and selects Custom.
        const QString custom =
            ChooseFromMenu(w.Id, QStringLiteral("alt+l"), QStringLiteral("c"), QStringLiteral("Custom Board Size:"));
        QVERIFY(!custom.isEmpty());
        WaitForFrameAt(custom, DialogCentred);
        KeepScreenshot(Screenshot(), QStringLiteral("custom-board"));
        Key(custom, QStringLiteral("Return"));
        // Four holes a row fit the window as three did: it keeps its size.
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(3, 9), EmptyHole), EmptyHole);
        KeepScreenshot(Screenshot(), QStringLiteral("custom-4x10"));

        // About, then give up and see the combination.
        const QString about =
            ChooseFromMenu(w.Id, QStringLiteral("alt+h"), QStringLiteral("a"), QStringLiteral("About..."));
        QVERIFY(!about.isEmpty());
        WaitForFrameAt(about, DialogCentred);
        KeepScreenshot(Screenshot(), QStringLiteral("about"));
        Key(about, QStringLiteral("Return"));

        const QString correct =
            ChooseFromMenu(w.Id, QStringLiteral("alt+g"), QStringLiteral("g"), QStringLiteral("Correct Combination"));
        QVERIFY(!correct.isEmpty());
        WaitForFrameAt(correct, DialogCentred);
        KeepScreenshot(Screenshot(), QStringLiteral("correct-combination"));
        Key(correct, QStringLiteral("Return"));

        // Help topics open in the help viewer's own window.
        QVERIFY(!ChooseFromMenu(w.Id, QStringLiteral("alt+h"), QStringLiteral("t"),
                                QStringLiteral("Help Topics: Peglore Help"))
                     .isEmpty());
        KeepScreenshot(Screenshot(), QStringLiteral("help-topics"));

        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("Music=0\n")), qPrintable(saved));
        QVERIFY2(saved.contains(QStringLiteral("DifficultyLevel=3\n")), qPrintable(saved));
        // Giving up on an empty board counts no game.
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=0\n")), qPrintable(saved));
    }

    void rightClickClearEmptiesTheHole()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\nAutoCheck=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(DragPeg(w.Client + SwatchCentre(5), w.Client + HoleCentre(2, 0), KeyColours[5]));
        QVERIFY(DragPeg(w.Client + SwatchCentre(6), w.Client + HoleCentre(0, 0), KeyColours[6]));
        const QPoint hole = w.Client + HoleCentre(2, 0);
        XDo({QStringLiteral("mousemove"), QString::number(hole.x()), QString::number(hole.y())});
        XDo({QStringLiteral("click"), QStringLiteral("3")});
        QVERIFY(WaitForMenu());
        KeepScreenshot(Screenshot(), QStringLiteral("popup"));
        XDo({QStringLiteral("key"), QStringLiteral("c")});  // "&Clear"
        QCOMPARE(WaitForPixel(hole, EmptyHole), EmptyHole);
        const QImage shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("cleared"));
        QCOMPARE(shot.pixelColor(w.Client + HoleCentre(0, 0)), QColor(0xFF, 0, 0xFF));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void levelsSizeAndCentreTheWindow_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QSize>("client");
        QTest::newRow("intermediate") << "i" << QSize(341, 355);
        QTest::newRow("expert") << "e" << QSize(500, 433);
    }
    void levelsSizeAndCentreTheWindow()
    {
        QFETCH(QString, key);
        QFETCH(QSize, client);
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        const QRect first = WaitForFrameAt(w.Id, Centred);
        QCOMPARE(first.topLeft(), Centred(first.size()));
        const int menuHeight = w.Frame.height() - BeginnerClientHeight;
        Key(w.Id, QStringLiteral("alt+l"));
        QVERIFY(WaitForMenu());
        XDo({QStringLiteral("key"), key});
        const QSize size(client.width(), client.height() + menuHeight);
        QCOMPARE(WaitForSize(w.Id, size).size(), size);
        // Centred by its frame at once: nothing jumps once the frame is known.
        const QRect frame = WaitForFrameAt(w.Id, Centred);
        KeepScreenshot(Screenshot(), QStringLiteral("level-") + key);
        QCOMPARE(frame.size(), first.size() + (size - w.Frame.size()));
        QCOMPARE(frame.topLeft(), Centred(frame.size()));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void dialogsFirstShowCentredByTheirFrames_data()
    {
        QTest::addColumn<QString>("menuKey");
        QTest::addColumn<QString>("itemKey");
        QTest::addColumn<QString>("title");
        QTest::newRow("properties") << "alt+g"
                                    << "r"
                                    << "Properties";
        QTest::newRow("custom board") << "alt+l"
                                      << "c"
                                      << "Custom Board Size:";
        QTest::newRow("about") << "alt+h"
                               << "a"
                               << "About...";
        QTest::newRow("correct combination") << "alt+g"
                                             << "g"
                                             << "Correct Combination";
    }
    void dialogsFirstShowCentredByTheirFrames()
    {
        QFETCH(QString, menuKey);
        QFETCH(QString, itemKey);
        QFETCH(QString, title);
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        const QString dialog = ChooseFromMenu(w.Id, menuKey, itemKey, title);
        QVERIFY(!dialog.isEmpty());
        const QRect frame = WaitForFrameAt(dialog, DialogCentred);
        KeepScreenshot(Screenshot(), QStringLiteral("framed-") + itemKey);
        QVERIFY2(frame.size() != WindowGeometry(dialog).size(), "no window manager frame");
        QCOMPARE(frame.topLeft(), DialogCentred(frame.size()));
        Key(dialog, QStringLiteral("Escape"));
        QVERIFY(WaitForWindowGone(title));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void messageBoxCentredOnTheScreenNotOverTheWindow()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\nAutoCheck=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        XDo({QStringLiteral("windowmove"), w.Id, QStringLiteral("0"), QStringLiteral("0")});
        QVERIFY(QTest::qWaitFor([&] { return WindowGeometry(w.Id).topLeft() == QPoint(0, 0); }, 5000));
        // Check on an empty row: "You must completely fill the row ..."
        const QPoint check =
            WindowGeometry(w.Id).bottomLeft() - QPoint(0, BeginnerClientHeight - 1) + QPoint(64 + 14, 6 + 3 + 12);
        XDo({QStringLiteral("mousemove"), QString::number(check.x()), QString::number(check.y())});
        XDo({QStringLiteral("click"), QStringLiteral("1")});
        const QString box = TGameRun::WaitForWindow(QStringLiteral("Error"));
        QVERIFY(!box.isEmpty());
        const QRect frame = WaitForFrameAt(box, Centred);
        KeepScreenshot(Screenshot(), QStringLiteral("message-centred"));
        QCOMPARE(frame.topLeft(), Centred(frame.size()));
        Key(box, QStringLiteral("Return"));
        QVERIFY(WaitForWindowGone(QStringLiteral("Error")));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    // Each window asks to be shown while the window manager is held; once it
    // answers, the window still ends centred by its frame.
    void placedByTheFrameThoughTheWindowManagerIsSlow_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("dialog");
        QTest::newRow("main window") << "Peglore" << false;
        QTest::newRow("dialog") << "Properties" << true;
        QTest::newRow("message box") << "Error" << false;
    }
    void placedByTheFrameThoughTheWindowManagerIsSlow()
    {
        QFETCH(QString, title);
        QFETCH(bool, dialog);
        const bool mainWindow = title == QLatin1String("Peglore");
        TGameRun game;
        game.WriteSettings("[Options]\nMusic=0\nAutoCheck=0\n");
        TWindow w;
        if (!mainWindow) {
            game.Start();
            w = WaitForGame(game);
            QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        }
        FWindowManager.Hold();
        if (mainWindow) {
            game.Start();
        } else if (dialog) {
            XDo({QStringLiteral("key"), QStringLiteral("alt+g")});
            QVERIFY(WaitForMenu());  // a menu needs no window manager
            XDo({QStringLiteral("key"), QStringLiteral("r")});
        } else {
            // Return checks an empty row: "You must completely fill the row ..."
            XDo({QStringLiteral("key"), QStringLiteral("Return")});
        }
        const bool created = WaitForWindowCreated(title);
        QTest::qWait(SlowWindowManagerMs);
        FWindowManager.Resume();
        QVERIFY2(created, qPrintable(game.Output()));
        const QString window = TGameRun::WaitForWindow(title);
        QVERIFY(!window.isEmpty());
        const std::function<QPoint(QSize)> place = dialog ? DialogCentred : Centred;
        const QRect frame = WaitForFrameAt(window, place);
        KeepScreenshot(Screenshot(), QStringLiteral("slow-window-manager-") + QString(title).replace(' ', '-'));
        QVERIFY2(frame.size() != WindowGeometry(window).size(), "no window manager frame");
        QCOMPARE(frame.topLeft(), place(frame.size()));
        if (!mainWindow) {
            Key(window, QStringLiteral("Escape"));
            QVERIFY(WaitForWindowGone(title));
        }
        ExitThroughTheMenu(mainWindow ? window : w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    // A window manager that starts after the game frames its window late:
    // the window is centred again by that frame.
    void centredAgainByTheFrameOfALateWindowManager()
    {
        FWindowManager.Stop();
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        const QRect unframed = FrameGeometry(w.Id);
        const bool started = FWindowManager.Start();
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(started);
        QCOMPARE(unframed.topLeft(), Centred(unframed.size()));
        const QRect frame = WaitForFrameAt(w.Id, [&](QSize size) {
            return size == unframed.size() ? QPoint(-1, -1) : Centred(size);
        });
        KeepScreenshot(Screenshot(), QStringLiteral("late-window-manager"));
        QVERIFY2(frame.size() != unframed.size(), "no window manager frame");
        QCOMPARE(frame.topLeft(), Centred(frame.size()));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void closingFromTheTitleBarAnswersNothing()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\nAutoCheck=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(DragPeg(w.Client + SwatchCentre(0), w.Client + HoleCentre(1, 0), Red));
        // The window manager's close (Alt+F4 in openbox) on the new-game
        // question: no new game, the peg stays.
        const QString box = PressForWindow(w.Id, QStringLiteral("F2"), QStringLiteral("Confirm"));
        QVERIFY(!box.isEmpty());
        Key(box, QStringLiteral("alt+F4"));
        QVERIFY(WaitForWindowGone(QStringLiteral("Confirm")));
        // Nothing to wait for when nothing is to change: the time a wrong
        // new game would take to show.
        QTest::qWait(300);
        QCOMPARE(Screenshot().pixelColor(w.Client + HoleCentre(1, 0)), Red);
        // The same on the properties dialog after a change: it is cancelled.
        const QString properties =
            ChooseFromMenu(w.Id, QStringLiteral("alt+g"), QStringLiteral("r"), QStringLiteral("Properties"));
        QVERIFY(!properties.isEmpty());
        QVERIFY(WaitForStill(properties));
        const QPoint smartHints = WindowGeometry(properties).topLeft() + QPoint(33, 88);
        auto checkMark = [&] {
            return CountPixels(Screenshot(), QRect(smartHints - QPoint(7, 7), QSize(15, 15)),
                               [](const QColor& c) { return c.lightness() < 80; });
        };
        const int checked = checkMark();
        XDo({QStringLiteral("mousemove"), QString::number(smartHints.x()), QString::number(smartHints.y())});
        XDo({QStringLiteral("click"), QStringLiteral("1")});  // off
        QVERIFY(QTest::qWaitFor([&] { return checkMark() + 8 < checked; }, 3000));
        Key(properties, QStringLiteral("alt+F4"));
        QVERIFY(WaitForWindowGone(QStringLiteral("Properties")));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("SmartHints=1\n")), qPrintable(saved));
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=0\n")), qPrintable(saved));
    }

    void clockGoesOnWhileMinimised()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        const QPoint clock = w.Client + QPoint(172, 2);
        const int before = ReadClock(Screenshot(), clock);
        QVERIFY(before >= 0);
        XDo({QStringLiteral("windowminimize"), QStringLiteral("--sync"), w.Id});
        QTest::qWait(4000);
        XDo({QStringLiteral("windowactivate"), QStringLiteral("--sync"), w.Id});
        int after = -1;
        (void)QTest::qWaitFor([&] { return (after = ReadClock(Screenshot(), clock)) >= before + 4; }, 3000);
        KeepScreenshot(Screenshot(), QStringLiteral("after-minimised"));
        // Four seconds away from the window count four seconds of the game.
        QVERIFY2(after >= before + 4, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void storedSettingsComeBack()
    {
        TGameRun game;
        const QByteArray stored = "; kept as written\n[Options]\nMusic=0\nSmartHints=0\nAutoCheck=0\n"
                                  "[Statistics]\nTotalGames=7\nGamesWon=3\nGamesLost=2\nUnfinishedGames=2\n"
                                  "[Level Settings]\nCustomColumns=6\nCustomRows=7\nDifficultyLevel=2\n";
        const TWindow w = StartGame(game, stored, 433);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(w.Frame.width(), 500);  // Expert
        const QImage shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("stored-expert"));
        // The Check button's glyph is drawn in colour while it is enabled.
        const QRect check(w.Client + QPoint(2 + 64 + 4, 6 + 3 + 4), QSize(17, 17));
        const int coloured = CountPixels(
            shot, check, [](const QColor& c) { return qAbs(c.red() - c.green()) + qAbs(c.green() - c.blue()) > 60; });
        QVERIFY2(coloured > 10, qPrintable(QString::number(coloured)));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QCOMPARE(game.ReadSettings().toUtf8(), stored);
    }

    void customOneByOneUntilAWin()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));

        // The custom board dialog, by keyboard: both trackbars to 1, then OK.
        const QString custom =
            ChooseFromMenu(w.Id, QStringLiteral("alt+l"), QStringLiteral("c"), QStringLiteral("Custom Board Size:"));
        QVERIFY(!custom.isEmpty());
        Key(custom, QStringLiteral("shift+Tab Home shift+Tab Home"));
        WaitForStill(custom);
        KeepScreenshot(Screenshot(), QStringLiteral("custom-1x1-dialog"));
        XDo({QStringLiteral("key"), QStringLiteral("Return")});
        const int menuHeight = w.Frame.height() - BeginnerClientHeight;
        const QRect frame = WaitForSize(w.Id, QSize(288, 147 + menuHeight));
        QCOMPARE(frame.size(), QSize(288, 147 + menuHeight));
        const QPoint client(frame.left(), frame.top() + menuHeight);
        KeepScreenshot(Screenshot(), QStringLiteral("custom-1x1"));

        // Give up: the dialog shows the secret's one colour.
        const QString correct =
            ChooseFromMenu(w.Id, QStringLiteral("alt+g"), QStringLiteral("g"), QStringLiteral("Correct Combination"));
        QVERIFY(!correct.isEmpty());
        const QList<QColor> palette{Red,
                                    QColor(0, 255, 0),
                                    QColor(0, 0, 0),
                                    QColor(255, 255, 0),
                                    QColor(0, 0, 255),
                                    QColor(128, 128, 128),
                                    QColor(255, 0, 255),
                                    QColor(0, 128, 0)};
        QImage combination;
        QColor secret;
        (void)QTest::qWaitFor(
            [&] {
                combination = Screenshot();
                secret = combination.pixelColor(WindowGeometry(correct).topLeft() + QPoint(3 + 6 + 12, 39 + 4 + 13));
                return palette.contains(secret);
            },
            5000);
        KeepScreenshot(combination, QStringLiteral("correct-1x1"));
        QVERIFY2(palette.contains(secret), qPrintable(secret.name()));
        Key(correct, QStringLiteral("Return"));

        // The board is kept for the next start, as game 5: its one peg is
        // known, and the first guess wins.
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        game.Start({}, {QStringLiteral("--game"), QStringLiteral("5")});
        const TWindow again = WaitForGame(game, 147);
        QVERIFY2(!again.Id.isEmpty(), qPrintable(game.Output()));
        const int swatch = KeyOfPeg(SecretOf(5, 1)[0]).toInt() - 1;
        // The win's box may stand over the one hole at once: only its
        // answer counts.
        Drag(again.Client + SwatchCentre(swatch), again.Client + HoleCentre(0, 0));
        QVERIFY(Answer(QStringLiteral("Information"), QStringLiteral("Return")));

        const QString about =
            ChooseFromMenu(again.Id, QStringLiteral("alt+h"), QStringLiteral("a"), QStringLiteral("About..."));
        QVERIFY(!about.isEmpty());
        WaitForStill(about);
        KeepScreenshot(Screenshot(), QStringLiteral("about-after-win"));
        Key(about, QStringLiteral("Return"));
        ExitThroughTheMenu(again.Id);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("GamesWon=1\n")), qPrintable(saved));
        QVERIFY2(saved.contains(QStringLiteral("GamesLost=0\n")), qPrintable(saved));
        QVERIFY2(saved.contains(QStringLiteral("CustomColumns=1\nCustomRows=1\nDifficultyLevel=3\n")),
                 qPrintable(saved));
    }

    void clockGoesOnWhileHelpIsReadAndShiftF1Explains()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(!ChooseFromMenu(w.Id, QStringLiteral("alt+h"), QStringLiteral("n"), QStringLiteral("Peglore Help"))
                     .isEmpty());  // "What's &New?"
        // The help viewer stands beside the game, as another program would.
        const QPoint clock = w.Client + QPoint(172, 2);
        QImage shot;
        const int units = WaitForSeconds(clock, 2, shot);
        KeepScreenshot(shot, QStringLiteral("help-and-clock"));
        QVERIFY2(units >= 2, qPrintable(QString::number(units)));

        // Shift+F1, then a click on the clock: its pop-up, drawn near the
        // pointer in the viewer's light yellow, which nothing there had
        // before. A click that came before the game took Shift+F1 shows
        // none, so both are given again, up to three times.
        const QPoint panel = w.Client + QPoint(172 + 27, 2 + 36);
        const QRect nearPointer(panel, QSize(std::min(200, ScreenWidth - panel.x()), 60));
        auto yellowAround = [&](const QImage& shot) {
            return CountPixels(shot, nearPointer, [](const QColor& c) {
                return c.red() > 240 && c.green() > 240 && c.blue() > 180 && c.blue() < 235;
            });
        };
        QVERIFY2(yellowAround(shot) < 50, qPrintable(QString::number(yellowAround(shot))));
        QImage popup;
        int yellow = 0;
        for (int attempt = 0; attempt < 3 && yellow <= 500; ++attempt) {
            Key(w.Id, QStringLiteral("shift+F1"));
            XDo({QStringLiteral("mousemove"), QString::number(panel.x()), QString::number(panel.y())});
            XDo({QStringLiteral("click"), QStringLiteral("1")});
            (void)QTest::qWaitFor(
                [&] {
                    popup = Screenshot();
                    yellow = yellowAround(popup);
                    return yellow > 500;
                },
                3000);
        }
        KeepScreenshot(popup, QStringLiteral("whats-this-clock"));
        QVERIFY2(yellow > 500, qPrintable(QString::number(yellow)));
        Key(w.Id, QStringLiteral("Escape"));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    void displayWithTooFewColoursIsRefused()
    {
        TGameRun game;
        game.Start({QStringLiteral("PEGLORE_DISPLAY_DEPTH=4")});
        const QString box = TGameRun::WaitForWindow(QStringLiteral("Error"));
        QVERIFY2(!box.isEmpty(), qPrintable(game.Output()));
        KeepScreenshot(Screenshot(), QStringLiteral("display-error"));
        QVERIFY(TGameRun::WaitForWindow(QStringLiteral("Peglore"), 200).isEmpty());
        Key(box, QStringLiteral("Return"));
        QCOMPARE(game.WaitForExit(), 1);
        QVERIFY(!QFile::exists(game.SettingsPath()));
    }

    void keyboardAloneWinsOnOneByOne()
    {
        // Game 5 hides one peg; its key wins at once.
        const QString key = KeyOfPeg(SecretOf(5, 1)[0]);
        TGameRun game;
        const TWindow w = StartGame(game,
                                    "[Options]\nMusic=0\nAutoCheck=0\n"
                                    "[Level Settings]\nCustomColumns=1\nCustomRows=1\nDifficultyLevel=3\n",
                                    147, {QStringLiteral("--game"), QStringLiteral("5")});
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        const QColor colour = KeyColours[std::size_t(key.toInt() - 1)];
        Key(w.Id, key);
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(0, 0), colour), colour);
        const QImage shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("keyboard-1x1"));
        // The focus mark around the one hole.
        QCOMPARE(shot.pixelColor(w.Client + QPoint(43 + 2, 83 + 2)), Navy);
        QVERIFY(!PressForWindow(w.Id, QStringLiteral("Return"), QStringLiteral("Information")).isEmpty());
        QVERIFY(Answer(QStringLiteral("Information"), QStringLiteral("Return")));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("GamesWon=1\nGamesLost=0\n")), qPrintable(saved));
        QVERIFY2(!saved.contains(QStringLiteral("PegSymbols")), qPrintable(saved));
    }

    void keyboardAloneWinsOnBeginner()
    {
        TGameRun game;
        const TWindow w = StartGame(game, "[Options]\nMusic=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Red), Red);
        // A mouse player's board: no focus mark anywhere.
        QCOMPARE(CountPixels(Screenshot(), QRect(w.Client + QPoint(43, 83), QSize(97, 264)),
                             [](const QColor& c) { return c == Navy; }),
                 0);
        Key(w.Id, QStringLiteral("End"));
        QCOMPARE(WaitForPixel(w.Client + QPoint(43 + 2 + 62, 83 + 2), Navy), Navy);

        // Every guess agrees with all the scores so far, the first being
        // 1 1 2; with three holes this finds any secret within nine rows.
        std::vector<TCode> candidates;
        for (int a = 0; a < 8; ++a)
            for (int b = 0; b < 8; ++b)
                for (int c = 0; c < 8; ++c)
                    candidates.push_back({a, b, c});
        bool won = false;
        for (int row = 0; row < 10 && !won; ++row) {
            const TCode guess = row == 0 ? TCode{0, 0, 1} : candidates.front();
            QString keys;
            if (row == 0) {
                // The selection wraps from the end to the first empty hole;
                // a peg cleared with Delete and one with Backspace.
                keys = QStringLiteral("2 5 Left Delete 1 BackSpace 1 1");
            } else {
                for (int k : guess)
                    keys += QString::number(k + 1) + QLatin1Char(' ');
            }
            Key(w.Id, keys);
            QImage shot;
            QString box;
            QVERIFY(WaitForScore(w.Client, row, box, shot));
            if (!box.isEmpty()) {
                // The box may stand over the board: only its answer counts.
                KeepScreenshot(shot, QStringLiteral("keyboard-3x10-won"));
                Key(box, QStringLiteral("Return"));
                QVERIFY(TGameRun::WaitForWindow(QStringLiteral("Correct Combination"), 1500).isEmpty());
                won = true;
                break;
            }
            for (int c = 0; c < 3; ++c)
                QCOMPARE(shot.pixelColor(w.Client + HoleCentre(c, row)), KeyColours[std::size_t(guess[c])]);
            int blacks = 0, whites = 0;
            for (int c = 0; c < 3; ++c) {
                const QColor peg = shot.pixelColor(w.Client + KeyPegCentre(c, row));
                blacks += peg == QColor(Qt::black) ? 1 : 0;
                whites += peg == QColor(Qt::white) ? 1 : 0;
            }
            std::erase_if(candidates, [&](const TCode& c) { return Score(guess, c) != std::pair(blacks, whites); });
            QVERIFY2(!candidates.empty(), qPrintable(QStringLiteral("row %1: %2 %3").arg(row).arg(blacks).arg(whites)));
        }
        QVERIFY(won);
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=1\nGamesWon=1\n")), qPrintable(saved));
    }

    void pegSymbolsSwitchWithCtrlShiftSAndAreRemembered()
    {
        TGameRun game;
        TWindow w = StartGame(game, "[Options]\nMusic=0\nAutoCheck=0\n");
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Red), Red);
        // In grey the red and the green swatch are all but the same.
        const int withoutSymbols = ClosestGreys(SwatchGreys(Screenshot(), w.Client));
        Key(w.Id, QStringLiteral("1 ctrl+shift+s"));
        // The red peg's and swatch's black disc.
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Qt::black), QColor(Qt::black));
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(0, 0) + QPoint(0, 1), Qt::black), QColor(Qt::black));
        QImage shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("symbols-on"));
        KeepScreenshot(shot.convertToFormat(QImage::Format_Grayscale8), QStringLiteral("symbols-on-grey"));
        const int withSymbols = ClosestGreys(SwatchGreys(shot, w.Client));
        QVERIFY2(withoutSymbols < 5 * 255 && withSymbols > 20 * 255,
                 qPrintable(QStringLiteral("%1 %2").arg(withoutSymbols).arg(withSymbols)));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QCOMPARE(game.ReadSettings(),
                 QStringLiteral("[Options]\nMusic=0\nAutoCheck=0\nSmartHints=1\nPegSymbols=1\n") + DesignedRest);

        // On again at the next start, until Ctrl+Shift+S switches it off.
        game.Start();
        w = WaitForGame(game);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Qt::black), QColor(Qt::black));
        Key(w.Id, QStringLiteral("ctrl+shift+s"));
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Red), Red);
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QCOMPARE(game.ReadSettings(),
                 QStringLiteral("[Options]\nMusic=0\nAutoCheck=0\nSmartHints=1\nPegSymbols=0\n") + DesignedRest);
    }

    void pegSymbolsFromTheCommandLine()
    {
        {
            // The option is listed by --help, which ends the game at once.
            TGameRun help;
            help.Start({}, {QStringLiteral("--help")});
            QCOMPARE(help.WaitForExit(), 0);
            QVERIFY2(help.Output().contains(QStringLiteral("--symbols")), qPrintable(help.Output()));
        }
        TGameRun game;
        game.WriteSettings("[Options]\nMusic=0\n");
        game.Start({}, {QStringLiteral("--symbols")});
        const TWindow w = WaitForGame(game);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(WaitForPixel(w.Client + SwatchCentre(0), Qt::black), QColor(Qt::black));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QVERIFY2(game.ReadSettings().contains(QStringLiteral("PegSymbols=1\n")), qPrintable(game.ReadSettings()));
    }

    // A shutdown or logout (SIGTERM) in the middle of a game, the new-game
    // question open: the game closes as its Exit would, the won game
    // counted in the settings, both games rows of the records.
    void terminatedMidGameKeepsSettingsAndRecords()
    {
        TGameRun game;
        const TWindow w = StartGame(game, OneByOne, 147, {QStringLiteral("--game"), QStringLiteral("5")});
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(WinGameFive(w.Id));
        Key(w.Id, QStringLiteral("1"));
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(0, 0), KeyColours[0]), KeyColours[0]);
        QVERIFY(!PressForWindow(w.Id, QStringLiteral("F2"), QStringLiteral("Confirm")).isEmpty());
        game.Signal(SIGTERM);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=1\nGamesWon=1\nGamesLost=0\n")), qPrintable(saved));
        QVERIFY2(saved.contains(QStringLiteral("DifficultyLevel=3\n")), qPrintable(saved));
        QCOMPARE(RecordedOutcomes(game.Folder()), QStringLiteral("won\nabandoned\n"));
    }

    // The records file locked by another program (sqlite3 holding BEGIN
    // EXCLUSIVE) through a whole game and the exit: the player is told the
    // game waits beside the file, and the next start adds it.
    void gameOfLockedRecordsIsAddedAtTheNextStart()
    {
        TGameRun game;
        QProcess lock;
        lock.setWorkingDirectory(game.Folder());
        lock.start(QStringLiteral("sqlite3"), {QStringLiteral("Peglore.records")});
        QVERIFY(lock.waitForStarted(5000));
        lock.write("BEGIN EXCLUSIVE;\n.print locked\n");
        QVERIFY(QTest::qWaitFor(
            [&] {
                lock.waitForReadyRead(100);
                return lock.canReadLine();
            },
            5000));
        QCOMPARE(lock.readLine(), QByteArray("locked\n"));

        TWindow w = StartGame(game, OneByOne, 147, {QStringLiteral("--game"), QStringLiteral("5")});
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(WinGameFive(w.Id));
        QString note;
        for (int attempt = 0; attempt < 3 && note.isEmpty(); ++attempt) {
            Key(w.Id, QStringLiteral("alt+g"));
            if (WaitForMenu()) {
                XDo({QStringLiteral("key"), QStringLiteral("x")});
                note = TGameRun::WaitForWindow(QStringLiteral("Information"), 15000);
            }
        }
        QVERIFY2(!note.isEmpty(), qPrintable(game.Output()));
        KeepScreenshot(Screenshot(), QStringLiteral("records-kept-for-later"));
        Key(note, QStringLiteral("Return"));
        QCOMPARE(game.WaitForExit(), 0);
        const QString pending = QDir(game.Folder()).filePath(QStringLiteral("Peglore.records.pending"));
        QVERIFY(QFile::exists(pending));

        lock.write("COMMIT;\n");
        lock.closeWriteChannel();
        QVERIFY(lock.waitForFinished(5000));
        game.Start();
        w = WaitForGame(game, 147);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QVERIFY(QTest::qWaitFor([&] { return !QFile::exists(pending); }, 10000));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QCOMPARE(RecordedOutcomes(game.Folder()), QStringLiteral("won\n"));
    }

    // A Beginner game won by pressing only H: every row is the hint, checked
    // as it is placed, and the win counts as any other.
    void beginnerWonWithTheHintKeyAlone()
    {
        TGameRun game;
        game.WriteSettings("[Options]\nMusic=0\n");
        game.Start({}, {QStringLiteral("--game"), QStringLiteral("4242")});
        const TWindow w = WaitForGame(game, BeginnerClientHeight);
        QString box;
        for (int row = 0; row < 10 && box.isEmpty(); ++row) {
            Key(w.Id, QStringLiteral("h"));
            QVERIFY2(QTest::qWaitFor(
                         [&] {
                             box = TGameRun::WaitForWindow(QStringLiteral("Information"), 0);
                             return !box.isEmpty() || HandAt(Screenshot(), w.Client, row + 1);
                         },
                         10000),
                     qPrintable(QStringLiteral("row %1").arg(row + 1)));
        }
        QVERIFY(!box.isEmpty());
        Key(box, QStringLiteral("Return"));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=1\nGamesWon=1\nGamesLost=0\n")), qPrintable(saved));
    }

    // The Tools menu opens with Alt+T on its first item, Hint, which
    // Return plays: the first row is filled and checked, and the hand moves
    // on. Outside the menu Return would only refuse the empty row.
    void toolsMenuFromTheKeyboardPlaysTheHint()
    {
        TGameRun game;
        game.WriteSettings("[Options]\nMusic=0\n");
        game.Start({}, {QStringLiteral("--game"), QStringLiteral("4242")});
        const TWindow w = WaitForGame(game, BeginnerClientHeight);
        Key(w.Id, QStringLiteral("alt+t"));
        QVERIFY(WaitForMenu());
        XDo({QStringLiteral("key"), QStringLiteral("Return")});
        QVERIFY(QTest::qWaitFor([&] { return HandAt(Screenshot(), w.Client, 1); }, 10000));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
    }

    // Without its help file, deleted or a folder in its place, a copy of the
    // build folder keeps its settings beside itself: the stored level comes
    // back, Help Topics reports the file, and the exit writes the settings
    // there, none under the home folder.
    void missingHelpFileLeavesTheSettingsBesideTheGame_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("deleted") << false;
        QTest::newRow("a folder in its place") << true;
    }
    void missingHelpFileLeavesTheSettingsBesideTheGame()
    {
        QFETCH(bool, folder);
        TGameRun game;
        QDir here(game.Folder());
        QVERIFY(here.remove(QStringLiteral("Peglore.hlp")));
        if (folder)
            QVERIFY(here.mkdir(QStringLiteral("Peglore.hlp")));
        const QByteArray stored = "[Options]\nMusic=0\nSmartHints=1\nAutoCheck=1\n"
                                  "[Statistics]\nTotalGames=7\nGamesWon=3\nGamesLost=2\nUnfinishedGames=2\n"
                                  "[Level Settings]\nCustomColumns=4\nCustomRows=10\nDifficultyLevel=2\n";
        const TWindow w = StartGame(game, stored, 433);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(w.Frame.width(), 500);  // Expert, as stored
        const QString message =
            ChooseFromMenu(w.Id, QStringLiteral("alt+h"), QStringLiteral("t"), QStringLiteral("Peglore Help"));
        QVERIFY(!message.isEmpty());
        KeepScreenshot(Screenshot(), QStringLiteral("help-file-missing"));
        Key(message, QStringLiteral("Return"));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QCOMPARE(game.ReadSettings().toUtf8(), stored);
        QVERIFY(!here.exists(QStringLiteral(".config")));
        QVERIFY(!here.exists(QStringLiteral(".local")));
    }

    // Two copies in one folder each win a game; the second to exit adds its
    // counts to those the first wrote. Each is closed by the window manager.
    // With Keep Game at Exit on, a game closed by a signal comes back at the
    // next start as the player left it, rows, answers and clock, once; the
    // exit keeps it again, and neither run records or counts it.
    void keptGameComesBackAfterASignalAndARestart()
    {
        TGameRun game;
        TWindow w = StartGame(game, "[Options]\nMusic=0\n[Tools]\nKeepGame=1\n", BeginnerClientHeight,
                              {QStringLiteral("--game"), QStringLiteral("4242")});
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        const QString key =
            KeyOfPeg(SecretOf(4242, 3)[0]) == QStringLiteral("1") ? QStringLiteral("2") : QStringLiteral("1");
        Key(w.Id, key + QLatin1Char(' ') + key + QLatin1Char(' ') + key);
        QVERIFY(QTest::qWaitFor([&] { return HandAt(Screenshot(), w.Client, 1); }, 5000));
        Key(w.Id, QStringLiteral("3"));
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(0, 1), KeyColours[2]), KeyColours[2]);
        const QPoint clock = w.Client + QPoint(172, 2);
        QImage shot;
        QVERIFY(WaitForSeconds(clock, 2, shot) >= 2);
        const auto board = [&](const QImage& on) {
            QList<QColor> seen;
            for (int c = 0; c < 3; ++c)
                seen << on.pixelColor(w.Client + HoleCentre(c, 0)) << on.pixelColor(w.Client + HoleCentre(c, 1))
                     << on.pixelColor(w.Client + KeyPegCentre(c, 0));
            return seen;
        };
        const QList<QColor> left = board(shot);
        const int seconds = ReadClock(shot, clock);
        QCOMPARE(left[0], KeyColours[std::size_t(key.toInt() - 1)]);
        game.Signal(SIGTERM);
        QCOMPARE(game.WaitForExit(), 0);
        const QString kept = QDir(game.Folder()).filePath(QStringLiteral("Peglore.kept"));
        QVERIFY(QFile::exists(kept));

        game.Start();
        w = WaitForGame(game);
        QVERIFY2(!w.Id.isEmpty(), qPrintable(game.Output()));
        QCOMPARE(WaitForPixel(w.Client + HoleCentre(0, 1), KeyColours[2]), KeyColours[2]);
        shot = Screenshot();
        KeepScreenshot(shot, QStringLiteral("kept-game-resumed"));
        QCOMPARE(board(shot), left);
        QVERIFY(HandAt(shot, w.Client, 1));
        QVERIFY2(ReadClock(shot, clock) >= seconds, qPrintable(QString::number(ReadClock(shot, clock))));
        QVERIFY(!QFile::exists(kept));
        ExitThroughTheMenu(w.Id);
        QCOMPARE(game.WaitForExit(), 0);
        QVERIFY(QFile::exists(kept));
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=0\n")) &&
                     saved.contains(QStringLiteral("[Tools]\nKeepGame=1\n")),
                 qPrintable(saved));
        QCOMPARE(RecordedOutcomes(game.Folder()), QString());
    }

    void twoCopiesInOneFolderAddTheirCounts()
    {
        const QString key = KeyOfPeg(SecretOf(5, 1)[0]);
        const QStringList gameFive{QStringLiteral("--game"), QStringLiteral("5")};
        TGameRun game;
        const TWindow first =
            StartGame(game, "[Options]\nMusic=0\n[Level Settings]\nCustomColumns=1\nCustomRows=1\nDifficultyLevel=3\n",
                      147, gameFive);
        QVERIFY2(!first.Id.isEmpty(), qPrintable(game.Output()));
        Key(first.Id, key);
        QVERIFY(Answer(QStringLiteral("Information"), QStringLiteral("Return")));
        QVERIFY(WaitForWindowGone(QStringLiteral("Information")));
        QProcess copy;  // killed, if still running, when it goes
        StartCopy(copy, game, gameFive);
        const QString second = WaitForAnotherGame(first.Id);
        QVERIFY(!second.isEmpty());
        Key(second, key);
        QVERIFY(Answer(QStringLiteral("Information"), QStringLiteral("Return")));
        QVERIFY(WaitForWindowGone(QStringLiteral("Information")));
        Key(first.Id, QStringLiteral("alt+F4"));
        QCOMPARE(game.WaitForExit(), 0);
        Key(second, QStringLiteral("alt+F4"));
        QVERIFY(copy.waitForFinished(15000));
        const QString saved = game.ReadSettings();
        QVERIFY2(saved.contains(QStringLiteral("TotalGames=2\nGamesWon=2\nGamesLost=0\nUnfinishedGames=0\n")),
                 qPrintable(saved));
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
    // Every case runs as on a desktop, under a window manager that frames,
    // places, minimises and focuses the game's windows.
    TWindowManager windowManager;
    if (!windowManager.Running()) {
        std::fprintf(stderr, "openbox could not be started\n");
        return 1;
    }
    TestEndToEnd test(windowManager);
    return QTest::qExec(&test, argc, argv);
}

#include "TestEndToEnd.moc"
