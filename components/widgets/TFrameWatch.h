#pragma once

#include <QAbstractNativeEventFilter>
#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QSize>

#include <functional>
#include <optional>

class QWidget;

namespace peglore {

// Places a top-level window by its outer frame. Until the window manager
// has framed a new window nobody knows the frame's size, so a new window is
// placed with a guess of it. The window manager states the frame in the
// window's _NET_FRAME_EXTENTS property; once it has done so and shown the
// window, the watch runs the placement again if the frame is not the one
// the placement took. It waits for those events of the window system
// however long they take, so a slow window manager or a busy machine
// cannot outlast it.
class TFrameWatch : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // placeAgain repeats the placement; the watch lives as window's child.
    TFrameWatch(QWidget& window, std::function<void()> placeAgain);
    ~TFrameWatch() override;

    // The window's frame as the window manager states it, or guess while
    // it has not.
    QMargins Frame(const QMargins& guess = {}) const;
    // The window's size with that frame.
    QSize OuterSize(const QMargins& guess = {}) const;
    // Moves the window so that its frame, taken to be Frame(guess), has its
    // top-left corner at topLeft. Until the window is hidden again, the
    // placement is repeated once the real frame is known, if it differs.
    void PlaceFrameAt(const QPoint& topLeft, const QMargins& guess = {});

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
