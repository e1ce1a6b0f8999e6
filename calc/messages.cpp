#include "calc/messages.h"

namespace calc {

void ShowInLanguage(const Environment& env, MessageKind kind, const std::string& danish, const std::string& english)
{
    // Two separate exact tests: a language that is neither shows nothing.
    if (env.language == "DK")
        env.sink.ShowMessageBox(danish, kind);
    if (env.language == "UK")
        env.sink.ShowMessageBox(english, kind);
}

void ShowInLanguage(const Environment& env, MessageKind kind, const MessageText& text)
{
    ShowInLanguage(env, kind, std::string(text.danish), std::string(text.english));
}

}  // namespace calc
