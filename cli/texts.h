// The command line's texts in the language --lang chose.
#pragma once

#include "cli/options.h"
#include "lang/texts.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace cli {

inline const lang::CliTexts& CliText(Lang l) { return lang::TextsOf(l).cli; }

inline std::string Filled(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    return lang::Fill(pattern, values);
}

}  // namespace cli
