// A connection to an X server for timing program start-up: $DISPLAY when it
// can be reached, otherwise a private Xvfb; launches a program, and tells when
// the server mapped its window and when the program first drew into it
// (DAMAGE extension), with the process's peak memory by then.
#pragma once

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace startup {

using Clock = std::chrono::steady_clock;
constexpr auto kShowTimeout = std::chrono::seconds(30);
constexpr auto kPaintTimeout = std::chrono::seconds(5);
constexpr auto kTeardownTimeout = std::chrono::seconds(5);

inline double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

inline int PollTimeout(Clock::time_point deadline, int slice_ms)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return int(std::clamp<long long>(left, 0, slice_ms));
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

// Peak resident set of a live process, from the kernel's own high-water mark.
inline std::optional<double> PeakResidentMiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return std::nullopt;
}

struct Launch {
    double mapped_ms = 0;
    std::optional<double> painted_ms;
    double peak_mib = 0;
    double shown_ms() const { return painted_ms.value_or(mapped_ms); }
};

class XDisplay {
public:
    static XDisplay& Instance()
    {
        static XDisplay display;
        return display;
    }

    const std::string& Error() const { return error_; }

    // Starts `program`, waits for its window to be shown, measures, then
    // kills it and waits until the server has dropped its windows.
    std::optional<Launch> Run(const std::string& program, std::string& error)
    {
        Drain();
        std::vector<std::string> env_strings;
        for (char** e = environ; *e; ++e) {
            const std::string entry(*e);
            if (entry.rfind("DISPLAY=", 0) != 0 && entry.rfind("QT_QPA_PLATFORM=", 0) != 0)
                env_strings.push_back(entry);
        }
        env_strings.push_back("DISPLAY=" + name_);
        env_strings.push_back("QT_QPA_PLATFORM=xcb");
        std::vector<char*> envp;
        for (std::string& s : env_strings)
            envp.push_back(s.data());
        envp.push_back(nullptr);
        std::string program_copy = program;
        char* argv[] = {program_copy.data(), nullptr};

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

        pid_t pid = -1;
        const Clock::time_point start = Clock::now();
        const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (spawned != 0) {
            error = "cannot start " + program + ": " + std::strerror(spawned);
            return std::nullopt;
        }

        bool reaped = false;
        std::optional<Launch> launch = WaitUntilShown(pid, start, reaped, error);
        if (launch) {
            if (const auto peak = PeakResidentMiB(pid))
                launch->peak_mib = *peak;
            else {
                error = program + " ended before its memory could be read";
                launch.reset();
            }
        }
        if (!reaped) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        WaitForTeardown();
        return launch;
    }

