// The program's commands that need no window (rate, study, report, --help,
// --version): the locale and the PDF painter from Qt, the rest Qt-free.
#pragma once

namespace app::qt {

// Whether the arguments ask for a command rather than the window.
bool IsCommandLine(int argc, char* argv[]);
// Runs the command without a display; returns the exit status.
int RunCommandLine(int argc, char* argv[]);

// True, after one line on standard error (in the language of LANG), when the
// window has nowhere to show: no DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM
// on X11 and Wayland systems. Qt's own plugin would abort instead.
bool RefuseWithoutDisplay();

}  // namespace app::qt
