// What the print system (CUPS) can do for the preview, asked on a worker
// thread so that a server that never answers cannot freeze the window.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace report {

struct PrintSystem {
    enum class State {
        kNone,       // no server to talk to: Qt's printing finds no printer, quickly
        kSilent,     // a server took the connection but did not answer in time
        kAnswering,  // the printers below are known
    };
    State state = State::kNone;
    // Printers Qt's print dialog would crash on: their PPD has no
    // *LanguageEncoding, which Qt 6.4's printer properties dereference.
    std::vector<std::string> withoutLanguageEncoding;
};

// Asks the server for its printers and reads each one's PPD, waiting at
// most `wait` while the window keeps painting (user input is held back).
// A worker that is still waiting afterwards is left to finish on its own.
PrintSystem AskPrintSystem(std::chrono::milliseconds wait);

// After a job was handed to CUPS on this thread: the server's reason for
// refusing it, "" when it took the job.
std::string LastJobRefusal();

}  // namespace report