    ~XDisplay()
    {
        if (c_)
            xcb_disconnect(c_);
        if (xvfb_ > 0) {
            kill(xvfb_, SIGTERM);
            waitpid(xvfb_, nullptr, 0);
        }
    }

private:
    XDisplay()
    {
        const char* display = std::getenv("DISPLAY");
        if (!(display && *display && Connect(display)) && !StartXvfb())
            return;
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c_)).data;
        root_ = screen->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);

        constexpr char kPidAtom[] = "_NET_WM_PID";
        XcbPtr<xcb_intern_atom_reply_t> atom(
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, sizeof kPidAtom - 1, kPidAtom), nullptr));
        if (atom)
            net_wm_pid_ = atom->atom;

        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c_, &xcb_damage_id);
        if (ext && ext->present) {
            XcbPtr<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
                c_, xcb_damage_query_version(c_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
            if (version) {
                damage_notify_ = uint8_t(ext->first_event + XCB_DAMAGE_NOTIFY);
                has_damage_ = true;
            }
        }
        xcb_flush(c_);
        if (!net_wm_pid_)
            error_ = "the X server gave no _NET_WM_PID atom";
    }

    bool Connect(const std::string& name)
    {
        xcb_connection_t* c = xcb_connect(name.c_str(), nullptr);
        if (xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            return false;
        }
        // The measured programs must not inherit this connection.
        fcntl(xcb_get_file_descriptor(c), F_SETFD, FD_CLOEXEC);
        c_ = c;
        name_ = name;
        return true;
    }

    // Xvfb picks a free display itself and writes its number to the pipe
    // once it accepts connections.
    bool StartXvfb()
    {
        int pipe_fds[2];
        if (pipe(pipe_fds) != 0) {
            error_ = std::string("pipe: ") + std::strerror(errno);
            return false;
        }
        fcntl(pipe_fds[0], F_SETFD, FD_CLOEXEC);
        std::string fd_text = std::to_string(pipe_fds[1]);
        std::vector<std::string> args = {"Xvfb",         "-displayfd", fd_text, "-screen", "0",
                                         "1280x1024x24", "-nolisten",  "tcp",   "-noreset"};
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        const int spawned = posix_spawnp(&xvfb_, "Xvfb", &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipe_fds[1]);
        if (spawned != 0) {
            close(pipe_fds[0]);
            xvfb_ = -1;
            error_ = std::string(
                         "no X server: $DISPLAY unset or unreachable, and Xvfb (Debian package xvfb) "
                         "cannot start: ") +
                     std::strerror(spawned);
            return false;
        }
        std::string number;
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(15);
        for (;;) {
            pollfd p{pipe_fds[0], POLLIN, 0};
            if (poll(&p, 1, PollTimeout(deadline, 1000)) <= 0) {
                if (Clock::now() >= deadline)
                    break;
                continue;
            }
            char buffer[16];
            const ssize_t n = read(pipe_fds[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            number.append(buffer, size_t(n));
            if (number.find('\n') != std::string::npos)
                break;
        }
        close(pipe_fds[0]);
        while (!number.empty() && (number.back() == '\n' || number.back() == ' '))
            number.pop_back();
        if (number.empty() || !Connect(":" + number)) {
            error_ = "Xvfb did not start";
            return false;
        }
        return true;
    }

    void Drain()
    {
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_))
            std::free(e);
    }

    std::optional<uint32_t> WindowPid(xcb_window_t window)
    {
        XcbPtr<xcb_get_property_reply_t> reply(
            xcb_get_property_reply(c_, xcb_get_property(c_, 0, window, net_wm_pid_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) < 4)
            return std::nullopt;
        return *static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    }

    // Every top-level window made from now on is watched (its own structure
    // events, so a reparenting window manager does not hide the map) and,
    // where the server can, gets a damage record to see the first drawing.
    void Watch(xcb_window_t window)
    {
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, window, XCB_CW_EVENT_MASK, &mask);
        xcb_damage_damage_t damage = 0;
        if (has_damage_) {
            damage = xcb_generate_id(c_);
            xcb_damage_create(c_, damage, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        }
        watched_[window] = damage;
        xcb_flush(c_);
    }

    std::optional<Launch> WaitUntilShown(pid_t pid, Clock::time_point start, bool& reaped, std::string& error)
    {
        const Clock::time_point deadline = Clock::now() + kShowTimeout;
        const int fd = xcb_get_file_descriptor(c_);
        std::optional<xcb_window_t> shown;
        Clock::time_point mapped_at;
        Launch launch;
        for (;;) {
            // A program that never draws into its window still counts as mapped.
            if (shown && Clock::now() - mapped_at > kPaintTimeout)
                return launch;
            xcb_generic_event_t* raw = xcb_poll_for_event(c_);
            if (!raw) {
                if (xcb_connection_has_error(c_)) {
                    error = "lost the connection to the X server";
                    return std::nullopt;
                }
                if (Clock::now() >= deadline) {
                    error = "no window within " + std::to_string(kShowTimeout.count()) + " s";
                    return std::nullopt;
                }
                if (waitpid(pid, nullptr, WNOHANG) == pid) {
                    reaped = true;
                    error = "the program ended before its window was shown";
                    return std::nullopt;
                }
                pollfd p{fd, POLLIN, 0};
                poll(&p, 1, PollTimeout(deadline, 50));
                continue;
            }
            const Clock::time_point now = Clock::now();
            XcbPtr<xcb_generic_event_t> event(raw);
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(raw);
                if (e->parent == root_ && !e->override_redirect)
                    Watch(e->window);
            } else if (type == XCB_MAP_NOTIFY && !shown) {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(raw);
                if (!e->override_redirect && watched_.count(e->window) && WindowPid(e->window) == uint32_t(pid)) {
                    shown = e->window;
                    mapped_at = now;
                    launch.mapped_ms = Milliseconds(now - start);
                    if (!has_damage_)
                        return launch;
                }
            } else if (has_damage_ && type == damage_notify_ && shown) {
                const auto* e = reinterpret_cast<xcb_damage_notify_event_t*>(raw);
                if (e->drawable == *shown) {
                    launch.painted_ms = Milliseconds(now - start);
                    return launch;
                }
            } else if (type == XCB_DESTROY_NOTIFY) {
                watched_.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(raw)->window);
            }
        }
    }

    // The killed program's windows (and with them their damage records) are
    // gone once the server has seen its connection close.
    void WaitForTeardown()
    {
        const Clock::time_point deadline = Clock::now() + kTeardownTimeout;
        const int fd = xcb_get_file_descriptor(c_);
        while (!watched_.empty() && Clock::now() < deadline && !xcb_connection_has_error(c_)) {
            if (xcb_generic_event_t* raw = xcb_poll_for_event(c_)) {
                XcbPtr<xcb_generic_event_t> event(raw);
                if ((event->response_type & 0x7f) == XCB_DESTROY_NOTIFY)
                    watched_.erase(reinterpret_cast<xcb_destroy_notify_event_t*>(raw)->window);
                continue;
            }
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, PollTimeout(deadline, 50));
        }
        // Windows of other clients on a shared display live on.
        for (const auto& [window, damage] : watched_) {
            const uint32_t none = XCB_EVENT_MASK_NO_EVENT;
            xcb_change_window_attributes(c_, window, XCB_CW_EVENT_MASK, &none);
            if (damage)
                xcb_damage_destroy(c_, damage);
        }
        watched_.clear();
        xcb_flush(c_);
    }

    std::string name_;
    std::string error_;
    pid_t xvfb_ = -1;
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
    xcb_atom_t net_wm_pid_ = 0;
    bool has_damage_ = false;
    uint8_t damage_notify_ = 0;
    std::map<xcb_window_t, xcb_damage_damage_t> watched_;
};

}  // namespace startup
