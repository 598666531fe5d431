#pragma once

#include "platform/files/IByteSource.h"
#include "platform/files/TFileDescriptor.h"

#include <sys/stat.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace peglore {

// Why a file cannot be read.
enum class TFileError {
    None,
    Missing,  // nothing at the path, or a part of the path is not a folder
    Unreadable,  // the system refused to open, inspect or read it
    NotAFile,  // a folder, named pipe, device or socket
    TooLarge,  // more bytes than the reader takes
};

// One regular file, open for reading at any offset; the only way the
// program opens a file it reads. The open never waits: a named pipe with
// no writer, or a device, at the path is refused like a folder is, so a
// read can neither block nor run on without end. Interrupted system calls
// are repeated.
class TReadOnlyFile final : public IByteSource {
public:
    enum class TLinks { Follow, Refuse };

    explicit TReadOnlyFile(const std::string& path, TLinks links = TLinks::Follow);

    bool IsOpen() const noexcept { return FError == TFileError::None; }
    TFileError Error() const noexcept { return FError; }
    // The errno behind Missing or Unreadable; 0 otherwise.
    int SystemError() const noexcept { return FSystemError; }
    // Why the file cannot be read, as a person reads it: "there is no such
    // file", "it is a folder, not a file"; empty when it is open.
    std::string Reason() const;

    // The file's status when it was opened; its descriptor while open.
    const struct stat& Status() const noexcept { return FStatus; }
    int Descriptor() const noexcept { return FDescriptor.Get(); }

    // The size when the file was opened; a file that shrinks since reads
    // short, one that grows reads only so far through ReadAt.
    std::uint64_t Size() const override;
    bool ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const override;
    // Up to COUNT bytes at OFFSET: how many were read, 0 at the end of the
    // file, -1 with errno set when the read fails.
    std::ptrdiff_t ReadSome(std::uint64_t offset, void* buffer, std::size_t count) const;

private:
    TFileDescriptor FDescriptor;
    struct stat FStatus {};
    TFileError FError = TFileError::None;
    int FSystemError = 0;
};

// A whole file read into memory.
struct TFileContents {
    std::string Bytes;
    TFileError Error = TFileError::None;
    int SystemError = 0;  // as TReadOnlyFile::SystemError
    std::string Reason;  // as TReadOnlyFile::Reason; for TooLarge, "it is larger than N bytes"
};

// The bytes of the regular file at PATH when there are at most MAXSIZE of
// them; otherwise no bytes and why. A file that grows while it is read is
// still cut off at MAXSIZE + 1 bytes, and then TooLarge.
TFileContents ReadFileContents(const std::string& path, std::size_t maxSize);

}  // namespace peglore
