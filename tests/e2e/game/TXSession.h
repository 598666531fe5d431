#pragma once

// A private X server for end-to-end runs, the game started in it from a
// folder of its own, and the few things a player does: look, click,
// drag, type.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace peglore::testing {

// The screen of the private X server.
constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

// Where the game centres a window with a frame (or without one) of size
// outer: the middle of the screen, halves rounded to the even neighbour.
QPoint Centred(QSize outer);

// Starts Xvfb on a free display number and sets DISPLAY for this process;
// stops it when destroyed. Call before the QApplication exists.
class TXServer {
public:
    explicit TXServer(int depth = 24);
    ~TXServer();
    bool Running() const { return FDisplay >= 0; }
    QString Display() const { return QStringLiteral(":%1").arg(FDisplay); }

private:
    std::unique_ptr<QProcess> FServer;
    int FDisplay = -1;
};

// A real window manager (openbox) on the display of DISPLAY, for the cases
// that only a framed window shows: placement by the frame, minimising,
// title-bar paths. Stops it when destroyed.
class TWindowManager {
public:
    TWindowManager();
    ~TWindowManager();
    bool Running() const { return FRunning; }
    // Ends it, and starts it again: it then frames the windows already
    // shown.
    void Stop();
    bool Start();
    // Stops the window manager where it stands, as a desktop too busy to
    // answer would, until Resume: windows asking to be shown wait unframed.
    void Hold();
    void Resume();

private:
    std::unique_ptr<QProcess> FManager;
    QTemporaryDir FHome;
    bool FRunning = false;
};

// Runs xdotool with the arguments; returns its standard output, trimmed.
QString XDo(const QStringList& arguments, int timeoutMs = 10000);

// Waits until the game's main window is shown and stands centred, settled
// at its size and place; returns its id (as it stands when the time ran
// out), or an empty string when it was never shown.
QString WaitForCentredGame();

// The game in a folder of its own: the executable with its music and help
// file beside it, and whatever settings file the test puts there.
class TGameRun {
public:
    TGameRun();
    ~TGameRun();

    QString Folder() const { return FFolder.path(); }
    QString SettingsPath() const { return FFolder.filePath(QStringLiteral("Peglore.ini")); }
    void WriteSettings(const QByteArray& text) const;
    QString ReadSettings() const;

    // Starts the game; environment adds NAME=value entries, arguments go
    // on its command line.
    void Start(const QStringList& environment = {}, const QStringList& arguments = {});
    // The id of the first visible window whose title is exactly title, or
    // an empty string after the time ran out.
    static QString WaitForWindow(const QString& title, int timeoutMs = 15000);
    // Waits until the game has ended; returns its exit code, or -1.
    int WaitForExit(int timeoutMs = 15000);
    bool IsRunning() const;
    QString Output() const;
    // Sends the game a signal, as a shutdown, a logout or kill(1) would.
    void Signal(int signal) const;

private:
    QTemporaryDir FFolder;
    QProcess FGame;
};

// Gives window the focus first, as a player's click would (a window
// manager hands it back when a box closes, but in its own time), and types
// keys into it.
void Key(const QString& window, const QString& keys);
// A real drag: press, move past the drag distance in small steps, and
// release once the game drags the peg.
void Drag(QPoint from, QPoint to);
// Drags a peg from a swatch to a hole until the hole shows colour: a drag
// that a busy game took up too late to start is lost, as a hurried
// player's would be, and is made again, up to three times.
bool DragPeg(QPoint from, QPoint to, const QColor& colour);
// Waits until one of the game's pop-up menus is open.
bool WaitForMenu(int timeoutMs = 3000);
// Waits until a window of the game that no window manager frames (a pop-up
// menu, a peg being dragged) is shown, or, with shown false, none is.
bool WaitForUnframedWindow(bool shown, int timeoutMs = 3000);
// Chooses a menu item by its access keys (menuKey opens the menu, itemKey
// picks the item) and waits for the window titled title that it opens. A
// key that reached the game before it took the focus back is lost, as it
// would be for a player, so the choice is made again, up to three times.
QString ChooseFromMenu(const QString& window, const QString& menuKey, const QString& itemKey, const QString& title);

// The window's place and size on the screen, without any frame.
QRect WindowGeometry(const QString& window);
// The same with the window manager's frame around it; the window's own
// geometry when nothing frames it.
QRect FrameGeometry(const QString& window);
// The whole screen as the player sees it.
QImage Screenshot();
// Saves a screenshot for a person to look at, when PEGLORE_E2E_SHOTS names
// a folder.
void KeepScreenshot(const QImage& shot, const QString& name);

}  // namespace peglore::testing
