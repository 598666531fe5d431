#pragma once

#include <unistd.h>

namespace peglore {

// Owns one open descriptor and closes it on every way out.
class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd = -1) noexcept : FD(fd) {}
    TFileDescriptor(TFileDescriptor&& other) noexcept : FD(other.FD) { other.FD = -1; }
    TFileDescriptor& operator=(TFileDescriptor&& other) noexcept
    {
        if (this != &other) {
            Close();
            FD = other.FD;
            other.FD = -1;
        }
        return *this;
    }
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
    // False when close reports an error (a write may have been lost).
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

}  // namespace peglore
