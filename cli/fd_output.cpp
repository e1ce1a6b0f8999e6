#include "cli/fd_output.h"

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

long WriteSome(int fd, const char* data, size_t size)
{
#ifdef _WIN32
    return _write(fd, data, static_cast<unsigned>(size));
#else
    return ::write(fd, data, size);
#endif
}

}  // namespace

bool FdOutput::Drain()
{
    const char* at = pbase();
    while (error_ == 0 && at < pptr()) {
        const long written = WriteSome(fd_, at, static_cast<size_t>(pptr() - at));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            error_ = written < 0 ? errno : EIO;
        else
            at += written;
    }
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    return error_ == 0;
}

int FdOutput::overflow(int c)
{
    if (!Drain())
        return traits_type::eof();
    if (c != traits_type::eof()) {
        *pptr() = static_cast<char>(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int FdOutput::sync() { return Drain() ? 0 : -1; }

bool FdOutput::Close()
{
    Drain();
    if (fd_ >= 0) {
#ifdef _WIN32
        const int closed = _close(fd_);
#else
        const int closed = ::close(fd_);
#endif
        if (closed != 0 && error_ == 0 && errno != EINTR)
            error_ = errno;
        fd_ = -1;
    }
    return error_ == 0;
}

}  // namespace cli
