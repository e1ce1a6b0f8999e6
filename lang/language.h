// The languages the program speaks, and the window model's codes for them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace lang {

enum class Language { Danish, English };

// Every language, in the order the command line's help prints them.
inline constexpr std::array kLanguages{Language::English, Language::Danish};

// "DK" -> Danish, "UK" -> English, exactly; nothing for any other code.
std::optional<Language> FromCode(std::string_view code);
std::string_view Code(Language language);

// The one rule for tables (captions, help, study window, command line): a
// code that names no language reads the Danish table, the language the
// window starts in. Message boxes are stricter: an unknown code shows none.
Language TableLanguage(std::string_view code);

}  // namespace lang
