#include "platform/files/TFolderLock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>
#include <thread>

namespace peglore {

TFolderLock::TFolderLock(const std::string& folder, std::chrono::milliseconds timeout)
    : FFolder(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (!FFolder.Valid())
        return;
    // flock cannot wait for a limited time, so it is asked again and again
    // without waiting until the time is up.
    constexpr auto pause = std::chrono::milliseconds(10);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (::flock(FFolder.Get(), LOCK_EX | LOCK_NB) == 0) {
            FHeld = true;
            return;
        }
        if (errno != EWOULDBLOCK && errno != EINTR)
            return;
        if (std::chrono::steady_clock::now() >= deadline)
            return;
        std::this_thread::sleep_for(pause);
    }
}

}  // namespace peglore
