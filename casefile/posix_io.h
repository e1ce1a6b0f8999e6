// Small POSIX helpers shared by loading and saving. Functions report an
// errno value (0 for success) instead of throwing, so callers can tidy up
// before they turn it into a FileError.

#pragma once

#include <signal.h>
#include <sys/types.h>

#include <string>
#include <string_view>

namespace casefile::detail {

// Owns a file descriptor. The destructor closes quietly and keeps errno;
// Close() is for the paths where the outcome of closing matters.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) noexcept : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor();

    int get() const noexcept { return fd_; }
    bool valid() const noexcept { return fd_ >= 0; }
    int Close() noexcept;

private:
    int fd_;
};

// open() that retries when a signal interrupts it; -1 with errno on failure.
int OpenFile(const std::string& path, int flags, mode_t mode = 0) noexcept;

int WriteAll(int fd, std::string_view data) noexcept;

// fsync, where a file that cannot be synced (EINVAL) counts as success.
int SyncFile(int fd) noexcept;

// Holds back SIGPIPE for its lifetime: a pipe whose reader goes away while we
// write must fail the save with EPIPE, not end the program.
class SigpipeBlock {
public:
    SigpipeBlock() noexcept;
    SigpipeBlock(const SigpipeBlock&) = delete;
    SigpipeBlock& operator=(const SigpipeBlock&) = delete;
    ~SigpipeBlock();

private:
    sigset_t oldMask_;
    bool wasPending_ = false;
};

}  // namespace casefile::detail
