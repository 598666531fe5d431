#include "platform/profile/TProfileFile.h"

#include "platform/files/TFileDescriptor.h"
#include "platform/files/TReadOnlyFile.h"
#include "platform/profile/ProfileScan.h"
#include "platform/profile/TProfileLineReader.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace peglore {

namespace {

constexpr mode_t AnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

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

// Bytes of FILE from its start on, for a TProfileLineReader; ERROR gets the
// errno of a read that fails.
TProfileLineReader::TFill FillFrom(const TReadOnlyFile& file, int& error)
{
    return [&file, &error, offset = std::uint64_t(0)](char* buffer, std::size_t size) mutable -> std::ptrdiff_t {
        const std::ptrdiff_t got = file.ReadSome(offset, buffer, size);
        if (got < 0) {
            error = errno;
            return -1;
        }
        offset += std::uint64_t(got);
        return got;
    };
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

enum class TCopyResult { Done, Short, Failed };

// Copies LENGTH bytes at OFFSET of FROM to the end of what was written to TO:
// in the kernel where it can, else through a buffer. Short when FROM ends
// before.
TCopyResult CopyRange(int from, std::uint64_t offset, std::uint64_t length, int to, int& systemError)
{
    bool inKernel = true;
    std::vector<char> buffer;
    while (length > 0) {
        const std::size_t step = std::size_t(std::min<std::uint64_t>(length, 1u << 30));
        ssize_t done = -1;
        if (inKernel) {
            off_t at = off_t(offset);
            done = ::copy_file_range(from, &at, to, nullptr, step, 0);
            if (done < 0 && errno != EINTR) {
                // Not offered between these two files: copy by hand.
                if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EPERM) {
                    systemError = errno;
                    return TCopyResult::Failed;
                }
                inKernel = false;
                continue;
            }
        } else {
            if (buffer.empty())
                buffer.resize(1024 * 1024);
            done = ::pread(from, buffer.data(), std::min(step, buffer.size()), off_t(offset));
            if (done < 0 && errno != EINTR) {
                systemError = errno;
                return TCopyResult::Failed;
            }
            if (done > 0 && !WriteAll(to, std::string_view(buffer.data(), std::size_t(done)), systemError))
                return TCopyResult::Failed;
        }
        if (done < 0)
            continue;  // interrupted
        if (done == 0)
            return TCopyResult::Short;
        offset += std::uint64_t(done);
        length -= std::uint64_t(done);
    }
    return TCopyResult::Done;
}

// The target of a symbolic link that a save may replace.
bool LinkMayBeWrittenThrough(const struct stat& target) noexcept
{
    return S_ISREG(target.st_mode) && target.st_uid == ::geteuid() && ::geteuid() != 0;
}

bool SameState(const struct stat& a, const struct stat& b) noexcept
{
    return a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec;
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

std::vector<std::optional<std::string>> TProfileFile::ReadStrings(std::span<const TProfileKey> keys,
                                                                  TProfileError* error) const
{
    const auto fail = [&](TProfileError why) {
        if (error)
            *error = why;
        return std::vector<std::optional<std::string>>(keys.size());
    };
    if (FPath.empty())
        return fail(TProfileError::InvalidPath);
    const TReadOnlyFile file(FPath);
    if (!file.IsOpen()) {
        if (file.Error() == TFileError::NotAFile)
            return fail(TProfileError::NotRegularFile);
        return fail(file.SystemError() == ENOENT ? TProfileError::FileMissing : TProfileError::ReadFailed);
    }
    int readError = 0;
    TProfileLineReader lines(FillFrom(file, readError));
    std::vector<std::optional<std::string>> values = ScanProfileValues(lines, keys);
    if (lines.Failed())
        return fail(TProfileError::ReadFailed);
    if (error)
        *error = TProfileError::None;
    return values;
}

std::string TProfileFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const
{
    const TProfileKey wanted{section, key};
    std::optional<std::string> value = ReadStrings({&wanted, 1}).front();
    return value ? std::move(*value) : std::string(defaultValue);
}

bool TProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const TProfileEntry entry{section, key, value};
    return WriteStrings({&entry, 1});
}

bool TProfileFile::WriteStrings(std::span<const TProfileEntry> entries)
{
    FLastError = TProfileError::None;
    FLastSystemError = 0;
    if (const TProfileError error = CheckProfileEntries(entries); error != TProfileError::None)
        return Fail(error, 0);
    if (FPath.empty() || FPath.back() == '/')
        return Fail(TProfileError::InvalidPath, 0);

    // A symbolic link is written through, the link kept, only to a regular
    // file of the user's own. Root owns every system file, so root never
    // writes through a link: a settings file linked to /etc/passwd stays a
    // refusal whoever runs the game.
    std::string target = FPath;
    bool throughLink = false;
    struct stat linkStatus {};
    if (::lstat(FPath.c_str(), &linkStatus) == 0 && S_ISLNK(linkStatus.st_mode)) {
        char* resolved = ::realpath(FPath.c_str(), nullptr);
        if (!resolved)
            return Fail(TProfileError::LinkRefused, errno);  // dangling, or a loop
        target = resolved;
        std::free(resolved);
        struct stat targetStatus {};
        if (::stat(target.c_str(), &targetStatus) != 0)
            return Fail(TProfileError::LinkRefused, errno);
        if (!LinkMayBeWrittenThrough(targetStatus))
            return Fail(TProfileError::LinkRefused, 0);
        throughLink = true;
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

    // The resolved target holds no link; one that appears there since was
    // put there by someone else and is not followed.
    const TReadOnlyFile source(target, throughLink ? TReadOnlyFile::TLinks::Refuse : TReadOnlyFile::TLinks::Follow);
    const bool exists = source.IsOpen();
    if (source.Error() == TFileError::NotAFile)
        return Fail(throughLink ? TProfileError::LinkRefused : TProfileError::NotRegularFile, 0);
    if (!exists && (throughLink || source.SystemError() != ENOENT)) {
        const int openError = source.SystemError();
        // A file we may not even read may still be one we may not write.
        struct stat status {};
        if (openError == EACCES && ::stat(target.c_str(), &status) == 0 && !MayWrite(target, status, W_OK))
            return Fail(TProfileError::FileReadOnly, openError);
        return Fail(throughLink ? TProfileError::LinkRefused : TProfileError::ReadFailed, openError);
    }
    const struct stat& fileStatus = source.Status();
    if (exists) {
        if (throughLink && !LinkMayBeWrittenThrough(fileStatus))
            return Fail(TProfileError::LinkRefused, 0);
        if (!MayWrite(target, fileStatus, W_OK))
            return Fail(TProfileError::FileReadOnly, EACCES);
    }
    const std::uint64_t size = exists ? std::uint64_t(fileStatus.st_size) : 0;

    // First pass: where every entry goes.
    std::optional<std::vector<TProfileEdit>> edits;
    if (exists) {
        int readError = 0;
        TProfileLineReader lines(FillFrom(source, readError));
        edits = PlanProfileWrites(lines, entries);
        if (!edits)
            return Fail(TProfileError::ReadFailed, readError);
        if (lines.AtEnd() && lines.Offset() != size)
            return Fail(TProfileError::FileChanged, 0);
    } else {
        TProfileLineReader lines(std::string_view{});
        edits = PlanProfileWrites(lines, entries);
    }
    if (exists && edits->empty())
        return true;  // every value is there already

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

    // Second pass: the old bytes between the edits, and the edits.
    int systemError = 0;
    std::uint64_t at = 0;
    const auto copyTo = [&](std::uint64_t end) {
        const TCopyResult copied = CopyRange(source.Descriptor(), at, end - at, temp.Get(), systemError);
        at = end;
        return copied;
    };
    for (const TProfileEdit& edit : *edits) {
        if (const TCopyResult copied = copyTo(edit.Offset); copied != TCopyResult::Done)
            return Fail(copied == TCopyResult::Short ? TProfileError::FileChanged : TProfileError::ReadFailed,
                        systemError);
        if (!WriteAll(temp.Get(), edit.Text, systemError))
            return Fail(TProfileError::WriteFailed, systemError);
        at = edit.Offset + edit.Length;
    }
    if (const TCopyResult copied = copyTo(size); copied != TCopyResult::Done)
        return Fail(copied == TCopyResult::Short ? TProfileError::FileChanged : TProfileError::ReadFailed, systemError);
    if (exists) {
        // Another writer in between would have its bytes mixed with ours.
        struct stat now {};
        if (::fstat(source.Descriptor(), &now) != 0 || !SameState(now, fileStatus))
            return Fail(TProfileError::FileChanged, 0);
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

    if (::rename(tempPath.c_str(), target.c_str()) != 0)
        return Fail(TProfileError::WriteFailed, errno);
    guard.Commit();
    SyncFolder(folder);
    return true;
}

}  // namespace peglore
