#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

#include "game/CenterOnScreen.h"

class QWidget;

namespace peglore {

// The one way the game places its top-level windows.
//
// On X11 the program places them itself, by their outer frame. Until the
// window manager has framed a new window nobody knows the frame's size, so a
// new window is placed with a guess of it. The window manager states the
// frame in the window's _NET_FRAME_EXTENTS property; once it has done so and
// shown the window, the placement runs again if the frame is not the one it
// took. It waits for those events of the window system however long they
// take, so a slow window manager or a busy machine cannot outlast it.
//
// On Wayland a client can neither place its windows nor learn their frames:
// the compositor places every window (a dialog over the window it is
// transient for), and every placement here does nothing and waits for
// nothing.
class TWindowPlacement : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // placeAgain repeats the placement once the real frame is known; the
    // placement lives as window's child.
    TWindowPlacement(QWidget& window, std::function<void()> placeAgain);
    ~TWindowPlacement() override;

    // Whether the compositor places the windows (Wayland), not the program.
    static bool CompositorPlaces();

    // Centres the window's frame, taken to be Frame(guess), on the primary
    // screen by centring's rule.
    void Centre(TCentring centring, const QMargins& guess = {});
    // Moves the window so that its frame, taken to be Frame(guess), has its
    // top-left corner at topLeft. Until the window is hidden again, the
    // placement is repeated once the real frame is known, if it differs.
    void PlaceFrameAt(const QPoint& topLeft, const QMargins& guess = {});
    // Puts the window back where QWidget::pos() said it was.
    void Restore(const QPoint& pos);

    // The window's frame as the window manager states it, or guess while
    // it has not.
    QMargins Frame(const QMargins& guess = {}) const;
    // The window's size with that frame.
    QSize OuterSize(const QMargins& guess = {}) const;

    // Places window beside owner's frame, on the side of the screen with
    // more room, and on owner's screen.
    static void PlaceBeside(QWidget& window, const QWidget& owner);
    // Where a window of size outer goes centred on screen by centring's rule.
    static QPoint CentredOn(const QRect& screen, const QSize& outer, TCentring centring);
    // The frame the window manager states for window; none before it has,
    // nor where nobody states one (no X11 display, no window manager).
    static std::optional<QMargins> StatedFrame(const QWidget& window);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void QueueCheck();
    void CheckFrame();

    QWidget& FWindow;
    std::function<void()> FPlaceAgain;
    // The frame the last placement took, and whether the window manager
    // had not stated the real one then.
    QMargins FAssumed;
    bool FPending = false;
    // Shown by the window system: the window manager's own placement of a
    // new window is over by then.
    bool FMapped = false;
    bool FCheckQueued = false;
};

}  // namespace peglore
