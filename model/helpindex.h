// The help's keyword index and the help window's texts, without a toolkit:
// parsing a language's keyword list, alphabetical order and the filter.
#pragma once

#include "lang/texts.h"

#include <string>
#include <string_view>
#include <vector>

namespace app {

struct HelpKeyword {
    std::string keyword;
    std::string target;  // a page of that language's folder, with an optional #anchor
};

// Lines "keyword<TAB>page[#anchor]"; blank lines and lines starting with '#'
// are skipped. A line without a tab is a fault of the help itself and throws
// std::invalid_argument naming it.
std::vector<HelpKeyword> ParseHelpKeywords(std::string_view text);

// Alphabetical as a Danish reader expects it: case ignored, æ ø å after z.
void SortHelpKeywords(std::vector<HelpKeyword>& keywords);

// The keywords that contain `filter`, case ignored; all of them for an empty
// filter. The order is kept.
std::vector<HelpKeyword> FilterHelpKeywords(const std::vector<HelpKeyword>& keywords, std::string_view filter);

// The help window's own texts in one language.
using HelpTexts = lang::HelpTexts;

// By the window model's language code, with the catalogue's fallback.
const HelpTexts& HelpTextsFor(std::string_view language);

}  // namespace app
