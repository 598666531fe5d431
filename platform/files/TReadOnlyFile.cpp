#include "platform/files/TReadOnlyFile.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace peglore {

TReadOnlyFile::TReadOnlyFile(const std::string& path, TLinks links)
{
    const auto fail = [this](TFileError error, int systemError) {
        FDescriptor.Reset(-1);
        FError = error;
        FSystemError = systemError;
    };
    if (path.empty() || path.find('\0') != std::string::npos) {
        fail(TFileError::Missing, ENOENT);
        return;
    }
    // O_NONBLOCK: opening a named pipe without a writer, or a device, must
    // not wait; the status below refuses them before anything is read.
    const int flags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | (links == TLinks::Refuse ? O_NOFOLLOW : 0);
    FDescriptor.Reset(::open(path.c_str(), flags));
    if (!FDescriptor.Valid())
        fail(errno == ENOENT || errno == ENOTDIR ? TFileError::Missing : TFileError::Unreadable, errno);
    else if (::fstat(FDescriptor.Get(), &FStatus) != 0)
        fail(TFileError::Unreadable, errno);
    else if (!S_ISREG(FStatus.st_mode) || FStatus.st_size < 0)
        fail(TFileError::NotAFile, 0);
}

std::string TReadOnlyFile::Reason() const
{
    switch (FError) {
    case TFileError::None: return {};
    case TFileError::Missing: return "there is no such file";
    case TFileError::Unreadable: return FSystemError != 0 ? std::strerror(FSystemError) : "it cannot be read";
    case TFileError::NotAFile:
        if (S_ISDIR(FStatus.st_mode))
            return "it is a folder, not a file";
        if (S_ISFIFO(FStatus.st_mode))
            return "it is a named pipe, not a file";
        if (S_ISCHR(FStatus.st_mode) || S_ISBLK(FStatus.st_mode))
            return "it is a device, not a file";
        if (S_ISSOCK(FStatus.st_mode))
            return "it is a socket, not a file";
        return "it is not a file";
    case TFileError::TooLarge: return "it is too large";
    }
    return {};
}

std::uint64_t TReadOnlyFile::Size() const
{
    return IsOpen() ? std::uint64_t(FStatus.st_size) : 0;
}

std::ptrdiff_t TReadOnlyFile::ReadSome(std::uint64_t offset, void* buffer, std::size_t count) const
{
    if (!IsOpen()) {
        errno = EBADF;
        return -1;
    }
    for (;;) {
        const ssize_t got = ::pread(FDescriptor.Get(), buffer, count, off_t(offset));
        if (got >= 0 || errno != EINTR)
            return got;
    }
}

bool TReadOnlyFile::ReadAt(std::uint64_t offset, void* buffer, std::size_t count) const
{
    const std::uint64_t size = Size();
    if (offset > size || count > size - offset)
        return false;
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    while (count > 0) {
        const std::ptrdiff_t got = ReadSome(offset, bytes, count);
        if (got <= 0)
            return false;  // the read failed, or the file shrank since it was opened
        bytes += got;
        offset += std::uint64_t(got);
        count -= std::size_t(got);
    }
    return true;
}

TFileContents ReadFileContents(const std::string& path, std::size_t maxSize)
{
    TFileContents contents;
    const auto fail = [&](TFileError error, int systemError, std::string reason) {
        contents.Bytes.clear();
        contents.Error = error;
        contents.SystemError = systemError;
        contents.Reason = std::move(reason);
        return std::move(contents);
    };
    const TReadOnlyFile file(path);
    if (!file.IsOpen())
        return fail(file.Error(), file.SystemError(), file.Reason());
    const auto tooLarge = [&] {
        return fail(TFileError::TooLarge, 0, "it is larger than " + std::to_string(maxSize) + " bytes");
    };
    if (file.Size() > maxSize)
        return tooLarge();

    // One byte more than the size tells a file that grew meanwhile; it is
    // read on up to one byte past the limit.
    std::string& bytes = contents.Bytes;
    bytes.resize(std::size_t(file.Size()) + 1);
    std::size_t length = 0;
    for (;;) {
        if (length == bytes.size()) {
            if (bytes.size() > maxSize)
                break;
            bytes.resize(std::min(maxSize + 1, bytes.size() * 2));
        }
        const std::ptrdiff_t got = file.ReadSome(length, bytes.data() + length, bytes.size() - length);
        if (got < 0)
            return fail(TFileError::Unreadable, errno, std::strerror(errno));
        if (got == 0)
            break;
        length += std::size_t(got);
    }
    if (length > maxSize)
        return tooLarge();
    bytes.resize(length);
    return contents;
}

}  // namespace peglore
