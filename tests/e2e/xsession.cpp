#include "xsession.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

constexpr milliseconds kPollInterval{20};

std::string FileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

}  // namespace

XServer::XServer(const std::filesystem::path& workDir) : log_(workDir / "xvfb.log")
{
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0)
        throw std::runtime_error(std::string("pipe: ") + strerror(errno));
    UniqueFd reader(ready[0]);
    UniqueFd writer(ready[1]);
    UniqueFd log(open(log_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (log.fd < 0)
        throw std::runtime_error("cannot create " + log_.string());

    Child::Options options;
    options.stdoutFd = log.fd;
    options.stderrFd = log.fd;
    options.passFd = writer.fd;
    // -displayfd: the server takes the first free display and writes its
    // number once it accepts clients. 96 dpi is what the layout is drawn for.
    server_ = Child::Start({"Xvfb", "-displayfd", std::to_string(writer.fd), "-screen", "0", "1024x768x24", "-dpi",
                            "96", "-nolisten", "tcp", "-noreset"},
                           Environment::Inherited(), options);
    writer.Close();

    std::string number;
    const auto deadline = Clock::now() + kStepTimeout;
    while (number.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
        pollfd p{reader.fd, POLLIN, 0};
        if (left <= 0 || (poll(&p, 1, int(left)) < 0 && errno != EINTR))
            throw std::runtime_error("Xvfb did not report its display in time:\n" + FileText(log_));
        char buffer[32];
        const ssize_t got = read(reader.fd, buffer, sizeof buffer);
        if (got == 0)
            throw std::runtime_error("Xvfb ended before it took a display:\n" + FileText(log_));
        if (got > 0)
            number.append(buffer, size_t(got));
    }
    display_ = ":" + number.substr(0, number.find('\n'));
}

Desktop::Desktop(const XServer& server, std::function<std::string()> deathNote)
    : display_(server.display()), deathNote_(std::move(deathNote))
{
}

Environment Desktop::ClientEnvironment() const { return Environment::Inherited().Set("DISPLAY", display_); }

std::string Desktop::Xdo(const std::string& step, const std::vector<std::string>& args) const
{
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    // A trace of the user's steps, shown by ctest when a test fails.
    std::cerr << "e2e: " << step << ":";
    for (const std::string& arg : args)
        std::cerr << " " << arg;
    std::cerr << std::endl;
    const Output result = Run(argv, ClientEnvironment(), kStepTimeout);
    std::string why;
    if (result.timedOut)
        why = "xdotool did not finish in time";
    else if (!result.status.exited || result.status.code != 0)
        why = "xdotool failed with " + result.status.Describe();
    if (why.empty())
        return result.out;
    const std::string note = deathNote_();
    throw std::runtime_error(step + ": " + why + (note.empty() ? "" : "; " + note));
}

std::vector<WindowId> Desktop::Find(const std::string& titleRegex) const
{
    // search answers 1 when nothing matches, which is not a failure here.
    const Output result = Run({"xdotool", "search", "--onlyvisible", "--name", titleRegex}, ClientEnvironment(),
                              kStepTimeout);
    if (result.timedOut || !result.status.exited || result.status.code > 1)
        throw std::runtime_error("xdotool search for \"" + titleRegex + "\" failed");
    return Lines(result.out);
}

std::vector<WindowId> Desktop::VisibleWindows() const
{
    // By class, which every window of the program has and the root lacks.
    const Output result =
        Run({"xdotool", "search", "--onlyvisible", "--class", "."}, ClientEnvironment(), kStepTimeout);
    if (result.timedOut || !result.status.exited || result.status.code > 1)
        throw std::runtime_error("xdotool could not list the visible windows");
    return Lines(result.out);
}

WindowId Desktop::WaitForWindow(const std::string& step, const std::string& titleRegex) const
{
    const auto deadline = Clock::now() + kStepTimeout;
    for (;;) {
        if (const std::vector<WindowId> found = Find(titleRegex); !found.empty())
            return found.front();
        if (const std::string note = deathNote_(); !note.empty())
            throw std::runtime_error(step + ": no window \"" + titleRegex + "\"; " + note);
        if (Clock::now() >= deadline)
            throw std::runtime_error(step + ": no window \"" + titleRegex + "\" appeared within " +
                                     std::to_string(kStepTimeout.count() / 1000) + " s");
        std::this_thread::sleep_for(kPollInterval);
    }
}

void Desktop::WaitUntilGone(const std::string& step, const std::string& titleRegex) const
{
    const auto deadline = Clock::now() + kStepTimeout;
    while (!Find(titleRegex).empty()) {
        if (const std::string note = deathNote_(); !note.empty())
            throw std::runtime_error(step + ": " + note);
        if (Clock::now() >= deadline)
            throw std::runtime_error(step + ": window \"" + titleRegex + "\" still open after " +
                                     std::to_string(kStepTimeout.count() / 1000) + " s");
        std::this_thread::sleep_for(kPollInterval);
    }
}

Rect Desktop::Geometry(const WindowId& window) const
{
    Rect rect;
    std::istringstream in(Xdo("read the window's geometry", {"getwindowgeometry", "--shell", window}));
    for (std::string line; std::getline(in, line);) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        const std::string name = line.substr(0, equals);
        const int value = std::stoi(line.substr(equals + 1));
        if (name == "X")
            rect.left = value;
        else if (name == "Y")
            rect.top = value;
        else if (name == "WIDTH")
            rect.width = value;
        else if (name == "HEIGHT")
            rect.height = value;
    }
    return rect;
}

void Desktop::Focus(const WindowId& window) const { Xdo("focus window " + window, {"windowfocus", "--sync", window}); }

void Desktop::Click(const std::string& step, Point screen) const
{
    // No --sync: it waits for the pointer to move, forever when it is there
    // already; the server applies the motion before the press anyway.
    Xdo(step, {"mousemove", std::to_string(screen.x), std::to_string(screen.y), "click", "1"});
}

void Desktop::Keys(const std::string& step, const std::vector<std::string>& keys) const
{
    std::vector<std::string> args{"key", "--delay", "20"};
    args.insert(args.end(), keys.begin(), keys.end());
    Xdo(step, args);
}

void Desktop::Type(const std::string& step, const std::string& text) const
{
    Xdo(step, {"type", "--delay", "10", "--", text});
}

}  // namespace e2e
