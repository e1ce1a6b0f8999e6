// Loading and saving on Windows: the same promises as on POSIX, through the
// Win32 file API with UTF-16 names.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// <windows.h> maps the name to its own ReplaceFileA/W; ours is casefile::ReplaceFile.
#undef ReplaceFile

#include <cerrno>
#include <cstdio>
#include <string>
#include <string_view>

#include "casefile/casefile.h"
#include "casefile/replace_file.h"

namespace casefile {
namespace {

constexpr int kTemporaryAttempts = 100;

[[noreturn]] void Fail(DWORD error) { throw FileErrorFromWindows(error); }

[[noreturn]] void FailLast() { Fail(::GetLastError()); }

// Owns a file handle. The destructor closes quietly and keeps the last
// error; Close() is for the paths where the outcome of closing matters.
class Handle {
public:
    explicit Handle(HANDLE handle) noexcept : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle()
    {
        if (valid()) {
            const DWORD saved = ::GetLastError();
            ::CloseHandle(handle_);
            ::SetLastError(saved);
        }
    }

    HANDLE get() const noexcept { return handle_; }
    bool valid() const noexcept { return handle_ != INVALID_HANDLE_VALUE; }
    DWORD Close() noexcept
    {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return handle != INVALID_HANDLE_VALUE && !::CloseHandle(handle) ? ::GetLastError() : ERROR_SUCCESS;
    }

private:
    HANDLE handle_;
};

// A name that is not UTF-8 cannot name any file.
std::wstring Widen(const std::string& utf8)
{
    if (utf8.empty())
        Fail(ERROR_FILE_NOT_FOUND);
    const int length =
        ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    if (length <= 0)
        Fail(ERROR_INVALID_NAME);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          length);
    return wide;
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

DWORD WriteAll(HANDLE file, std::string_view data) noexcept
{
    while (!data.empty()) {
        const DWORD chunk = data.size() < 0x40000000 ? static_cast<DWORD>(data.size()) : 0x40000000;
        DWORD written = 0;
        if (!::WriteFile(file, data.data(), chunk, &written, nullptr))
            return ::GetLastError();
        // Windows reports a full disk as a write that makes no progress.
        if (written == 0)
            return ERROR_DISK_FULL;
        data.remove_prefix(written);
    }
    return ERROR_SUCCESS;
}

// Writes data to a new file beside the case, durably, and returns its name.
std::wstring WriteTemporary(const std::wstring& path, std::string_view data)
{
    // The folder part, drive letter included, so the rename never crosses
    // volumes.
    const std::size_t cut = path.find_last_of(L"\\/:");
    const std::wstring folder = cut == std::wstring::npos ? L"" : path.substr(0, cut + 1);
    static unsigned serial = 0;
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        wchar_t leaf[64];
        std::swprintf(leaf, 64, L".tervol-%lx-%llx-%x.tmp", ::GetCurrentProcessId(),
                      static_cast<unsigned long long>(::GetTickCount64()), ++serial);
        const std::wstring name = folder + leaf;
        // Others may read the case while it is written, as before.
        Handle file(::CreateFileW(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) {
            const DWORD error = ::GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
                continue;
            Fail(error);
        }
        DWORD error = WriteAll(file.get(), data);
        if (error == ERROR_SUCCESS && !::FlushFileBuffers(file.get()))
            error = ::GetLastError();
        if (error == ERROR_SUCCESS)
            error = file.Close();
        if (error != ERROR_SUCCESS) {
            file.Close();
            ::DeleteFileW(name.c_str());
            Fail(error);
        }
        return name;
    }
    Fail(ERROR_FILE_EXISTS);
}

}  // namespace

void ReplaceFile(const std::string& path, std::string_view data)
{
    const std::wstring target = Widen(path);
    // Only a folder can be named with a trailing separator.
    if (IsSeparator(target.back()))
        Fail(ERROR_ACCESS_DENIED);

    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && ::GetLastError() != ERROR_FILE_NOT_FOUND)
        FailLast();
    // A rename would replace a read-only case; it must refuse the save, as
    // opening it for writing does.
    if (exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        Fail(ERROR_ACCESS_DENIED);

    // A folder that refuses new files refuses the save: the old file is
    // never written in place, where a failure would leave it cut short.
    const std::wstring temporary = WriteTemporary(target, data);
    // Write-through: the call returns only when the new name is on the disk.
    if (!::MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        Fail(error);
    }
}

void LoadCase(const std::string& path, const FieldSetter& setField)
{
    // A folder fails here with "access denied", as on POSIX.
    Handle file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        FailLast();
    // Consoles, pipes and devices may never end or never deliver.
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        Fail(ERROR_ACCESS_DENIED);
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size))
        FailLast();
    // The program's own limit, so the same "I/O error 27" as on POSIX.
    if (static_cast<unsigned long long>(size.QuadPart) > kMaxCaseFileBytes)
        throw FileErrorFromErrno(EFBIG);

    // The size seen above may be stale, so the read itself is bounded too.
    std::string bytes;
    char chunk[16 * 1024];
    while (bytes.size() <= kMaxCaseFileBytes) {
        const std::size_t room = kMaxCaseFileBytes + 1 - bytes.size();
        DWORD got = 0;
        if (!::ReadFile(file.get(), chunk, static_cast<DWORD>(room < sizeof chunk ? room : sizeof chunk), &got,
                        nullptr))
            FailLast();
        if (got == 0)
            break;
        bytes.append(chunk, got);
    }
    if (bytes.size() > kMaxCaseFileBytes)
        throw FileErrorFromErrno(EFBIG);
    const DWORD closeError = file.Close();
    ParseCase(bytes, setField);
    // Every line arrived intact, so the fields take them; a failed close is
    // still reported afterwards, as on POSIX.
    if (closeError != ERROR_SUCCESS)
        Fail(closeError);
}

}  // namespace casefile
