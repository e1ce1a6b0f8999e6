#include "casefile/casefile.h"

#include <cerrno>
#include <utility>

namespace casefile {

FileError::FileError(int code, std::string message) : std::runtime_error(std::move(message)), code_(code) {}

FileError FileErrorFromErrno(int osError)
{
    switch (osError) {
    case ENOENT: return {2, "File not found"};
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return {3, "Invalid filename"};
    case EMFILE:
    case ENFILE: return {4, "Too many open files"};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return {5, "File access denied"};
    case ENOSPC:
    case EDQUOT: return {101, "Disk full"};
    default: return {osError, "I/O error " + std::to_string(osError)};
    }
}

}  // namespace casefile
