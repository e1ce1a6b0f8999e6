// Starting, waiting for and killing the processes an end-to-end test needs:
// the X server, the program, and one xdotool call per user action.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// The environment a child gets: this process's own, with some names replaced
// or removed.
class Environment {
public:
    static Environment Inherited();
    Environment& Set(const std::string& name, const std::string& value);
    Environment& Unset(const std::string& name);
    // Removes every variable whose name starts with `prefix`, except `keep`.
    Environment& UnsetPrefixed(const std::string& prefix, const std::vector<std::string>& keep);
    std::vector<std::string> Entries() const;

private:
    std::map<std::string, std::string> vars_;
};

// Owns a file descriptor and closes it on every way out of a scope.
struct UniqueFd {
    int fd = -1;
    UniqueFd() = default;
    explicit UniqueFd(int f) : fd(f) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() { Close(); }
    void Close();
};

// How a finished child ended.
struct ExitStatus {
    bool exited = false;  // by exit(), not by a signal
    int code = -1;        // exit code, or the signal's number
    std::string Describe() const;
};

// A running child. It is killed (SIGKILL) and reaped when this object goes,
// so no path out of a test leaves it behind.
class Child {
public:
    struct Options {
        // Where the child's stdout and stderr go; -1 inherits ours.
        int stdoutFd = -1;
        int stderrFd = -1;
        // Extra descriptor handed to the child under the same number.
        int passFd = -1;
    };

    // argv[0] is looked up on PATH. Throws std::runtime_error when the
    // program cannot be started.
    static Child Start(const std::vector<std::string>& argv, const Environment& env, const Options& options);
    static Child Start(const std::vector<std::string>& argv, const Environment& env)
    {
        return Start(argv, env, Options{});
    }

    Child() = default;
    Child(Child&& other) noexcept;
    Child& operator=(Child&& other) noexcept;
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;
    ~Child();

    pid_t pid() const { return pid_; }
    // The exit status, or nothing if the child is still running at the end
    // of `timeout`.
    std::optional<ExitStatus> WaitFor(milliseconds timeout);
    void Kill();

private:
    explicit Child(pid_t pid) : pid_(pid) {}

    bool Reap(int options);

    pid_t pid_ = -1;
    std::optional<ExitStatus> status_;
};

struct Output {
    ExitStatus status;
    std::string out;
    bool timedOut = false;
};

// Runs a command to its end, collecting its stdout; a command still running
// after `timeout` is killed and reported as timed out.
Output Run(const std::vector<std::string>& argv, const Environment& env, milliseconds timeout);

}  // namespace e2e
