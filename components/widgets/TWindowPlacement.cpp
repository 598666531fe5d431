#include "components/widgets/TWindowPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace peglore {

namespace {
// The connection to the X server; null on any other window system.
xcb_connection_t* Connection()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t FrameExtentsAtom()
{
    static xcb_connection_t* asked = nullptr;
    static constexpr xcb_atom_t None = XCB_ATOM_NONE;
    static xcb_atom_t atom = None;
    xcb_connection_t* connection = Connection();
    if (connection && connection != asked) {
        static constexpr char name[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t* reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
        asked = connection;
        atom = reply ? reply->atom : None;
        std::free(reply);
    }
    return connection ? atom : None;
}

// A frame edge in the window's own pixels; a window manager's nonsense is
// kept within what an X window's coordinates can hold.
int Edge(std::uint32_t nativePixels, qreal ratio)
{
    return int(std::lround(std::min<std::uint32_t>(nativePixels, 32767) / ratio));
}
}  // namespace

TWindowPlacement::TWindowPlacement(QWidget& window, std::function<void()> placeAgain)
    : QObject(&window), FWindow(window), FPlaceAgain(std::move(placeAgain))
{
    FWindow.installEventFilter(this);
    if (Connection())
        QCoreApplication::instance()->installNativeEventFilter(this);
}

TWindowPlacement::~TWindowPlacement()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

std::optional<QMargins> TWindowPlacement::StatedFrame(const QWidget& window)
{
    xcb_connection_t* connection = Connection();
    const xcb_atom_t atom = FrameExtentsAtom();
    const WId id = window.internalWinId();
    if (!connection || atom == XCB_ATOM_NONE || !id)
        return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, xcb_window_t(id), atom, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<QMargins> frame;
    if (reply && reply->type == XCB_ATOM_CARDINAL && reply->format == 32 &&
        xcb_get_property_value_length(reply) == 4 * sizeof(std::uint32_t)) {
        // left, right, top, bottom
        const auto* edges = static_cast<const std::uint32_t*>(xcb_get_property_value(reply));
        const qreal ratio = window.devicePixelRatioF();
        frame = QMargins(Edge(edges[0], ratio), Edge(edges[2], ratio), Edge(edges[1], ratio), Edge(edges[3], ratio));
    }
    std::free(reply);
    return frame;
}

QMargins TWindowPlacement::Frame(const QMargins& guess) const
{
    return StatedFrame(FWindow).value_or(guess);
}

QSize TWindowPlacement::OuterSize(const QMargins& guess) const
{
    return FWindow.size().grownBy(Frame(guess));
}

bool TWindowPlacement::CompositorPlaces()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint TWindowPlacement::CentredOn(const QRect& screen, const QSize& outer, TCentring centring)
{
    const TPoint place =
        CentredPlace({screen.left(), screen.top(), screen.left() + screen.width(), screen.top() + screen.height()},
                     {outer.width(), outer.height()}, centring);
    return {place.X, place.Y};
}

void TWindowPlacement::Centre(TCentring centring, const QMargins& guess)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (CompositorPlaces() || !screen)
        return;
    PlaceFrameAt(CentredOn(screen->geometry(), OuterSize(guess), centring), guess);
}

void TWindowPlacement::Restore(const QPoint& pos)
{
    if (!CompositorPlaces())
        FWindow.move(pos);
}

void TWindowPlacement::PlaceBeside(QWidget& window, const QWidget& owner)
{
    const QScreen* ownerScreen = owner.screen();
    if (CompositorPlaces() || !ownerScreen)
        return;
    const QRect frame = owner.frameGeometry();
    const QRect screen = ownerScreen->availableGeometry();
    const int width = window.width(), height = window.height();
    const bool right = screen.right() - frame.right() >= frame.left() - screen.left();
    const int left = right ? frame.right() + 8 : frame.left() - width - 8;
    window.move(std::clamp(left, screen.left(), std::max(screen.left(), screen.right() - width)),
                std::clamp(frame.top(), screen.top(), std::max(screen.top(), screen.bottom() - height)));
}

void TWindowPlacement::PlaceFrameAt(const QPoint& topLeft, const QMargins& guess)
{
    if (CompositorPlaces())
        return;
    const std::optional<QMargins> stated = StatedFrame(FWindow);
    FAssumed = stated.value_or(guess);
    FPending = !stated;
    // QWidget::move places the frame by the frame Qt has last seen, which
    // may lag behind the window manager: undo that, and place the client
    // area inside the frame taken here.
    const QPoint client = topLeft + QPoint(FAssumed.left(), FAssumed.top());
    FWindow.move(client - (FWindow.geometry().topLeft() - FWindow.pos()));
}

bool TWindowPlacement::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* /*result*/)
{
    const WId id = FWindow.internalWinId();
    if (!id || eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* changed = static_cast<const xcb_property_notify_event_t*>(message);
        if (changed->window == id && changed->atom == FrameExtentsAtom())
            QueueCheck();
        break;
    }
    case XCB_MAP_NOTIFY:
        if (static_cast<const xcb_map_notify_event_t*>(message)->window == id) {
            FMapped = true;
            QueueCheck();
        }
        break;
    case XCB_UNMAP_NOTIFY:
        if (static_cast<const xcb_unmap_notify_event_t*>(message)->window == id)
            FMapped = false;
        break;
    default: break;
    }
    return false;  // Qt handles every event as usual
}

// Placing again from inside the window system's event handling would
// move the window while Qt is still taking in the event; after it is
// done, the frame is the same.
void TWindowPlacement::QueueCheck()
{
    if (!FPending || FCheckQueued)
        return;
    FCheckQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            FCheckQueued = false;
            CheckFrame();
        },
        Qt::QueuedConnection);
}

void TWindowPlacement::CheckFrame()
{
    // A window manager places a new window itself before it shows it; a
    // move before that may be undone by it.
    if (!FPending || !FMapped)
        return;
    const std::optional<QMargins> stated = StatedFrame(FWindow);
    if (!stated)
        return;
    FPending = false;
    if (*stated != FAssumed)
        FPlaceAgain();
}

bool TWindowPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &FWindow && event->type() == QEvent::Hide)
        FPending = false;
    return false;
}

}  // namespace peglore
