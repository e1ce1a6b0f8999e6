// How a calculation asks for a message box. The window implements it; tests
// record what was asked.
#pragma once

#include "calc/numtext.h"
#include "lang/texts.h"

#include <string>
#include <string_view>

namespace calc {

// The iteration's message is Danish in every language.
inline constexpr const char* kNotConverged = "Iterration konvergerer ikke !";

// A message of the language tables, e.g. &lang::MessageTexts::mustBeGreater.
using Message = lang::Text lang::MessageTexts::*;

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

// The messages of the environment's language: the Danish ones for "DK", the
// English ones for "UK", and none for any other code, which shows no box.
const lang::MessageTexts* MessagesFor(const Environment& env);
void ShowInLanguage(const Environment& env, MessageKind kind, Message message);

}  // namespace calc
