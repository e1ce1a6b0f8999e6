#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "casefile/casefile.h"
#include "casefile/posix_io.h"

namespace casefile {
namespace {

using detail::Descriptor;

bool TooBig(const struct stat& info) { return static_cast<unsigned long long>(info.st_size) > kMaxCaseFileBytes; }

// Folders, pipes and devices are refused before a byte is read: a device such
// as /dev/zero never ends and a pipe may never deliver.
void RequireCaseSized(const struct stat& info)
{
    if (!S_ISREG(info.st_mode))
        throw FileErrorFromErrno(EACCES);
    if (TooBig(info))
        throw FileErrorFromErrno(EFBIG);
}

struct WholeFile {
    std::string bytes;
    int closeError = 0;
};

WholeFile ReadWholeFile(const std::string& path)
{
    struct stat info {};
    // Looking first means a device is never even opened; opening some has
    // side effects of its own.
    if (::stat(path.c_str(), &info) != 0)
        throw FileErrorFromErrno(errno);
    RequireCaseSized(info);

    // Non-blocking, in case the name was swapped for a pipe since we looked.
    Descriptor file(detail::OpenFile(path, O_RDONLY | O_NONBLOCK | O_NOCTTY));
    if (!file.valid())
        throw FileErrorFromErrno(errno);
    if (::fstat(file.get(), &info) != 0)
        throw FileErrorFromErrno(errno);
    RequireCaseSized(info);

    // The size seen above may be stale, so the read itself is bounded too.
    WholeFile whole;
    char chunk[16 * 1024];
    while (whole.bytes.size() <= kMaxCaseFileBytes) {
        const std::size_t room = kMaxCaseFileBytes + 1 - whole.bytes.size();
        const ssize_t got = ::read(file.get(), chunk, room < sizeof chunk ? room : sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw FileErrorFromErrno(errno);
        }
        if (got == 0)
            break;
        whole.bytes.append(chunk, static_cast<std::size_t>(got));
    }
    if (whole.bytes.size() > kMaxCaseFileBytes)
        throw FileErrorFromErrno(EFBIG);
    whole.closeError = file.Close();
    return whole;
}

}  // namespace

void LoadCase(const std::string& path, const FieldSetter& setField)
{
    const WholeFile whole = ReadWholeFile(path);
    ParseCase(whole.bytes, setField);
    // Every line arrived intact, so the fields take them; a failed close is
    // still reported afterwards, as the older program did.
    if (whole.closeError != 0)
        throw FileErrorFromErrno(whole.closeError);
}

}  // namespace casefile
