#pragma once

#include "platform/profile/TProfileError.h"
#include "platform/profile/TProfileText.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace peglore {

// Called after the new contents are written and synced to TEMPPATH, just
// before TEMPPATH is renamed over TARGETPATH. Returning false abandons the
// save: the temporary file is removed and the old file stays as it was.
using TProfileSaveHook = std::function<bool(const std::string& tempPath, const std::string& targetPath)>;

// One profile (INI) file on disk, named by its path. Nothing is cached: every
// read and every write starts from the file as it is now.
//
// Reading never fails: a file that is missing, unreadable, not a regular file
// or larger than MaxFileSize reads as empty, so every key gives its default.
//
// Writing rewrites the whole file through a temporary file in the same folder
// that is synced and then renamed over the old one, keeping the old file's
// mode bits (and owner, where allowed). The old file is never replaced when it
// or its folder has no write permission bit set, when the caller lacks write
// permission, or when it (before or after the change) is larger than
// MaxFileSize; a symbolic link is followed and its target rewritten.
class TProfileFile {
public:
    // Files beyond this size are neither read nor replaced. A settings file of
    // a few dozen lines is far below it; this bounds the work a hostile file
    // can cause.
    static constexpr std::uintmax_t MaxFileSize = 1024u * 1024u;

    explicit TProfileFile(std::string path);

    const std::string& Path() const noexcept { return FPath; }

    // The whole file, for reading many keys with one pass over the disk. When
    // the file cannot be read, an empty text and the reason in *ERROR
    // (FileMissing for a file that is not there).
    TProfileText Load(TProfileError* error = nullptr) const;

    // See TProfileText::ReadString.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // See TProfileText::WriteString for where the value goes. Creates the file
    // when it does not exist (mode 0666 less the umask), never its folder.
    // Returns false, with LastError() and LastSystemError() telling why, when
    // the file was left as it was.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Why the last WriteString failed; None after a success.
    TProfileError LastError() const noexcept { return FLastError; }
    // The errno behind LastError(), or 0 when the refusal was our own.
    int LastSystemError() const noexcept { return FLastSystemError; }

    // For tests: a hook run between the write and the rename of every save.
    void SetSaveHook(TProfileSaveHook hook) { FSaveHook = std::move(hook); }

private:
    bool Fail(TProfileError error, int systemError);

    std::string FPath;
    TProfileSaveHook FSaveHook;
    TProfileError FLastError = TProfileError::None;
    int FLastSystemError = 0;
};

// One-call forms of TProfileFile(path).ReadString and .WriteString.
std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue);
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key, std::string_view value,
                        TProfileError* error = nullptr);

}  // namespace peglore
