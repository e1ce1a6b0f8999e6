#include "process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace e2e {

namespace {

std::string Joined(const std::vector<std::string>& argv)
{
    std::string text;
    for (const std::string& arg : argv)
        text += (text.empty() ? "" : " ") + arg;
    return text;
}

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

void UniqueFd::Close()
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

Environment Environment::Inherited()
{
    Environment env;
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        const size_t equals = text.find('=');
        if (equals != std::string::npos)
            env.vars_[text.substr(0, equals)] = text.substr(equals + 1);
    }
    return env;
}

Environment& Environment::Set(const std::string& name, const std::string& value)
{
    vars_[name] = value;
    return *this;
}

Environment& Environment::Unset(const std::string& name)
{
    vars_.erase(name);
    return *this;
}

Environment& Environment::UnsetPrefixed(const std::string& prefix, const std::vector<std::string>& keep)
{
    for (auto it = vars_.begin(); it != vars_.end();) {
        const bool kept = std::find(keep.begin(), keep.end(), it->first) != keep.end();
        it = it->first.starts_with(prefix) && !kept ? vars_.erase(it) : std::next(it);
    }
    return *this;
}

std::vector<std::string> Environment::Entries() const
{
    std::vector<std::string> entries;
    for (const auto& [name, value] : vars_)
        entries.push_back(name + "=" + value);
    return entries;
}

std::string ExitStatus::Describe() const
{
    return exited ? "exit code " + std::to_string(code) : "signal " + std::to_string(code) + " (" + strsignal(code) + ")";
}

Child Child::Start(const std::vector<std::string>& argv, const Environment& env, const Options& options)
{
    std::vector<std::string> args = argv;
    std::vector<std::string> entries = env.Entries();
    std::vector<char*> argp = Pointers(args);
    std::vector<char*> envp = Pointers(entries);

    // exec's errno comes back through this pipe; EOF means exec succeeded.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + strerror(errno));
    UniqueFd reader(report[0]);
    UniqueFd writer(report[1]);

    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid < 0)
        throw std::runtime_error(std::string("fork: ") + strerror(errno));
    if (pid == 0) {
        // Only async-signal-safe calls until exec. A test killed by its
        // timeout takes the child with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        setpgid(0, 0);
        if (options.stdoutFd >= 0)
            dup2(options.stdoutFd, STDOUT_FILENO);
        if (options.stderrFd >= 0)
            dup2(options.stderrFd, STDERR_FILENO);
        if (options.passFd >= 0) {
            const int flags = fcntl(options.passFd, F_GETFD);
            fcntl(options.passFd, F_SETFD, flags & ~FD_CLOEXEC);
        }
        execvpe(argp[0], argp.data(), envp.data());
        const int error = errno;
        [[maybe_unused]] const ssize_t ignored = write(report[1], &error, sizeof error);
        _exit(127);
    }
    writer.Close();
    Child child(pid);
    int error = 0;
    ssize_t got;
    do
        got = read(reader.fd, &error, sizeof error);
    while (got < 0 && errno == EINTR);
    if (got > 0)
        throw std::runtime_error("cannot start " + Joined(argv) + ": " + strerror(error));
    return child;
}

Child::Child(Child&& other) noexcept : pid_(other.pid_), status_(other.status_) { other.pid_ = -1; }

Child& Child::operator=(Child&& other) noexcept
{
    if (this != &other) {
        Kill();
        pid_ = other.pid_;
        status_ = other.status_;
        other.pid_ = -1;
    }
    return *this;
}

Child::~Child() { Kill(); }

bool Child::Reap(int options)
{
    if (pid_ < 0 || status_)
        return true;
    int raw = 0;
    pid_t got;
    do
        got = waitpid(pid_, &raw, options);
    while (got < 0 && errno == EINTR);
    if (got == 0)
        return false;
    ExitStatus status;
    if (got > 0 && WIFEXITED(raw)) {
        status.exited = true;
        status.code = WEXITSTATUS(raw);
    } else if (got > 0 && WIFSIGNALED(raw)) {
        status.code = WTERMSIG(raw);
    }
    status_ = status;
    return true;
}

std::optional<ExitStatus> Child::WaitFor(milliseconds timeout)
{
    const auto deadline = Clock::now() + timeout;
    while (!Reap(WNOHANG)) {
        if (Clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(milliseconds(5));
    }
    return status_;
}

void Child::Kill()
{
    if (pid_ < 0 || Reap(WNOHANG))
        return;
    // The child leads its own process group; take anything it started too.
    kill(-pid_, SIGKILL);
    kill(pid_, SIGKILL);
    Reap(0);
}

Output Run(const std::vector<std::string>& argv, const Environment& env, milliseconds timeout)
{
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + strerror(errno));
    UniqueFd reader(out[0]);
    UniqueFd writer(out[1]);
    Child::Options options;
    options.stdoutFd = writer.fd;
    Child child = Child::Start(argv, env, options);
    writer.Close();

    Output result;
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            result.timedOut = true;
            break;
        }
        pollfd p{reader.fd, POLLIN, 0};
        const int ready = poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        char buffer[4096];
        const ssize_t got = read(reader.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        result.out.append(buffer, size_t(got));
    }
    const auto left = std::max<milliseconds>(milliseconds(0), std::chrono::duration_cast<milliseconds>(deadline - Clock::now()));
    if (const auto status = result.timedOut ? std::nullopt : child.WaitFor(left))
        result.status = *status;
    else
        result.timedOut = true;
    child.Kill();
    return result;
}

}  // namespace e2e
