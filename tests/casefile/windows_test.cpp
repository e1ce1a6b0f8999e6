// Windows error codes everywhere; the Win32 file paths where they run.
#include "casefile/casefile.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/scratch_dir.h"
#endif

namespace {

TEST(Errors, WindowsCodesGiveTheBoxTexts)
{
    const struct {
        unsigned long windows;
        int code;
        const char* text;
    } cases[] = {
        {2, 2, "File not found"},        // ERROR_FILE_NOT_FOUND
        {3, 3, "Invalid filename"},      // ERROR_PATH_NOT_FOUND
        {123, 3, "Invalid filename"},    // ERROR_INVALID_NAME
        {206, 3, "Invalid filename"},    // ERROR_FILENAME_EXCED_RANGE
        {4, 4, "Too many open files"},   // ERROR_TOO_MANY_OPEN_FILES
        {5, 5, "File access denied"},    // ERROR_ACCESS_DENIED
        {32, 32, "I/O error 32"},        // ERROR_SHARING_VIOLATION
        {112, 101, "Disk full"},         // ERROR_DISK_FULL
        {39, 101, "Disk full"},          // ERROR_HANDLE_DISK_FULL
        {223, 223, "I/O error 223"},     // ERROR_FILE_TOO_LARGE
        {1117, 1117, "I/O error 1117"},  // ERROR_IO_DEVICE
    };
    for (const auto& c : cases) {
        const casefile::FileError error = casefile::FileErrorFromWindows(c.windows);
        EXPECT_STREQ(error.what(), c.text) << c.windows;
        EXPECT_EQ(error.code(), c.code) << c.windows;
    }
}

#ifdef _WIN32

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The error text of a call that must fail ("" when it did not).
template <typename Call>
std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const casefile::FileError& e) {
        return e.what();
    }
    return "";
}

class WindowsCaseFile : public testing::Test {
protected:
    std::size_t EntryCount() const
    {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()));
    }
    support::ScratchDir dir_;
};

TEST_F(WindowsCaseFile, UnicodeNameSavesReplacesAndLoads)
{
    const fs::path file = dir_.Path() / fs::path(u8"sag æøå €.tvl");
    casefile::CaseLines lines;
    lines[0] = std::string(200, 'x');
    casefile::SaveCase(Utf8(file), lines);
    lines[0] = "Glykol ";
    lines[29] = "æø";
    casefile::SaveCase(Utf8(file), lines);

    std::string expected = "Glykol \r\n";
    for (int i = 1; i < 29; ++i)
        expected += "\r\n";
    expected += "\xE6\xF8\r\n";
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_EQ(EntryCount(), 1u);  // the one case, no temporary left

    casefile::CaseLines loaded;
    casefile::LoadCase(Utf8(file), [&](int index, const std::string& text) { loaded[index] = text; });
    EXPECT_EQ(loaded, lines);
}

TEST_F(WindowsCaseFile, RefusedLoadsSetNoField)
{
    fs::create_directory(dir_.Path() / "folder");
    dir_.Write("big.tvl", std::string(2 * 1024 * 1024, 'x'));
    const std::pair<std::string, const char*> cases[] = {
        {dir_.File("missing.tvl"), "File not found"}, {dir_.File("no folder/case.tvl"), "Invalid filename"},
        {dir_.File("folder"), "File access denied"},  {"NUL", "File access denied"},  // a device, not a file
        {dir_.File("big.tvl"), "I/O error 223"},
    };
    for (const auto& [path, message] : cases) {
        int set = 0;
        EXPECT_EQ(ErrorOf([&] { casefile::LoadCase(path, [&](int, const std::string&) { ++set; }); }), message) << path;
        EXPECT_EQ(set, 0) << path;
    }
}

TEST_F(WindowsCaseFile, RefusedSavesKeepTheOldCase)
{
    const std::string old = casefile::ComposeCase(casefile::CaseLines{"old case"});
    const std::string locked = dir_.Write("locked.tvl", old);
    const std::string readOnly = dir_.Write("read-only.tvl", old);
    ASSERT_TRUE(::SetFileAttributesW(fs::path(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    fs::create_directory(dir_.Path() / "folder");
    // Another program holds the case open without letting it be replaced.
    const HANDLE holder = ::CreateFileW(fs::path(locked).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);

    const std::pair<std::string, const char*> cases[] = {
        {locked, "File access denied"},
        {readOnly, "File access denied"},
        {dir_.File("folder"), "File access denied"},
        {dir_.File("no folder/case.tvl"), "Invalid filename"},
        {dir_.File("what?.tvl"), "Invalid filename"},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(ErrorOf([&] { casefile::SaveCase(path, casefile::CaseLines{"new case"}); }), message) << path;
    ::CloseHandle(holder);

    EXPECT_EQ(ReadBytes(locked), old);
    EXPECT_EQ(ReadBytes(readOnly), old);
    EXPECT_EQ(EntryCount(), 3u);  // no temporary left beside them
    ::SetFileAttributesW(fs::path(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);
}

#endif  // _WIN32

}  // namespace
