#include "casefile/casefile.h"
#include "casefile/replace_file.h"

#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>
#ifdef _WIN32
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <iterator>

namespace fs = std::filesystem;

namespace {

// The error box text of a call, "" when it succeeded.
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

// Every line a load set, and the error text.
std::pair<std::vector<std::string>, std::string> Load(const std::string& path)
{
    std::vector<std::string> lines;
    const std::string error = ErrorOf([&] {
        casefile::LoadCase(path, [&](int index, const std::string& text) {
            EXPECT_EQ(index, static_cast<int>(lines.size()));
            lines.push_back(text);
        });
    });
    return {lines, error};
}

std::string SaveError(const std::string& path, const casefile::CaseLines& lines)
{
    return ErrorOf([&] { casefile::SaveCase(path, lines); });
}

class CaseFile : public testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.File(name); }
    std::string Write(const char* name, const std::string& bytes) const { return dir_.Write(name, bytes); }
    std::ptrdiff_t EntryCount() const
    {
        return std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator());
    }
    support::ScratchDir dir_;
};

// Bytes 0x80 to 0x9F, the block where Windows-1252 differs from Latin-1; the
// five it leaves undefined stand for the C1 controls of the same number.
TEST(Codec, Windows1252HighBlockBothWays)
{
    const char* const utf8[32] = {
        "€",        "\xC2\x81", "‚", "ƒ", "„", "…", "†", "‡", "ˆ", "‰", "Š", "‹", "Œ", "\xC2\x8D", "Ž", "\xC2\x8F",
        "\xC2\x90", "‘",        "’", "“", "”", "•", "–", "—", "˜", "™", "š", "›", "œ", "\xC2\x9D", "ž", "Ÿ",
    };
    for (int i = 0; i < 32; ++i) {
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(casefile::DecodeWindows1252(byte), utf8[i]) << std::hex << 0x80 + i;
        EXPECT_EQ(casefile::EncodeWindows1252(utf8[i]), byte) << std::hex << 0x80 + i;
    }
    EXPECT_EQ(casefile::EncodeWindows1252("æø° Glykol "), "\xE6\xF8\xB0 Glykol ");
    EXPECT_EQ(casefile::DecodeWindows1252("\xE6\xF8\xB0\xA0\xFF"), "æø°\xC2\xA0ÿ");
    EXPECT_EQ(casefile::EncodeWindows1252("Ω中\xFF"), "???");  // no such byte, and invalid UTF-8
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(casefile::EncodeWindows1252(casefile::DecodeWindows1252(all)), all);
}

TEST(Errors, OperatingSystemCodesGiveTheBoxTexts)
{
    const std::pair<int, const char*> cases[] = {{ENOENT, "File not found"},      {ENOTDIR, "Invalid filename"},
                                                 {EMFILE, "Too many open files"}, {EACCES, "File access denied"},
                                                 {ENOSPC, "Disk full"},           {EIO, "I/O error 5"}};
    for (const auto& [error, text] : cases)
        EXPECT_STREQ(casefile::FileErrorFromErrno(error).what(), text);
    // Windows' code, the box's code and text, and the errno of the same cause
    // that the command line names in words.
    const std::tuple<unsigned long, int, const char*, int> windows[] = {
        {2, 2, "File not found", ENOENT},            // ERROR_FILE_NOT_FOUND
        {3, 3, "Invalid filename", ENOENT},          // ERROR_PATH_NOT_FOUND
        {123, 3, "Invalid filename", EINVAL},        // ERROR_INVALID_NAME
        {206, 3, "Invalid filename", ENAMETOOLONG},  // ERROR_FILENAME_EXCED_RANGE
        {4, 4, "Too many open files", EMFILE},       // ERROR_TOO_MANY_OPEN_FILES
        {5, 5, "File access denied", EACCES},        // ERROR_ACCESS_DENIED, not EIO's 5
        {32, 32, "I/O error 32", 0},                 // ERROR_SHARING_VIOLATION
        {112, 101, "Disk full", ENOSPC},             // ERROR_DISK_FULL
        {39, 101, "Disk full", ENOSPC},              // ERROR_HANDLE_DISK_FULL
        {19, 19, "I/O error 19", EROFS},             // ERROR_WRITE_PROTECT
        {223, 223, "I/O error 223", EFBIG},          // ERROR_FILE_TOO_LARGE
        {1117, 1117, "I/O error 1117", EIO},         // ERROR_IO_DEVICE
        {27, 27, "I/O error 27", 0},                 // ERROR_SECTOR_NOT_FOUND, not EFBIG's 27
    };
    for (const auto& [error, code, text, cause] : windows) {
        const casefile::FileError e = casefile::FileErrorFromWindows(error);
        EXPECT_STREQ(e.what(), text) << error;
        EXPECT_EQ(e.code(), code) << error;
        EXPECT_EQ(e.systemError(), static_cast<int>(error));
        EXPECT_EQ(e.cause(), cause) << error;
    }
    EXPECT_EQ(casefile::FileErrorFromErrno(EFBIG).cause(), EFBIG);
}

