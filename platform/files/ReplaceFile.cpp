#include "platform/files/ReplaceFile.h"

#include "platform/files/TFileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace peglore {

int ReplaceFile(const std::string& path, std::string_view contents)
{
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    static std::atomic<unsigned> counter{0};
    const std::string temp = (slash == std::string::npos ? std::string() : folder) + "." +
                             path.substr(slash == std::string::npos ? 0 : slash + 1) + ".tmp-" +
                             std::to_string(::getpid()) + "-" + std::to_string(counter++);

    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    TFileDescriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, replacing ? 0600 : 0666));
    if (!file.Valid())
        return errno;
    int error = 0;
    while (error == 0 && !contents.empty()) {
        const ssize_t put = ::write(file.Get(), contents.data(), contents.size());
        if (put > 0)
            contents.remove_prefix(static_cast<std::size_t>(put));
        else if (put == 0 || errno != EINTR)
            error = put == 0 ? EIO : errno;
    }
    if (error == 0 && replacing && ::fchmod(file.Get(), old.st_mode & 07777) != 0)
        error = errno;
    if (error == 0 && ::fsync(file.Get()) != 0)
        error = errno;
    if (!file.Close() && error == 0)
        error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return error;
    }
    // The rename itself is safe once the folder is on disk too.
    const TFileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid())
        ::fsync(dir.Get());
    return 0;
}

}  // namespace peglore
