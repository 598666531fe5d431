#include "platform/programdir/ProgramDir.h"

#include <unistd.h>
#include <vector>

namespace peglore {

std::string ProgramDir()
{
    // readlink neither terminates nor says whether it truncated, so grow the
    // buffer until the link fits with room to spare.
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return "./";
        if (std::size_t(length) < buffer.size()) {
            const std::string exe(buffer.data(), std::size_t(length));
            const std::size_t slash = exe.rfind('/');
            return slash == std::string::npos ? std::string("./") : exe.substr(0, slash + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace peglore
