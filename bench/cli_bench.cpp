// `tervol rate --format csv` over 10 000 case files in one call: the built
// program as a script starts it, and the same command in-process, which
// leaves out starting the program and loading Qt.
#include "cli/cli.h"

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kCases = 10000;

// The start-up case as a window with "." as decimal separator saves it.
constexpr char kStartCase[] =
    "Vand\r\nVand\r\n55\r\n70\r\n40\r\n65\r\n35\r\n1\r\n1\r\n30.0\r\n30.0\r\n1.602\r\n1.599\r\n5.00\r\n11.00\r\n"
    "Vand\r\nVand\r\n55\r\n73\r\n63\r\n30\r\n33.0\r\n40.0\r\n33.0\r\n0.560\r\n0.824\r\n1.199\r\n1.451\r\n5.78\r\n9."
    "52\r\n";

// A folder of case files, removed at the end of the run.
class CaseFolder {
public:
    CaseFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tervol-cli-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        dir_ = pattern;
        for (int i = 0; i < kCases; ++i) {
            files_.push_back((dir_ / ("case" + std::to_string(i) + ".tvl")).string());
            std::ofstream(files_.back(), std::ios::binary) << kStartCase;
        }
    }
    ~CaseFolder() { std::filesystem::remove_all(dir_); }
    const std::vector<std::string>& Files() const { return files_; }

private:
    std::filesystem::path dir_;
    std::vector<std::string> files_;
};

const CaseFolder& Cases()
{
    static const CaseFolder folder;
    return folder;
}

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void RateCsvInProcess(benchmark::State& state)
{
    std::vector<std::string> args{"rate", "--format", "csv"};
    args.insert(args.end(), Cases().Files().begin(), Cases().Files().end());
    NullBuffer null;
    std::ostream out(&null), err(&null);
    for (auto _ : state)
        if (cli::Run(args, cli::Host{{".", ","}, nullptr}, out, err) != 0)
            state.SkipWithError("a case failed");
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(RateCsvInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

#ifdef TERVOL_PROGRAM
void RateCsvProgram(benchmark::State& state)
{
    std::vector<std::string> args{TERVOL_PROGRAM, "rate", "--format", "csv"};
    args.insert(args.end(), Cases().Files().begin(), Cases().Files().end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 || waitpid(pid, &status, 0) < 0 ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0)
            state.SkipWithError("tervol rate failed");
    }
    posix_spawn_file_actions_destroy(&actions);
    state.SetItemsProcessed(state.iterations() * kCases);
}
BENCHMARK(RateCsvProgram)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

}  // namespace
