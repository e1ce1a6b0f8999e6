// How a calculation asks for a message box. The window implements it; tests
// record what was asked.
#pragma once

#include "calc/numtext.h"

#include <string>

namespace calc {

enum class MessageKind {
    Information,  // "Information", information icon, "OK"
    Error,        // "Error", stop icon, "&Yes"
    Plain,        // "Tervol", no icon, "OK"
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    // Shows the text modally and returns when the box is closed.
    virtual void ShowMessageBox(const std::string& text, MessageKind kind) = 0;
};

// What every calculation reads besides its field texts.
struct Environment {
    std::string language;  // "DK" or "UK"
    NumberFormat format;
    MessageSink& sink;
};

// Shows the Danish text when the language is "DK", the English one when it is
// "UK", and nothing otherwise.
void ShowInLanguage(const Environment& env, MessageKind kind, const std::string& danish,
                    const std::string& english);

}  // namespace calc