// A name outside the ANSI code page, and a save over a longer case: the one
// file is replaced, no temporary is left, and lines after the thirtieth are
// ignored on loading.
TEST_F(CaseFile, SavedFileIsThirtyLinesAndLoadsBack)
{
    const std::u8string name = (dir_.Path() / fs::path(u8"sag æøå €.tvl")).u8string();
    const std::string path(name.begin(), name.end());
    casefile::CaseLines lines;
    lines[0] = std::string(200, 'x');
    casefile::SaveCase(path, lines);
    for (int i = 0; i < casefile::kLineCount; ++i)
        lines[i] = std::to_string(i);
    lines[0] = "Glykol ";
    lines[29] = "æø";
    casefile::SaveCase(path, lines);
    std::string expected = "Glykol \r\n";
    for (int i = 1; i < 29; ++i)
        expected += std::to_string(i) + "\r\n";
    expected += "\xE6\xF8\r\n";
    EXPECT_EQ(support::ReadFile(fs::path(name)), expected);
    EXPECT_EQ(EntryCount(), 1);
    const auto loaded = std::make_pair(std::vector<std::string>(lines.begin(), lines.end()), std::string());
    EXPECT_EQ(Load(path), loaded);
    EXPECT_EQ(Load(Write("in.tvl", expected + "x\r\ny\r\n")), loaded);
}

