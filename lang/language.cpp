#include "lang/language.h"

#include "lang/texts.h"

namespace lang {

std::optional<Language> FromCode(std::string_view code)
{
    for (Language language : kLanguages)
        if (TextsOf(language).code == code)
            return language;
    return std::nullopt;
}

std::string_view Code(Language language) { return TextsOf(language).code; }

Language TableLanguage(std::string_view code) { return FromCode(code).value_or(Language::Danish); }

const Texts& TextsOf(Language language)
{
    switch (language) {
    case Language::English: return kEnglishTexts;
    case Language::Danish: break;
    }
    return kDanishTexts;
}

const Texts& TextsFor(std::string_view code) { return TextsOf(TableLanguage(code)); }

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const size_t n = static_cast<size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && next <= '9' && n < values.size()) {
            out += values.begin()[n];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

}  // namespace lang
