#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "casefile/casefile.h"

namespace {

struct CodecCase {
  const char* name;
  std::string utf8;
  std::string bytes;
  bool lossy;  // only the UTF-8 -> bytes direction holds
};

class CodecTest : public ::testing::TestWithParam<CodecCase> {};

TEST_P(CodecTest, MapsBetweenUtf8AndWindows1252) {
  EXPECT_EQ(casefile::EncodeWindows1252(GetParam().utf8), GetParam().bytes);
  if (!GetParam().lossy) {
    EXPECT_EQ(casefile::DecodeWindows1252(GetParam().bytes), GetParam().utf8);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CodecTest,
    ::testing::Values(
        CodecCase{"AsciiKeepsBlanks", "Glykol ", "Glykol ", false},
        CodecCase{"DanishLetters", "Sekundær Åø 70°", "Sekund\xE6r \xC5\xF8 70\xB0", false},
        CodecCase{"HighBlock", "€‚Š–™Ÿ", "\x80\x82\x8A\x96\x99\x9F", false},
        CodecCase{"UndefinedBytesAsC1Controls", "\u0081\u008D\u008F\u0090\u009D",
                  "\x81\x8D\x8F\x90\x9D", false},
        CodecCase{"ControlBytes", std::string("\0\t\r\n\x1A\x7F", 6),
                  std::string("\0\t\r\n\x1A\x7F", 6), false},
        CodecCase{"OtherC1ControlHasNoByte", "\u0080", "?", true},
        CodecCase{"NoByteForGreekOrChinese", "Ω中x", "??x", true},
        CodecCase{"FourByteCharacterIsOneMark", "a😀b", "a?b", true},
        CodecCase{"LoneLeadByte", "a\xC3", "a?", true},
        CodecCase{"StrayContinuations", "\x80\xBF", "??", true},
        CodecCase{"CutThreeByteSequence", "\xE4\xB8z", "??z", true},
        CodecCase{"Overlong", "\xC0\xAF\xE0\x80\xAF", "?????", true},
        CodecCase{"Surrogate", "\xED\xA0\x80", "???", true},
        CodecCase{"BeyondUnicode", "\xF4\x90\x80\x80\xFF", "?????", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodecTest, EveryByteSurvivesDecodeThenEncode) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(casefile::EncodeWindows1252(casefile::DecodeWindows1252(byte)), byte) << b;
  }
}

struct ErrnoCase {
  int osError;
  int code;
  const char* message;
};

class ErrorMappingTest : public ::testing::TestWithParam<ErrnoCase> {};

TEST_P(ErrorMappingTest, GivesTheBoxText) {
  const casefile::FileError error = casefile::FileErrorFromErrno(GetParam().osError);
  EXPECT_EQ(error.code(), GetParam().code);
  EXPECT_STREQ(error.what(), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    OsErrors, ErrorMappingTest,
    ::testing::Values(
        ErrnoCase{ENOENT, 2, "File not found"}, ErrnoCase{ENOTDIR, 3, "Invalid filename"},
        ErrnoCase{ENAMETOOLONG, 3, "Invalid filename"}, ErrnoCase{ELOOP, 3, "Invalid filename"},
        ErrnoCase{EINVAL, 3, "Invalid filename"}, ErrnoCase{EMFILE, 4, "Too many open files"},
        ErrnoCase{ENFILE, 4, "Too many open files"}, ErrnoCase{EACCES, 5, "File access denied"},
        ErrnoCase{EPERM, 5, "File access denied"}, ErrnoCase{EROFS, 5, "File access denied"},
        ErrnoCase{EISDIR, 5, "File access denied"}, ErrnoCase{ETXTBSY, 5, "File access denied"},
        ErrnoCase{ENOSPC, 101, "Disk full"}, ErrnoCase{EDQUOT, 101, "Disk full"},
        // errno 5 is EIO, not the access error whose code is 5
        ErrnoCase{EIO, 5, "I/O error 5"}, ErrnoCase{ENXIO, 6, "I/O error 6"},
        ErrnoCase{EFBIG, 27, "I/O error 27"}, ErrnoCase{EPIPE, 32, "I/O error 32"}));

}  // namespace
