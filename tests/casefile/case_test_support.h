#pragma once

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "casefile/casefile.h"

namespace casefile_test {

namespace fs = std::filesystem;

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// What one LoadCase call did: every setField call, and the error if any.
struct LoadResult {
  std::vector<int> indices;
  casefile::CaseLines texts;
  int code = 0;
  std::string message;
};

inline LoadResult Load(const std::string& path) {
  LoadResult result;
  try {
    casefile::LoadCase(path, [&](int index, const std::string& text) {
      result.indices.push_back(index);
      result.texts.at(static_cast<std::size_t>(index)) = text;
    });
  } catch (const casefile::FileError& e) {
    result.code = e.code();
    result.message = e.what();
  }
  return result;
}

// FileError code of a save, 0 when it succeeded.
inline int SaveCode(const std::string& path, const casefile::CaseLines& lines) {
  try {
    casefile::SaveCase(path, lines);
    return 0;
  } catch (const casefile::FileError& e) {
    return e.code();
  }
}

// Runs body in a forked child and returns its result. With asNobody the child
// drops root first, since root ignores the permission bits these tests need.
inline int InChild(const std::function<int()>& body, bool asNobody = false) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (asNobody && ::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0)) {
      ::_exit(254);
    }
    ::_exit(body());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

class CaseFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "casefile-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }
  std::string Path(const std::string& name) const { return dir_ + "/" + name; }

  std::string dir_;
};

}  // namespace casefile_test
