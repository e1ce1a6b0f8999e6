#include "casefile/posix_io.h"

#include <fcntl.h>
#include <pthread.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace casefile::detail {

Descriptor::~Descriptor()
{
    if (fd_ >= 0) {
        const int saved = errno;
        ::close(fd_);
        errno = saved;
    }
}

int Descriptor::Close() noexcept
{
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close fails, so never retry it.
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
}

int OpenFile(const std::string& path, int flags, mode_t mode) noexcept
{
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int WriteAll(int fd, std::string_view data) noexcept
{
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        // A write that makes no progress would loop for ever.
        if (written == 0)
            return EIO;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

int SyncFile(int fd) noexcept
{
    if (::fsync(fd) == 0 || errno == EINVAL)
        return 0;
    return errno;
}

SigpipeBlock::SigpipeBlock() noexcept
{
    sigset_t pipeOnly;
    sigemptyset(&pipeOnly);
    sigaddset(&pipeOnly, SIGPIPE);
    sigset_t pending;
    sigemptyset(&pending);
    ::sigpending(&pending);
    wasPending_ = sigismember(&pending, SIGPIPE) == 1;
    ::pthread_sigmask(SIG_BLOCK, &pipeOnly, &oldMask_);
}

SigpipeBlock::~SigpipeBlock()
{
    const int saved = errno;
    if (!wasPending_) {
        // Swallow the SIGPIPE our own write raised before it can be delivered.
        sigset_t pipeOnly;
        sigemptyset(&pipeOnly);
        sigaddset(&pipeOnly, SIGPIPE);
        const timespec noWait{};
        while (::sigtimedwait(&pipeOnly, nullptr, &noWait) == SIGPIPE) {}
    }
    ::pthread_sigmask(SIG_SETMASK, &oldMask_, nullptr);
    errno = saved;
}

}  // namespace casefile::detail
