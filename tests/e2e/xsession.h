// A private X server with no window manager, and a user at it: xdotool moves
// the pointer, clicks and types, and finds windows by their titles.
#pragma once

#include "process.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr milliseconds kStepTimeout{10000};

struct Point {
    int x = 0, y = 0;
};

// A rectangle as left, top, width, height.
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    Point Centre() const { return {left + width / 2, top + height / 2}; }
};

// Xvfb on a display it picks itself, so parallel tests never share one.
// Killed with this object.
class XServer {
public:
    explicit XServer(const std::filesystem::path& workDir);
    const std::string& display() const { return display_; }

private:
    std::filesystem::path log_;
    Child server_;
    std::string display_;
};

using WindowId = std::string;

// The user's eyes and hands on one X server.
class Desktop {
public:
    // `deathNote` is asked while waiting: a non-empty answer (the program
    // ended, and how) ends the wait at once instead of at the timeout.
    Desktop(const XServer& server, std::function<std::string()> deathNote);

    Environment ClientEnvironment() const;

    // Runs one xdotool command; its stdout, or std::runtime_error saying
    // what `step` was.
    std::string Xdo(const std::string& step, const std::vector<std::string>& args) const;

    // The visible top-level windows whose title matches `titleRegex`.
    std::vector<WindowId> Find(const std::string& titleRegex) const;
    std::vector<WindowId> VisibleWindows() const;
    WindowId WaitForWindow(const std::string& step, const std::string& titleRegex) const;
    void WaitUntilGone(const std::string& step, const std::string& titleRegex) const;
    // Top-left corner of the window's client area on the screen, and its size.
    Rect Geometry(const WindowId& window) const;

    // What a window manager would do when the user picks a window.
    void Focus(const WindowId& window) const;
    void Click(const std::string& step, Point screen) const;
    void Keys(const std::string& step, const std::vector<std::string>& keys) const;
    void Type(const std::string& step, const std::string& text) const;

private:
    std::string display_;
    std::function<std::string()> deathNote_;
};

}  // namespace e2e
