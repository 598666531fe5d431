#include "platform/profile/TProfileFile.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace peglore {

namespace {

constexpr mode_t AnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// Closes a descriptor on every way out.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd = -1) noexcept : FD(fd) {}
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    ~TFileDescriptor() { Close(); }

    void Reset(int fd) noexcept
    {
        Close();
        FD = fd;
    }
    int Get() const noexcept { return FD; }
    bool Valid() const noexcept { return FD >= 0; }
    // Returns false when close reports an error (a write may have been lost).
    bool Close() noexcept
    {
        if (FD < 0)
            return true;
        const int result = ::close(FD);
        FD = -1;
        return result == 0;
    }

private:
    int FD;
};

// Removes the temporary file unless the save got as far as the rename.
class TTempFileGuard {
public:
    explicit TTempFileGuard(const std::string& path) : FPath(path) {}
    TTempFileGuard(const TTempFileGuard&) = delete;
    TTempFileGuard& operator=(const TTempFileGuard&) = delete;
    ~TTempFileGuard()
    {
        if (!FCommitted)
            ::unlink(FPath.c_str());
    }
    void Commit() noexcept { FCommitted = true; }

private:
    const std::string& FPath;
    bool FCommitted = false;
};

// Reads at most LIMIT + 1 bytes, so the caller can tell a file that grew past
// the limit after it was measured.
bool ReadAll(int fd, std::uintmax_t limit, std::string& out, int& systemError)
{
    out.clear();
    char buffer[64 * 1024];
    while (out.size() <= limit) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            systemError = errno;
            return false;
        }
        if (got == 0)
            break;
        out.append(buffer, std::size_t(got));
    }
    return true;
}

bool WriteAll(int fd, std::string_view data, int& systemError)
{
    while (!data.empty()) {
        const ssize_t put = ::write(fd, data.data(), data.size());
        if (put < 0) {
            if (errno == EINTR)
                continue;
            systemError = errno;
            return false;
        }
        data.remove_prefix(std::size_t(put));
    }
    return true;
}

// Root passes every access() check, so a file or folder whose mode has no
// write bit at all is taken as read-only whoever we are.
bool MayWrite(const std::string& path, const struct stat& status, int accessMode)
{
    return (status.st_mode & AnyWriteBit) != 0 && ::access(path.c_str(), accessMode) == 0;
}

std::string TempPathFor(const std::string& folder, const std::string& baseName, int attempt)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return folder + "/." + baseName + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
           std::to_string((ticks + attempt) & 0xFFFFFF);
}

void SyncFolder(const std::string& folder)
{
    TFileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Valid())
        ::fsync(fd.Get());  // best effort: the rename itself has already happened
}

}  // namespace

TProfileFile::TProfileFile(std::string path) : FPath(std::move(path)) {}

bool TProfileFile::Fail(TProfileError error, int systemError)
{
    FLastError = error;
    FLastSystemError = systemError;
    return false;
}

TProfileText TProfileFile::Load(TProfileError* error) const
{
    auto fail = [error](TProfileError why) {
        if (error)
            *error = why;
        return TProfileText();
    };
    if (FPath.empty())
        return fail(TProfileError::InvalidPath);
    // O_NONBLOCK keeps a named pipe at the path from blocking the open.
    TFileDescriptor fd(::open(FPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.Valid())
        return fail(errno == ENOENT ? TProfileError::FileMissing : TProfileError::ReadFailed);
    struct stat status {};
    if (::fstat(fd.Get(), &status) != 0)
        return fail(TProfileError::ReadFailed);
    if (!S_ISREG(status.st_mode))
        return fail(TProfileError::NotRegularFile);
    if (std::uintmax_t(status.st_size) > MaxFileSize)
        return fail(TProfileError::FileTooLarge);
    std::string bytes;
    int systemError = 0;
    if (!ReadAll(fd.Get(), MaxFileSize, bytes, systemError))
        return fail(TProfileError::ReadFailed);
    if (bytes.size() > MaxFileSize)
        return fail(TProfileError::FileTooLarge);
    if (error)
        *error = TProfileError::None;
    return TProfileText(std::move(bytes));
}

std::string TProfileFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    return Load().ReadString(section, key, defaultValue);
}

