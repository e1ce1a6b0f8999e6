// Windows prints through its own spooler, by Qt's Windows print support:
// there is no CUPS server to ask first and no PPD to check, and the spooler
// keeps a refused job's reason in its own queue.
#include "report/qt/print_system.h"

namespace report {

PrintSystem AskPrintSystem(std::chrono::milliseconds /*wait*/) { return {PrintSystem::State::kAnswering, {}}; }

std::string LastJobRefusal() { return {}; }

}  // namespace report
