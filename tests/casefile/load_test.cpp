#include <sys/stat.h>

#include <numeric>

#include "case_test_support.h"

namespace casefile_test {
namespace {

std::vector<int> AllIndices() {
  std::vector<int> indices(casefile::kLineCount);
  std::iota(indices.begin(), indices.end(), 0);
  return indices;
}

std::string Crlf(int count, int first = 1) {
  std::string bytes;
  for (int i = first; i < first + count; ++i) bytes += "L" + std::to_string(i) + "\r\n";
  return bytes;
}

struct ReadingCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> leading;  // expected first texts; the rest are empty
};

class ReadingRulesTest : public CaseFileTest, public ::testing::WithParamInterface<ReadingCase> {};

TEST_P(ReadingRulesTest, SetsEveryFieldInOrder) {
  WriteBytes(Path("case.tvl"), GetParam().bytes);
  const LoadResult result = Load(Path("case.tvl"));
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(result.indices, AllIndices());
  casefile::CaseLines expected;
  std::copy(GetParam().leading.begin(), GetParam().leading.end(), expected.begin());
  EXPECT_EQ(result.texts, expected);
}

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> texts;
  for (int i = 1; i <= count; ++i) texts.push_back("L" + std::to_string(i));
  return texts;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadingRulesTest,
    ::testing::Values(
        ReadingCase{"Crlf", Crlf(30), Numbered(30)},
        ReadingCase{"LfOnlyIsOneLine", "Vand\n55\n70\n", {"Vand\n55\n70\n"}},
        ReadingCase{"CrOnly", "Vand\r55\r70\r", {"Vand", "55", "70"}},
        ReadingCase{"CtrlZInLineFive", Crlf(4) + "40\x1A" "5\r\n" + Crlf(25, 6),
                    {"L1", "L2", "L3", "L4", "40"}},
        ReadingCase{"CtrlZRightAfterCr", "a\r\x1A\nb\r\n", {"a"}},
        ReadingCase{"EmptyFile", "", {}},
        ReadingCase{"ShortFileWithoutFinalBreak", "Glykol \r\n55", {"Glykol ", "55"}},
        ReadingCase{"LinesAfterThirtyIgnored", Crlf(35), Numbered(30)},
        ReadingCase{"CrCrLfGivesEmptyLine", "a\r\r\nb\r\n", {"a", "", "b"}},
        ReadingCase{"OnlyOneLfSkipped", "a\r\n\nb\r\n", {"a", "\nb"}},
        ReadingCase{"LfCrEndsAtTheCr", "a\n\rb", {"a\n", "b"}},
        ReadingCase{"EmptyLinesKept", "\r\n\r\nx\r\n", {"", "", "x"}},
        ReadingCase{"AnsiBytesBecomeLetters", "Sekund\xE6r\r\n12,5\xB0\r\n",
                    {"Sekundær", "12,5°"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaseFileTest, LoadsAFileOfExactlyTheLimit) {
  WriteBytes(Path("big.tvl"), std::string(casefile::kMaxCaseFileBytes, 'a'));
  const LoadResult result = Load(Path("big.tvl"));
  EXPECT_EQ(result.code, 0);
  EXPECT_EQ(result.texts[0].size(), casefile::kMaxCaseFileBytes);
}

struct RefusedLoad {
  const char* name;
  std::function<std::string(const std::string& dir)> makePath;
  int code;
  const char* message;
};

class RefusedLoadTest : public CaseFileTest, public ::testing::WithParamInterface<RefusedLoad> {};

TEST_P(RefusedLoadTest, SetsNoFieldAndNeverHangs) {
  const LoadResult result = Load(GetParam().makePath(dir_));
  EXPECT_EQ(result.code, GetParam().code);
  EXPECT_EQ(result.message, GetParam().message);
  EXPECT_TRUE(result.indices.empty());
}

std::string SizedFile(const std::string& dir, std::size_t size) {
  WriteBytes(dir + "/big.tvl", std::string(size, 'x'));
  return dir + "/big.tvl";
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, RefusedLoadTest,
    ::testing::Values(
        RefusedLoad{"MissingFile", [](auto& dir) { return dir + "/none.tvl"; }, 2, "File not found"},
        RefusedLoad{"InsideAFile",
                    [](auto& dir) { return WriteBytes(dir + "/f", "x"), dir + "/f/case.tvl"; },
                    3, "Invalid filename"},
        RefusedLoad{"Folder", [](auto& dir) { return dir; }, 5, "File access denied"},
        RefusedLoad{"FifoWithoutWriter",
                    [](auto& dir) { return ::mkfifo((dir + "/p").c_str(), 0600), dir + "/p"; },
                    5, "File access denied"},
        RefusedLoad{"EndlessDevice", [](auto&) { return std::string("/dev/zero"); }, 5,
                    "File access denied"},
        RefusedLoad{"OneByteOverTheLimit",
                    [](auto& dir) { return SizedFile(dir, casefile::kMaxCaseFileBytes + 1); }, 27,
                    "I/O error 27"},
        RefusedLoad{"TwoMebibytes", [](auto& dir) { return SizedFile(dir, 2 << 20); }, 27,
                    "I/O error 27"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaseFileTest, UnreadableFileSetsNoField) {
  WriteBytes(Path("secret.tvl"), Crlf(30));
  ::chmod(Path("secret.tvl").c_str(), 0);
  ::chmod(dir_.c_str(), 0755);
  const int code = InChild(
      [&] {
        const LoadResult result = Load(Path("secret.tvl"));
        return result.indices.empty() ? result.code : 253;
      },
      true);
  EXPECT_EQ(code, 5);
}

}  // namespace
}  // namespace casefile_test
