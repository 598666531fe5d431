#pragma once

#include "platform/files/TFileDescriptor.h"

#include <chrono>
#include <string>

namespace peglore {

// An exclusive advisory lock (flock) on a folder, held while the object
// lives, so that runs of the game sharing the folder read and rewrite its
// files one after the other. Nothing is created in the folder and nothing
// is left behind: the lock goes with the descriptor, also when the process
// dies. Another holder is waited for at most TIMEOUT; when the lock cannot
// be had in that time, or the folder cannot be locked at all (missing, or
// on a file system without such locks), Held() is false and the caller
// goes on without it rather than not at all.
class TFolderLock {
public:
    TFolderLock(const std::string& folder, std::chrono::milliseconds timeout);

    bool Held() const noexcept { return FHeld; }

private:
    TFileDescriptor FFolder;
    bool FHeld = false;
};

}  // namespace peglore
