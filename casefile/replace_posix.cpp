#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>

#include "casefile/casefile.h"
#include "casefile/posix_io.h"
#include "casefile/replace_file.h"

namespace casefile {
namespace {

using detail::Descriptor;
using detail::OpenFile;

constexpr int kMaxLinkHops = 40;       // the kernel's own limit
constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask
constexpr int kTemporaryAttempts = 100;

enum class Kind {
    kNew,           // nothing there yet: create it
    kExisting,      // a regular file: replace it through a temporary file
    kWriteThrough,  // a device, a pipe or the like: write into it as it is
};

struct Target {
    std::string path;  // never a symbolic link when kind is kNew or kExisting
    Kind kind = Kind::kNew;
    struct stat info {};
};

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string ReadLink(const std::string& path)
{
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = ::readlink(path.c_str(), buffer.data(), buffer.size());
        if (length < 0)
            throw FileErrorFromErrno(errno);
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// Follows links in the last part of the name ourselves, so the temporary file
// is made beside the real file and the link itself survives the save. A link
// to nothing yields the name it points at, which the save then creates.
std::string FollowLinks(std::string path)
{
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return path;
        const std::string link = ReadLink(path);
        path = link.front() == '/' ? link : FolderOf(path) + "/" + link;
    }
    throw FileErrorFromErrno(ELOOP);
}

Target FindTarget(const std::string& path)
{
    if (path.empty())
        throw FileErrorFromErrno(ENOENT);
    // Only a folder can be named with a trailing slash.
    if (path.back() == '/')
        throw FileErrorFromErrno(EISDIR);

    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT)
            throw FileErrorFromErrno(errno);
        return {FollowLinks(path), Kind::kNew, {}};
    }
    if (S_ISDIR(info.st_mode))
        throw FileErrorFromErrno(EISDIR);
    // Renaming over /dev/full would replace the device itself.
    if (!S_ISREG(info.st_mode))
        return {path, Kind::kWriteThrough, info};

    const std::string real = FollowLinks(path);
    struct stat realInfo {};
    const bool sameFile =
        ::lstat(real.c_str(), &realInfo) == 0 && realInfo.st_dev == info.st_dev && realInfo.st_ino == info.st_ino;
    // Links that only the kernel can follow (/proc/self/fd/N) name no place to
    // rename to; such a file is written through its link.
    if (!sameFile)
        return {path, Kind::kWriteThrough, info};
    return {real, Kind::kExisting, info};
}

int CreateTemporary(const std::string& folder, std::string& name)
{
    static unsigned serial = 0;
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        char leaf[64];
        std::snprintf(leaf, sizeof leaf, "/.tervol-%x-%llx-%x.tmp", static_cast<unsigned>(::getpid()),
                      static_cast<unsigned long long>(stamp), ++serial);
        name = folder + leaf;
        const int fd = OpenFile(name, O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY, kNewFileMode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The new file takes the old one's place, so it takes its owner and
// permission bits too (set-id bits are dropped). False when the owner cannot
// be kept, which only the old file's owner or root may do.
bool KeepOwnerAndMode(int fd, const struct stat& old)
{
    if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return false;
    }
    // Best effort: some file systems have no permission bits to set.
    if (::fchmod(fd, old.st_mode & 0777) != 0) {}
    return true;
}

void SyncFolder(const std::string& folder)
{
    // Makes the rename itself durable; a folder that cannot be synced loses
    // nothing we could still save.
    Descriptor dir(OpenFile(folder, O_RDONLY | O_DIRECTORY));
    if (dir.valid())
        ::fsync(dir.get());
}

// Returns 0 or the errno of the step that failed; the target is then as it was.
int ReplaceThroughTemporary(const Target& target, std::string_view data)
{
    const std::string folder = FolderOf(target.path);
    std::string temporary;
    const int fd = CreateTemporary(folder, temporary);
    if (fd < 0)
        return errno;
    Descriptor file(fd);

    if (target.kind == Kind::kExisting && !KeepOwnerAndMode(file.get(), target.info)) {
        file.Close();
        ::unlink(temporary.c_str());
        return EPERM;
    }
    int error = detail::WriteAll(file.get(), data);
    if (error == 0)
        error = detail::SyncFile(file.get());
    if (error == 0)
        error = file.Close();
    if (error != 0) {
        file.Close();
        ::unlink(temporary.c_str());
        return error;
    }
    if (::rename(temporary.c_str(), target.path.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(folder);
    return 0;
}

void WriteThrough(const std::string& path, std::string_view data)
{
    // Non-blocking so that a pipe without a reader fails at once (ENXIO)
    // instead of waiting for one, and a full pipe fails instead of hanging.
    Descriptor file(OpenFile(path, O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY, kNewFileMode));
    if (!file.valid())
        throw FileErrorFromErrno(errno);
    int error;
    {
        detail::SigpipeBlock noSigpipe;
        error = detail::WriteAll(file.get(), data);
    }
    if (error == 0)
        error = detail::SyncFile(file.get());
    const int closeError = file.Close();
    if (error == 0)
        error = closeError;
    if (error != 0)
        throw FileErrorFromErrno(error);
}

}  // namespace

void ReplaceFile(const std::string& path, std::string_view bytes)
{
    const Target target = FindTarget(path);
    if (target.kind == Kind::kWriteThrough) {
        WriteThrough(target.path, bytes);
        return;
    }
    // A rename asks only the folder's permission; a file we may not open for
    // writing must still refuse the save.
    if (target.kind == Kind::kExisting && ::faccessat(AT_FDCWD, target.path.c_str(), W_OK, AT_EACCESS) != 0) {
        throw FileErrorFromErrno(errno);
    }
    // A folder that refuses new files refuses the save too: writing the old
    // file in place instead would leave it cut short if that write failed.
    if (const int error = ReplaceThroughTemporary(target, bytes); error != 0)
        throw FileErrorFromErrno(error);
}

}  // namespace casefile
