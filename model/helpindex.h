// The help's keyword index and the help window's texts, without a toolkit:
// parsing a language's keyword list, alphabetical order and the filter.
#pragma once

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
struct HelpTexts {
    std::string_view folder;  // of the pages and the keyword list: "da" or "en"
    std::string_view title;
    std::string_view filterLabel, back, forward, print;
    // Names for screen readers.
    std::string_view filterName, keywordListName, topicName, backName, forwardName, printName;
};

// Danish for "DK", English otherwise.
const HelpTexts& HelpTextsFor(std::string_view language);

}  // namespace app
