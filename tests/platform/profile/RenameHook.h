#pragma once

#include <functional>
#include <string>

namespace ProfileTestFiles {

// While it lives, every rename in the test's process first calls the hook
// with both paths; when the hook returns false the rename fails with EIO and
// nothing is renamed. So a test sees the moment a save replaces its file.
class TRenameHook {
public:
    using THook = std::function<bool(const std::string& from, const std::string& to)>;

    explicit TRenameHook(THook hook);
    TRenameHook(const TRenameHook&) = delete;
    TRenameHook& operator=(const TRenameHook&) = delete;
    ~TRenameHook();
};

}  // namespace ProfileTestFiles
