#include "app/TCloseRequests.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace peglore {

namespace {

constexpr int Watched[] = {SIGTERM, SIGINT, SIGHUP};

// The pipe's end for the handler: a signal handler can reach nothing but
// what lies outside any object. Set while a TCloseRequests lives.
std::atomic<int> HandlerPipe{-1};

extern "C" void WriteSignal(int signal)
{
    // Nothing but the write: the event loop does the rest.
    const int saved = errno;
    const auto number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(HandlerPipe.load(), &number, 1);
    errno = saved;
}

void SetAction(void (*handler)(int), int flags)
{
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = flags;
    sigemptyset(&action.sa_mask);
    for (int signal : Watched)
        ::sigaction(signal, &action, nullptr);
}

}  // namespace

TCloseRequests::TCloseRequests(QGuiApplication& application)
{
    int ends[2] = {-1, -1};
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        FReadEnd.Reset(ends[0]);
        FWriteEnd.Reset(ends[1]);
        HandlerPipe.store(ends[1]);
        FNotifier = new QSocketNotifier(FReadEnd.Get(), QSocketNotifier::Read, this);
        connect(FNotifier, &QSocketNotifier::activated, this, &TCloseRequests::ReadSignals);
        // The handler resets itself: the same signal again, before the
        // event loop has read the first, ends the game by its default
        // action even when the loop is held up.
        SetAction(WriteSignal, SA_RESTART | SA_RESETHAND);
    }
#if QT_CONFIG(sessionmanager)
    connect(&application, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { Request(); });
#else
    Q_UNUSED(application);
#endif
}

TCloseRequests::~TCloseRequests()
{
    SetAction(SIG_DFL, 0);
    HandlerPipe.store(-1);
}

void TCloseRequests::ReadSignals()
{
    unsigned char numbers[16];
    ssize_t got = 0;
    while ((got = ::read(FReadEnd.Get(), numbers, sizeof numbers)) < 0 && errno == EINTR) {}
    if (got <= 0)
        return;
    // A second signal came before the first could be served.
    if (got > 1 || FRequested)
        ::_exit(128 + numbers[got - 1]);
    Request();
}

void TCloseRequests::Request()
{
    if (FRequested)
        return;
    FRequested = true;
    SetAction(SIG_DFL, 0);
    emit Requested();
}

}  // namespace peglore
