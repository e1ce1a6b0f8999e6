// A private folder for the files a test or a fuzz target writes, removed
// when it goes. It lives under $TMPDIR, so scripts/fuzz keeps even a crashed
// run's files out of the way.
#pragma once

#ifdef _WIN32
#include <io.h>
#endif

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <system_error>

namespace support {

// A file's bytes, "" when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tervol-test-XXXXXX").string();
#ifdef _WIN32
        // No mkdtemp in the Windows C runtime: pick a free name, then claim it.
        if (::_mktemp_s(pattern.data(), pattern.size() + 1) != 0 || !std::filesystem::create_directory(pattern)) {
#else
        if (!::mkdtemp(pattern.data())) {
#endif
            std::perror("mkdtemp");
            std::abort();
        }
        path_ = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(std::string_view name) const { return (path_ / name).string(); }

    // Replaces the file's content; a failure here is the harness's, so it stops the run.
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        const std::string path = File(name);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            std::abort();
        }
        return path;
    }

    std::string Read(std::string_view name) const { return ReadFile(path_ / name); }

private:
    std::filesystem::path path_;
};

}  // namespace support
