#include "platform/profile/TProfileError.h"

namespace peglore {

const char* ProfileErrorText(TProfileError error) noexcept
{
    switch (error) {
    case TProfileError::None: return "no error";
    case TProfileError::InvalidPath: return "the path names no file";
    case TProfileError::InvalidSection: return "the section name cannot be stored";
    case TProfileError::InvalidKey: return "the key name cannot be stored";
    case TProfileError::InvalidValue: return "the value cannot be stored on one line";
    case TProfileError::FileMissing: return "the file does not exist";
    case TProfileError::FolderMissing: return "the folder does not exist";
    case TProfileError::FolderReadOnly: return "the folder is read-only";
    case TProfileError::FileReadOnly: return "the file is read-only";
    case TProfileError::NotRegularFile: return "the path is not a regular file";
    case TProfileError::LinkRefused: return "the path is a symbolic link that is not written through";
    case TProfileError::ReadFailed: return "the file could not be read";
    case TProfileError::FileChanged: return "the file changed while it was being saved";
    case TProfileError::WriteFailed: return "the file could not be written";
    }
    return "unknown error";
}

}  // namespace peglore
