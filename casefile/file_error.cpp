#include "casefile/casefile.h"

#include <cerrno>
#include <utility>

namespace casefile {
namespace {

constexpr const char* kFileNotFound = "File not found";
constexpr const char* kInvalidFilename = "Invalid filename";
constexpr const char* kTooManyOpenFiles = "Too many open files";
constexpr const char* kAccessDenied = "File access denied";
constexpr const char* kDiskFull = "Disk full";

FileError IoError(int code, int systemError) { return {code, "I/O error " + std::to_string(code), systemError}; }

struct WindowsCode {
    unsigned long error;
    int code;
    const char* text;
};

// Windows system error codes by number, so this table builds (and is tested)
// where there is no <windows.h>. Codes 2 to 5 are the box's own numbers; a
// sharing violation (32) stays an "I/O error", as it always was on Windows.
constexpr WindowsCode kWindowsCodes[] = {
    {2, 2, kFileNotFound},       // ERROR_FILE_NOT_FOUND
    {3, 3, kInvalidFilename},    // ERROR_PATH_NOT_FOUND
    {123, 3, kInvalidFilename},  // ERROR_INVALID_NAME
    {161, 3, kInvalidFilename},  // ERROR_BAD_PATHNAME
    {206, 3, kInvalidFilename},  // ERROR_FILENAME_EXCED_RANGE
    {4, 4, kTooManyOpenFiles},   // ERROR_TOO_MANY_OPEN_FILES
    {5, 5, kAccessDenied},       // ERROR_ACCESS_DENIED
    {112, 101, kDiskFull},       // ERROR_DISK_FULL
    {39, 101, kDiskFull},        // ERROR_HANDLE_DISK_FULL
};

}  // namespace

FileError::FileError(int code, std::string message, int systemError)
    : std::runtime_error(std::move(message)), code_(code), systemError_(systemError)
{
}

FileError FileErrorFromErrno(int osError)
{
    switch (osError) {
    case ENOENT: return {2, kFileNotFound, osError};
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return {3, kInvalidFilename, osError};
    case EMFILE:
    case ENFILE: return {4, kTooManyOpenFiles, osError};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return {5, kAccessDenied, osError};
#ifdef EDQUOT  // the Windows C runtime has no disk quotas
    case EDQUOT:
#endif
    case ENOSPC: return {101, kDiskFull, osError};
    default: return IoError(osError, osError);
    }
}

FileError FileErrorFromWindows(unsigned long windowsError)
{
    const int system = static_cast<int>(windowsError);
    for (const auto& known : kWindowsCodes) {
        if (known.error == windowsError)
            return {known.code, known.text, system};
    }
    return IoError(system, system);
}

}  // namespace casefile
