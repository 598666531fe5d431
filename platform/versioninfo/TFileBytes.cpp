#include "platform/versioninfo/TFileBytes.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace peglore {

TFileBytes::TFileBytes(const std::string& path)
{
    if (path.empty() || path.find('\0') != std::string::npos)
        return;
    // O_NONBLOCK: opening a pipe without a writer must not wait for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        ::close(fd);
        return;
    }
    FD = fd;
    FSize = std::uint64_t(info.st_size);
}

TFileBytes::~TFileBytes()
{
    if (FD >= 0)
        ::close(FD);
}

bool TFileBytes::Read(std::uint64_t offset, std::uint64_t length, std::vector<std::uint8_t>& out) const
{
    out.clear();
    if (FD < 0 || length > MaxRead || offset > FSize || length > FSize - offset)
        return false;
    out.resize(std::size_t(length));
    std::size_t done = 0;
    while (done < out.size()) {
        const ssize_t got = ::pread(FD, out.data() + done, out.size() - done, off_t(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            // The file shrank since it was opened, or the read failed.
            out.clear();
            return false;
        }
        done += std::size_t(got);
    }
    return true;
}

}  // namespace peglore