bool TProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    FLastError = TProfileError::None;
    FLastSystemError = 0;
    if (const TProfileError error = TProfileText::CheckEntry(section, key, value); error != TProfileError::None)
        return Fail(error, 0);
    if (FPath.empty() || FPath.back() == '/')
        return Fail(TProfileError::InvalidPath, 0);

    // Write through a symbolic link rather than replace the link by a file.
    std::string target = FPath;
    struct stat linkStatus {};
    if (::lstat(FPath.c_str(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) {
        char* resolved = ::realpath(FPath.c_str(), nullptr);
        if (!resolved)
            return Fail(TProfileError::NotRegularFile, errno);
        target = resolved;
        std::free(resolved);
    }

    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".")
                               : slash == 0               ? std::string("/")
                                                          : target.substr(0, slash);
    const std::string baseName = slash == std::string::npos ? target : target.substr(slash + 1);

    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0)
        return Fail(TProfileError::FolderMissing, errno);
    if (!S_ISDIR(folderStatus.st_mode))
        return Fail(TProfileError::FolderMissing, ENOTDIR);
    if (!MayWrite(folder, folderStatus, W_OK | X_OK))
        return Fail(TProfileError::FolderReadOnly, EACCES);

    TProfileText text;
    bool exists = false;
    struct stat fileStatus {};
    {
        TFileDescriptor fd(::open(target.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        if (!fd.Valid()) {
            if (errno != ENOENT)
                return Fail(TProfileError::ReadFailed, errno);
        } else {
            exists = true;
            if (::fstat(fd.Get(), &fileStatus) != 0)
                return Fail(TProfileError::ReadFailed, errno);
            if (!S_ISREG(fileStatus.st_mode))
                return Fail(TProfileError::NotRegularFile, 0);
            if (!MayWrite(target, fileStatus, W_OK))
                return Fail(TProfileError::FileReadOnly, EACCES);
            if (std::uintmax_t(fileStatus.st_size) > MaxFileSize)
                return Fail(TProfileError::FileTooLarge, EFBIG);
            std::string bytes;
            int systemError = 0;
            if (!ReadAll(fd.Get(), MaxFileSize, bytes, systemError))
                return Fail(TProfileError::ReadFailed, systemError);
            if (bytes.size() > MaxFileSize)
                return Fail(TProfileError::FileTooLarge, EFBIG);
            text = TProfileText(std::move(bytes));
        }
    }

    if (const TProfileError error = text.WriteString(section, key, value); error != TProfileError::None)
        return Fail(error, 0);
    // Never write what the next read would refuse.
    if (text.Text().size() > MaxFileSize)
        return Fail(TProfileError::FileTooLarge, EFBIG);

    std::string tempPath;
    TFileDescriptor temp;
    for (int attempt = 0; attempt < 100 && !temp.Valid(); ++attempt) {
        tempPath = TempPathFor(folder, baseName, attempt);
        // A new file gets 0666 less the umask, as any created file would.
        temp.Reset(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, exists ? 0600 : 0666));
        if (!temp.Valid() && errno != EEXIST)
            return Fail(TProfileError::WriteFailed, errno);
    }
    if (!temp.Valid())
        return Fail(TProfileError::WriteFailed, EEXIST);
    TTempFileGuard guard(tempPath);

    int systemError = 0;
    if (!WriteAll(temp.Get(), text.Text(), systemError))
        return Fail(TProfileError::WriteFailed, systemError);
    if (exists) {
        // The owner first: a change of owner may clear set-id bits of the mode.
        struct stat tempStatus {};
        if (::fstat(temp.Get(), &tempStatus) == 0 &&
            (tempStatus.st_uid != fileStatus.st_uid || tempStatus.st_gid != fileStatus.st_gid)) {
            [[maybe_unused]] const int ignored =
                ::fchown(temp.Get(), fileStatus.st_uid, fileStatus.st_gid);  // only root may
        }
        if (::fchmod(temp.Get(), fileStatus.st_mode & 07777) != 0)
            return Fail(TProfileError::WriteFailed, errno);
    }
    if (::fsync(temp.Get()) != 0)
        return Fail(TProfileError::WriteFailed, errno);
    if (!temp.Close())
        return Fail(TProfileError::WriteFailed, errno);

    if (FSaveHook && !FSaveHook(tempPath, target))
        return Fail(TProfileError::Interrupted, 0);

    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return Fail(TProfileError::WriteFailed, errno);
    guard.Commit();
    SyncFolder(folder);
    return true;
}

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view defaultValue)
{
    return TProfileFile(path).ReadString(section, key, defaultValue);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key, std::string_view value,
                        TProfileError* error)
{
    TProfileFile file(path);
    const bool written = file.WriteString(section, key, value);
    if (error)
        *error = file.LastError();
    return written;
}

}  // namespace peglore
