#pragma once

#include "calc/messages.h"

#include <string>
#include <utility>
#include <vector>

// Keeps every message box a calculation asked for, in order.
struct RecordingSink : calc::MessageSink {
    std::vector<std::pair<calc::MessageKind, std::string>> boxes;
    void ShowMessageBox(const std::string& text, calc::MessageKind kind) override { boxes.emplace_back(kind, text); }
};

// The message of the fault the call throws, "" when it throws none.
template <class F>
std::string FaultText(F&& call)
{
    try {
        call();
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}
