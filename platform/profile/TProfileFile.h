#pragma once

#include "platform/profile/TProfileEntry.h"
#include "platform/profile/TProfileError.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace peglore {

// One profile (INI) file on disk, named by its path, read and written with the
// rules of ScanProfileValues and PlanProfileWrites. Nothing is cached: every read and every write starts
// from the file as it is now.
//
// The file is never held in memory: a read passes over it once, stopping as
// soon as every key asked for is settled, and a write passes over it once to
// find where the entries go and once more to copy it, so a file of any size
// is read and rewritten in a small, fixed amount of memory, every byte of
// every other line kept.
//
// Reading never fails: a file that is missing, unreadable or not a regular
// file reads as empty, so every key gives its default.
//
// Writing rewrites the whole file through a temporary file in the same folder
// that is synced and then renamed over the old one, keeping the old file's
// mode bits (and owner, where allowed). The old file is never replaced when it
// or its folder has no write permission bit set, or when the caller lacks
// write permission. A symbolic link is written through (the link stays) only
// when its target is a regular file owned by the user running the program,
// and never when that user is root; any other link is refused, and nothing
// changes. Reading follows every link.
// Writing values the file already holds, byte for byte, leaves it untouched.
class TProfileFile {
public:
    explicit TProfileFile(std::string path);

    const std::string& Path() const noexcept { return FPath; }

    // The values of KEYS (see ScanProfileValues), nothing for a key that is not
    // there, all from one pass over the file. When the file cannot be
    // read, nothing for every key and the reason in *ERROR (FileMissing for a
    // file that is not there).
    std::vector<std::optional<std::string>> ReadStrings(std::span<const TProfileKey> keys,
                                                        TProfileError* error = nullptr) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;

    // See PlanProfileWrites for where the values go; all of ENTRIES
    // are written with one rewrite of the file, or none is. Creates the file
    // when it does not exist (mode 0666 less the umask), never its folder.
    // Returns false, with LastError() and LastSystemError() telling why, when
    // the file was left as it was.
    bool WriteStrings(std::span<const TProfileEntry> entries);
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);

    // Why the last write failed; None after a success.
    TProfileError LastError() const noexcept { return FLastError; }
    // The errno behind LastError(), or 0 when the refusal was our own.
    int LastSystemError() const noexcept { return FLastSystemError; }

private:
    bool Fail(TProfileError error, int systemError);

    std::string FPath;
    TProfileError FLastError = TProfileError::None;
    int FLastSystemError = 0;
};

}  // namespace peglore
