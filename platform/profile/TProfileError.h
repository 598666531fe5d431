#pragma once

namespace peglore {

// Why a profile file operation did not do what was asked.
enum class TProfileError {
    None,
    InvalidPath,  // empty path, or a path naming a folder
    InvalidSection,  // empty after trimming, or holds ']', CR or LF
    InvalidKey,  // empty after trimming, holds '=', CR or LF, or starts with '[', ';' or '#'
    InvalidValue,  // holds CR or LF
    FileMissing,  // reading only: there is no such file (not a failure for callers)
    FolderMissing,  // the folder of the file does not exist or is not a folder
    FolderReadOnly,  // no write permission on the folder
    FileReadOnly,  // no write permission on the file
    NotRegularFile,  // a folder, device or pipe stands at the path
    LinkRefused,  // a symbolic link to anything but a regular file of the user's own, or root writing
    ReadFailed,  // the existing file could not be read, so it cannot be kept
    FileChanged,  // another program changed the file while it was being rewritten
    WriteFailed,  // creating, writing, syncing or renaming the new file failed
};

// A short English description, for diagnostics.
const char* ProfileErrorText(TProfileError error) noexcept;

}  // namespace peglore
