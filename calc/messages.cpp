#include "calc/messages.h"

namespace calc {

const lang::MessageTexts* MessagesFor(const Environment& env)
{
    const auto language = lang::FromCode(env.language);
    return language ? &lang::TextsOf(*language).messages : nullptr;
}

void ShowInLanguage(const Environment& env, MessageKind kind, Message message)
{
    if (const lang::MessageTexts* texts = MessagesFor(env))
        env.sink.ShowMessageBox(std::string(texts->*message), kind);
}

}  // namespace calc
