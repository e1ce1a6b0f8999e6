#include "casefile/casefile.h"

#include "tests/support/scratch_dir.h"

#include <gtest/gtest.h>
#ifndef _WIN32
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

// Every line a load set, and the error text ("" when it succeeded).
std::pair<std::vector<std::string>, std::string> Load(const std::string& path)
{
    std::vector<std::string> lines;
    try {
        casefile::LoadCase(path, [&](int index, const std::string& text) {
            EXPECT_EQ(index, static_cast<int>(lines.size()));
            lines.push_back(text);
        });
    } catch (const casefile::FileError& e) {
        return {lines, e.what()};
    }
    return {lines, ""};
}

class CaseFile : public testing::Test {
protected:
    std::string Path(const char* name) const { return dir_.File(name); }
    std::string Write(const char* name, const std::string& bytes) const { return dir_.Write(name, bytes); }
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
}

TEST_F(CaseFile, SavedFileIsThirtyLinesAndLoadsBack)
{
    casefile::CaseLines lines;
    for (int i = 0; i < casefile::kLineCount; ++i)
        lines[i] = std::to_string(i);
    lines[0] = "Glykol ";
    lines[29] = "æø";
    casefile::SaveCase(Path("case.tvl"), lines);
    std::string expected = "Glykol \r\n";
    for (int i = 1; i < 29; ++i)
        expected += std::to_string(i) + "\r\n";
    expected += "\xE6\xF8\r\n";
    EXPECT_EQ(support::ReadFile(Path("case.tvl")), expected);
    // Lines after the thirtieth are ignored.
    for (const std::string& bytes : {expected, expected + "x\r\ny\r\n"})
        EXPECT_EQ(Load(Write("in.tvl", bytes)),
                  std::make_pair(std::vector<std::string>(lines.begin(), lines.end()), std::string()));
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
        const auto [loaded, error] = Load(Write("in.tvl", c.bytes));
        std::vector<std::string> expected(30);
        for (const auto& [index, text] : c.lines)
            expected[index] = text;
        EXPECT_EQ(error, "");
        EXPECT_EQ(loaded, expected);
    }
}

// Pipes, devices and resource limits; windows_test.cpp has Windows' own.
#ifndef _WIN32
TEST_F(CaseFile, RefusedLoadsSetNoFieldAndNeverHang)
{
    fs::create_directory(Path("folder"));
    ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
    const std::pair<std::string, const char*> cases[] = {
        {Path("missing.tvl"), "File not found"},
        {Path("folder"), "File access denied"},
        {Path("fifo"), "File access denied"},
        {"/dev/zero", "File access denied"},
    };
    for (const auto& [path, message] : cases) {
        const auto [loaded, error] = Load(path);
        EXPECT_TRUE(loaded.empty()) << path;
        EXPECT_EQ(error, message) << path;
    }
}

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
    try {
        casefile::SaveCase(Path("case.tvl"), casefile::CaseLines{"new case"});
        ADD_FAILURE() << "saved over a read-only case";
    } catch (const casefile::FileError& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(support::ReadFile(Path("case.tvl")), old);
    EXPECT_EQ(fs::status(Path("case.tvl")).permissions(), fs::perms(0444));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 1);
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
        try {
            casefile::SaveCase(Path("case.tvl"), big);
        } catch (const casefile::FileError& e) {
            ::_exit(e.code());
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 27);  // EFBIG
    EXPECT_EQ(support::ReadFile(Path("case.tvl")), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(CaseFile, FullDeviceIsWrittenInPlace)
{
    try {
        casefile::SaveCase("/dev/full", casefile::CaseLines{});
        ADD_FAILURE() << "saved to a full device";
    } catch (const casefile::FileError& e) {
        EXPECT_STREQ(e.what(), "Disk full");
    }
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));  // never renamed over
}

#endif  // _WIN32

}  // namespace
