#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "case_test_support.h"
#include "casefile/posix_io.h"

namespace casefile_test {
namespace {

casefile::CaseLines SampleCase() {
  casefile::CaseLines lines;
  for (int i = 0; i < casefile::kLineCount; ++i) lines[i] = std::to_string(i * 7) + ",5";
  lines[0] = "Glykol ";
  lines[1] = "Vand";
  lines[5] = "Sekundær æø 70°";
  lines[9] = "";
  return lines;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  ::lstat(path.c_str(), &info);
  return info.st_mode;
}

TEST_F(CaseFileTest, SavedFileIsThirtyAnsiLinesAndNothingElse) {
  casefile::CaseLines lines;
  lines[0] = "Glykol ";
  lines[3] = "70,5";
  lines[6] = "æø°";
  lines[7] = "€";
  lines[29] = "Ω中";
  casefile::SaveCase(Path("case.tvl"), lines);

  std::string expected = "Glykol \r\n\r\n\r\n70,5\r\n\r\n\r\n\xE6\xF8\xB0\r\n\x80\r\n";
  for (int i = 8; i < 29; ++i) expected += "\r\n";
  expected += "??\r\n";
  EXPECT_EQ(ReadBytes(Path("case.tvl")), expected);
  EXPECT_EQ(expected.size(), 7u + 4u + 3u + 1u + 2u + 60u);
}

TEST_F(CaseFileTest, SaveThenLoadGivesBackEveryText) {
  WriteBytes(Path("case.tvl"), std::string(5000, 'z'));  // an older, longer case
  casefile::SaveCase(Path("case.tvl"), SampleCase());
  const LoadResult result = Load(Path("case.tvl"));
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.texts, SampleCase());
  EXPECT_EQ(Listing(dir_), std::vector<std::string>{"case.tvl"});
}

TEST_F(CaseFileTest, NewFileFollowsTheUmaskAndReplacedFileKeepsItsBits) {
  const mode_t oldMask = ::umask(027);
  casefile::SaveCase(Path("new.tvl"), SampleCase());
  ::umask(oldMask);
  EXPECT_EQ(ModeOf(Path("new.tvl")) & 07777, 0640u);

  WriteBytes(Path("old.tvl"), "old");
  ::chmod(Path("old.tvl").c_str(), 0604);
  casefile::SaveCase(Path("old.tvl"), SampleCase());
  EXPECT_EQ(ModeOf(Path("old.tvl")) & 07777, 0604u);
}

TEST_F(CaseFileTest, SavingThroughALinkKeepsTheLink) {
  fs::create_directory(Path("real"));
  WriteBytes(Path("real/case.tvl"), "old");
  struct stat before {};
  ::stat(Path("real/case.tvl").c_str(), &before);
  fs::create_symlink("real/case.tvl", Path("link.tvl"));
  fs::create_symlink("real/later.tvl", Path("dangling.tvl"));

  casefile::SaveCase(Path("link.tvl"), SampleCase());
  casefile::SaveCase(Path("dangling.tvl"), SampleCase());

  const std::string expected = casefile::ComposeCase(SampleCase());
  EXPECT_TRUE(S_ISLNK(ModeOf(Path("link.tvl"))));
  struct stat after {};
  ::stat(Path("real/case.tvl").c_str(), &after);
  EXPECT_NE(after.st_ino, before.st_ino) << "overwritten in place, not replaced";
  EXPECT_TRUE(S_ISLNK(ModeOf(Path("dangling.tvl"))));
  EXPECT_EQ(ReadBytes(Path("real/case.tvl")), expected);
  EXPECT_EQ(ReadBytes(Path("real/later.tvl")), expected);
  EXPECT_EQ(Listing(Path("real")), (std::vector<std::string>{"case.tvl", "later.tvl"}));
}

struct RefusedSave {
  const char* name;
  std::function<std::string(const std::string& dir)> makePath;
  int code;
  const char* message;
};

class RefusedSaveTest : public CaseFileTest, public ::testing::WithParamInterface<RefusedSave> {};

TEST_P(RefusedSaveTest, LeavesTheFolderAsItWas) {
  const std::string path = GetParam().makePath(dir_);
  const std::vector<std::string> before = Listing(dir_);
  try {
    casefile::SaveCase(path, SampleCase());
    ADD_FAILURE() << "saved";
  } catch (const casefile::FileError& e) {
    EXPECT_EQ(e.code(), GetParam().code);
    EXPECT_STREQ(e.what(), GetParam().message);
  }
  EXPECT_EQ(Listing(dir_), before);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, RefusedSaveTest,
    ::testing::Values(
        RefusedSave{"MissingFolder", [](auto& dir) { return dir + "/none/case.tvl"; }, 2,
                    "File not found"},
        RefusedSave{"EmptyName", [](auto&) { return std::string(); }, 2, "File not found"},
        RefusedSave{"InsideAFile",
                    [](auto& dir) { return WriteBytes(dir + "/f", "x"), dir + "/f/case.tvl"; },
                    3, "Invalid filename"},
        RefusedSave{"NameTooLong", [](auto& dir) { return dir + "/" + std::string(300, 'n'); }, 3,
                    "Invalid filename"},
        RefusedSave{"LinkLoop",
                    [](auto& dir) {
                      fs::create_symlink("b", dir + "/a");
                      return fs::create_symlink("a", dir + "/b"), dir + "/a";
                    },
                    3, "Invalid filename"},
        RefusedSave{"Folder", [](auto& dir) { return dir; }, 5, "File access denied"},
        RefusedSave{"TrailingSlash", [](auto& dir) { return dir + "/new/"; }, 5,
                    "File access denied"},
        RefusedSave{"FifoWithoutReader",
                    [](auto& dir) { return ::mkfifo((dir + "/p").c_str(), 0600), dir + "/p"; },
                    6, "I/O error 6"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaseFileTest, FullDeviceIsWrittenInPlaceAndReportsDiskFull) {
  const std::vector<std::string> before = Listing("/dev");
  try {
    casefile::SaveCase("/dev/full", SampleCase());
    ADD_FAILURE() << "saved";
  } catch (const casefile::FileError& e) {
    EXPECT_EQ(e.code(), 101);
    EXPECT_STREQ(e.what(), "Disk full");
  }
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/full")));
  EXPECT_EQ(Listing("/dev"), before);
}

TEST_F(CaseFileTest, FifoWithReaderGetsTheBytes) {
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  const int reader = ::open(Path("pipe").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  casefile::SaveCase(Path("pipe"), SampleCase());
  std::string got(4096, '\0');
  got.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(reader, got.data(), got.size()))));
  ::close(reader);
  EXPECT_EQ(got, casefile::ComposeCase(SampleCase()));
  EXPECT_TRUE(S_ISFIFO(ModeOf(Path("pipe"))));
}

TEST_F(CaseFileTest, WriteFailingPartWayKeepsTheOldCase) {
  const std::string old = casefile::ComposeCase(casefile::CaseLines{"old case"});
  WriteBytes(Path("case.tvl"), old);
  casefile::CaseLines big = SampleCase();
  big[2] = std::string(500, '9');
  const int code = InChild([&] {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return SaveCode(Path("case.tvl"), big);
  });
  EXPECT_EQ(code, 27);  // EFBIG
  EXPECT_EQ(ReadBytes(Path("case.tvl")), old);
  EXPECT_EQ(Listing(dir_), std::vector<std::string>{"case.tvl"});
}

struct PermissionCase {
  const char* name;
  mode_t folderMode;
  mode_t fileMode;  // 0: no file there before
  bool savedByOwner;
  int code;
  bool fileReplaced;
};

class PermissionTest : public CaseFileTest, public ::testing::WithParamInterface<PermissionCase> {};

TEST_P(PermissionTest, ActsAsOpeningForWritingWould) {
  const PermissionCase& c = GetParam();
  const std::string old = "old case\r\n";
  if (c.fileMode != 0) {
    WriteBytes(Path("case.tvl"), old);
    ::chmod(Path("case.tvl").c_str(), c.fileMode);
    if (c.savedByOwner && ::geteuid() == 0) {
      ASSERT_EQ(::chown(Path("case.tvl").c_str(), 65534, 65534), 0);
    }
  }
  ::chmod(dir_.c_str(), c.folderMode);
  EXPECT_EQ(InChild([&] { return SaveCode(Path("case.tvl"), SampleCase()); }, true), c.code);
  ::chmod(dir_.c_str(), 0700);
  if (c.fileMode == 0) {
    EXPECT_TRUE(Listing(dir_).empty());
  } else {
    EXPECT_EQ(Listing(dir_), std::vector<std::string>{"case.tvl"});
    EXPECT_EQ(ReadBytes(Path("case.tvl")),
              c.fileReplaced ? casefile::ComposeCase(SampleCase()) : old);
    struct stat info {};
    ::stat(Path("case.tvl").c_str(), &info);
    EXPECT_EQ(info.st_uid, c.savedByOwner && ::geteuid() == 0 ? 65534u : ::geteuid());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PermissionTest,
    ::testing::Values(
        // renaming over it would work; opening it for writing would not
        PermissionCase{"OwnReadOnlyCase", 0777, 0444, true, 5, false},
        PermissionCase{"UnwritableFolder", 0555, 0, false, 5, false},
        // the folder refuses a temporary file; the case itself is writable
        PermissionCase{"WritableCaseInUnwritableFolder", 0555, 0666, false, 0, true},
        // a rename would give another user's case to us
        PermissionCase{"OtherUsersCaseInOpenFolder", 0777, 0666, false, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SigpipeBlockTest, WriteToAClosedPipeFailsInsteadOfKilling) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ::close(ends[0]);
  int error = 0;
  {
    casefile::detail::SigpipeBlock block;
    error = casefile::detail::WriteAll(ends[1], "x");
  }
  ::close(ends[1]);
  EXPECT_EQ(error, EPIPE);
}

}  // namespace
}  // namespace casefile_test
