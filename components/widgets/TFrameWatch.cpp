#include "components/widgets/TFrameWatch.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace peglore {

TFrameWatch::TFrameWatch(QWidget& window, std::function<void()> placeAgain)
    : QObject(&window), FWindow(window), FPlaceAgain(std::move(placeAgain))
{
    FWindow.installEventFilter(this);
    // Some window managers frame a window without moving its client area,
    // and Qt learns the frame only when it asks again: look now and then
    // for a short while after each placement.
    FPoll = new QTimer(this);
    FPoll->setInterval(20);
    connect(FPoll, &QTimer::timeout, this, [this] {
        if (++FPolls >= MaxPolls)
            FPoll->stop();
        CheckFrame();
        if (FPending && FPolls == NudgePoll)
            Nudge();
    });
}

QMargins TFrameWatch::FrameOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QSize TFrameWatch::OuterSize(const QWidget& window, const QMargins& guess)
{
    QMargins frame = FrameOf(window);
    if (frame.isNull())
        frame = guess;
    return window.size().grownBy(frame);
}

void TFrameWatch::Placed()
{
    FPending = FrameOf(FWindow).isNull();
    FPolls = 0;
    if (FPending)
        FPoll->start();
    else
        FPoll->stop();
}

// Qt reads the frame again only after the window manager has configured
// the window; one that framed the window without that leaves Qt with no
// frame at all. A move there and back asks it to configure the window.
void TFrameWatch::Nudge()
{
    QWindow* handle = FWindow.windowHandle();
    if (!handle || !handle->isExposed())
        return;
    const QPoint client = handle->position();
    handle->setPosition(client + QPoint(0, 1));
    handle->setPosition(client);
}

void TFrameWatch::CheckFrame()
{
    // Only once the window manager has shown the framed window is its own
    // placement over; a move before that may be undone by it.
    const QWindow* handle = FWindow.windowHandle();
    if (!FPending || !handle || !handle->isExposed() || FrameOf(FWindow).isNull())
        return;
    FPending = false;
    FPoll->stop();
    FPlaceAgain();
}

bool TFrameWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &FWindow)
        return false;
    switch (event->type()) {
    case QEvent::Hide:
        FPending = false;
        FPoll->stop();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Paint:
    case QEvent::WindowActivate: CheckFrame(); break;
    default: break;
    }
    return false;
}

}  // namespace peglore
