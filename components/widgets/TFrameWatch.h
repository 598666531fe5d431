#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>

#include <functional>

class QTimer;
class QWidget;

namespace peglore {

// Places a top-level window by its outer frame. Until the window manager
// has framed a new window, nobody knows the frame's size, so a window
// placed then is placed by its client area alone. The watch runs the
// placement once more as soon as the frame is known, so that the frame
// ends where the rule puts it.
class TFrameWatch : public QObject {
    Q_OBJECT
public:
    // placeAgain repeats the placement; it lives as window's child.
    TFrameWatch(QWidget& window, std::function<void()> placeAgain);

    // Call right after placing the window: if its frame is still unknown,
    // placeAgain runs once when it becomes known (not after the window has
    // been hidden again).
    void Placed();

    // The frame around window's client area; none before it is framed.
    static QMargins FrameOf(const QWidget& window);
    // The window's size with its frame, or with guess while the frame is
    // unknown.
    static QSize OuterSize(const QWidget& window, const QMargins& guess = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int MaxPolls = 100;
    static constexpr int NudgePoll = 5;

    void CheckFrame();
    void Nudge();

    QWidget& FWindow;
    QTimer* FPoll;
    int FPolls = 0;
    std::function<void()> FPlaceAgain;
    bool FPending = false;
};

}  // namespace peglore