TEST_F(CaseFile, ReadingRules)
{
    struct {
        std::string bytes;
        std::vector<std::pair<int, std::string>> lines;  // the others are empty
    } cases[] = {
        {"a\nb\nc\n", {{0, "a\nb\nc\n"}}},            // a lone LF is text
        {"a\rb\rc", {{0, "a"}, {1, "b"}, {2, "c"}}},  // CR alone ends a line
        {"a\r\r\nb\r\n", {{0, "a"}, {2, "b"}}},       // CR LF ends it once
        {"1\r\n2\r\n3\r\n4\r\n5\x1A"
         "5\r\n6\r\n",
         {{0, "1"}, {1, "2"}, {2, "3"}, {3, "4"}, {4, "5"}}},
        {"", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected(30);
        for (const auto& [index, text] : c.lines)
            expected[index] = text;
        EXPECT_EQ(Load(Write("in.tvl", c.bytes)), std::make_pair(expected, std::string()));
    }
}

// Folders, pipes and devices are refused without a wait or a field set.
TEST_F(CaseFile, RefusedLoadsSetNoFieldAndNeverHang)
{
    fs::create_directory(Path("folder"));
    std::vector<std::pair<std::string, const char*>> cases = {{Path("missing.tvl"), "File not found"},
                                                              {Path("folder"), "File access denied"}};
#ifdef _WIN32
    Write("big.tvl", std::string(2 * 1024 * 1024, 'x'));
    cases.insert(cases.end(), {{Path("no folder/case.tvl"), "Invalid filename"},
                               {"NUL", "File access denied"},
                               {Path("big.tvl"), "I/O error 27"}});  // the size limit's text on every platform
#else
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    cases.insert(cases.end(), {{Path("fifo"), "File access denied"}, {"/dev/zero", "File access denied"}});
#endif
    for (const auto& [path, message] : cases)
        EXPECT_EQ(Load(path), std::make_pair(std::vector<std::string>{}, std::string(message))) << path;
}

#ifdef _WIN32

TEST_F(CaseFile, RefusedSavesKeepTheOldCase)
{
    const std::string old = casefile::ComposeCase(casefile::CaseLines{"old case"});
    const std::string locked = Write("locked.tvl", old);
    const std::string readOnly = Write("read-only.tvl", old);
    ASSERT_TRUE(::SetFileAttributesW(fs::path(readOnly).c_str(), FILE_ATTRIBUTE_READONLY));
    fs::create_directory(Path("folder"));
    // Another program holds the case open without letting it be replaced.
    const HANDLE holder = ::CreateFileW(fs::path(locked).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const std::pair<std::string, const char*> cases[] = {
        {locked, "File access denied"},          {readOnly, "File access denied"},
        {Path("folder"), "File access denied"},  {Path("no folder/case.tvl"), "Invalid filename"},
        {Path("what?.tvl"), "Invalid filename"},
    };
    for (const auto& [path, message] : cases)
        EXPECT_EQ(SaveError(path, casefile::CaseLines{"new case"}), message) << path;
    ::CloseHandle(holder);
    EXPECT_EQ(support::ReadFile(locked), old);
    EXPECT_EQ(support::ReadFile(readOnly), old);
    EXPECT_EQ(EntryCount(), 3);  // no temporary left beside them
    ::SetFileAttributesW(fs::path(readOnly).c_str(), FILE_ATTRIBUTE_NORMAL);
}

#else

TEST_F(CaseFile, OneMebibyteLoadsOneByteMoreIsRefused)
{
    const std::string line(1048576 - 2, 'x');  // with its CR LF exactly 1 MiB
    const auto [loaded, error] = Load(Write("limit.tvl", line + "\r\n"));
    EXPECT_EQ(error, "");
    ASSERT_EQ(loaded.size(), 30u);
    EXPECT_EQ(loaded[0], line);
    EXPECT_EQ(Load(Write("over.tvl", line + "\r\nx")),
              std::make_pair(std::vector<std::string>{}, std::string("I/O error 27")));
}

// Root may write any file; ctest runs this again as an unprivileged user.
TEST_F(CaseFile, ReadOnlyCaseIsRefusedAndKeptUnchanged)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes read-only files; see casefile_read_only_unprivileged";
    const std::string old = casefile::ComposeCase(casefile::CaseLines{"old case"});
    Write("case.tvl", old);
    ASSERT_EQ(::chmod(Path("case.tvl").c_str(), 0444), 0);
    EXPECT_EQ(SaveError(Path("case.tvl"), casefile::CaseLines{"new case"}), "File access denied");
    EXPECT_EQ(support::ReadFile(Path("case.tvl")), old);
    EXPECT_EQ(fs::status(Path("case.tvl")).permissions(), fs::perms(0444));
    EXPECT_EQ(EntryCount(), 1);
}

// Any bytes, NULs included, land exactly; each failure keeps its cause.
TEST_F(CaseFile, ReplaceFileWritesExactBytesOrSaysWhy)
{
    const std::string bytes("%PDF-1.4\0\xff\r\n", 12);
    casefile::ReplaceFile(Write("out.pdf", std::string(4000, 'o')), bytes);
    EXPECT_EQ(support::ReadFile(Path("out.pdf")), bytes);
    EXPECT_EQ(EntryCount(), 1);
    const std::tuple<std::string, const char*, int> cases[] = {
        {Path("no folder/out.pdf"), "File not found", ENOENT},
        {"/dev/full", "Disk full", ENOSPC},
        {dir_.Path().string() + "/", "File access denied", EISDIR},
    };
    for (const auto& [path, message, error] : cases) {
        try {
            casefile::ReplaceFile(path, bytes);
            ADD_FAILURE() << path << " written";
        } catch (const casefile::FileError& e) {
            EXPECT_STREQ(e.what(), message) << path;
            EXPECT_EQ(e.systemError(), error) << path;
        }
    }
}

// A folder that refuses new files refuses the save, even where the case
// itself is writable and the write would fail part-way (at 100 bytes).
TEST_F(CaseFile, ReadOnlyFolderRefusesTheSaveAndKeepsTheCase)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders; see casefile_read_only_unprivileged";
    const std::string old = casefile::ComposeCase(casefile::CaseLines{"old case"});
    Write("case.tvl", old);
    ASSERT_EQ(::chmod(Path("case.tvl").c_str(), 0666), 0);
    ASSERT_EQ(::chmod(dir_.Path().c_str(), 0555), 0);
    casefile::CaseLines big;
    big[2] = std::string(500, '9');
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(SaveError(Path("case.tvl"), big) == "File access denied" ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(SaveError(Path("case.tvl"), casefile::CaseLines{"new"}), "File access denied");
    EXPECT_EQ(support::ReadFile(Path("case.tvl")), old);
    EXPECT_EQ(EntryCount(), 1);
    ::chmod(dir_.Path().c_str(), 0700);
}

TEST_F(CaseFile, FailedSaveKeepsTheOldCase)
{
    const std::string old = casefile::ComposeCase(casefile::CaseLines{"old case"});
    Write("case.tvl", old);
    casefile::CaseLines big;
    big[2] = std::string(500, '9');
    // The file may grow to 100 bytes only, so the write fails part-way.
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(SaveError(Path("case.tvl"), big) == "I/O error 27" ? 0 : 1);  // EFBIG
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(support::ReadFile(Path("case.tvl")), old);
    EXPECT_EQ(EntryCount(), 1);  // no temporary left
    // A device is written in place, never renamed over.
    EXPECT_EQ(SaveError("/dev/full", {}), "Disk full");
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));
}

#endif

}  // namespace
