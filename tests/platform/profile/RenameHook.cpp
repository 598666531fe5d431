#include "RenameHook.h"

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <utility>

namespace {

ProfileTestFiles::TRenameHook::THook& Hook()
{
    static ProfileTestFiles::TRenameHook::THook hook;
    return hook;
}

}  // namespace

namespace ProfileTestFiles {

TRenameHook::TRenameHook(THook hook)
{
    Hook() = std::move(hook);
}

TRenameHook::~TRenameHook()
{
    Hook() = nullptr;
}

}  // namespace ProfileTestFiles

// Defined in the test program, this takes the place of the C library's rename
// for every caller in the process; renameat does the renaming itself.
extern "C" int rename(const char* from, const char* to) noexcept
{
    if (Hook() && !Hook()(from, to)) {
        errno = EIO;
        return -1;
    }
    return ::renameat(AT_FDCWD, from, AT_FDCWD, to);
}
