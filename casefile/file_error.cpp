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

FileError IoError(int code, int systemError, int cause)
{
    return {code, "I/O error " + std::to_string(code), systemError, cause};
}

struct WindowsCode {
    unsigned long error;
    int code;          // 0: "I/O error" with the Windows code
    const char* text;  // the box text when code is not 0
    int cause;
};

// Windows system error codes by number, so this table builds (and is tested)
// where there is no <windows.h>. Codes 2 to 5 are the box's own numbers; a
// sharing violation (32) stays an "I/O error", as it always was on Windows.
constexpr WindowsCode kWindowsCodes[] = {
    {2, 2, kFileNotFound, ENOENT},             // ERROR_FILE_NOT_FOUND
    {3, 3, kInvalidFilename, ENOENT},          // ERROR_PATH_NOT_FOUND: a missing folder
    {123, 3, kInvalidFilename, EINVAL},        // ERROR_INVALID_NAME
    {161, 3, kInvalidFilename, EINVAL},        // ERROR_BAD_PATHNAME
    {206, 3, kInvalidFilename, ENAMETOOLONG},  // ERROR_FILENAME_EXCED_RANGE
    {4, 4, kTooManyOpenFiles, EMFILE},         // ERROR_TOO_MANY_OPEN_FILES
    {5, 5, kAccessDenied, EACCES},             // ERROR_ACCESS_DENIED
    {112, 101, kDiskFull, ENOSPC},             // ERROR_DISK_FULL
    {39, 101, kDiskFull, ENOSPC},              // ERROR_HANDLE_DISK_FULL
    {19, 0, nullptr, EROFS},                   // ERROR_WRITE_PROTECT
    {223, 0, nullptr, EFBIG},                  // ERROR_FILE_TOO_LARGE
    {23, 0, nullptr, EIO},                     // ERROR_CRC
    {29, 0, nullptr, EIO},                     // ERROR_WRITE_FAULT
    {30, 0, nullptr, EIO},                     // ERROR_READ_FAULT
    {1117, 0, nullptr, EIO},                   // ERROR_IO_DEVICE
};

}  // namespace

FileError::FileError(int code, std::string message, int systemError, int cause)
    : std::runtime_error(std::move(message)), code_(code), systemError_(systemError), cause_(cause)
{
}

FileError FileErrorFromErrno(int osError)
{
    switch (osError) {
    case ENOENT: return {2, kFileNotFound, osError, osError};
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
    case EINVAL: return {3, kInvalidFilename, osError, osError};
    case EMFILE:
    case ENFILE: return {4, kTooManyOpenFiles, osError, osError};
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY: return {5, kAccessDenied, osError, osError};
#ifdef EDQUOT  // the Windows C runtime has no disk quotas
    case EDQUOT:
#endif
    case ENOSPC: return {101, kDiskFull, osError, osError};
    default: return IoError(osError, osError, osError);
    }
}

FileError FileErrorFromWindows(unsigned long windowsError)
{
    const int system = static_cast<int>(windowsError);
    for (const auto& known : kWindowsCodes) {
        if (known.error != windowsError)
            continue;
        if (known.code == 0)
            return IoError(system, system, known.cause);
        return {known.code, known.text, system, known.cause};
    }
    return IoError(system, system, 0);
}

}  // namespace casefile
