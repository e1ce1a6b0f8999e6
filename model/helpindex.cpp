#include "model/helpindex.h"

#include <algorithm>
#include <stdexcept>

namespace app {

namespace {

// One collation unit per character: ASCII letters folded to lower case, the
// Danish letters æ ø å (either case) placed after z in that order, every
// other character by its code point above those.
std::u32string CollationKey(std::string_view utf8)
{
    std::u32string key;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t c = lead;
        size_t length = 1;
        if (lead >= 0xF0)
            c = lead & 0x07, length = 4;
        else if (lead >= 0xE0)
            c = lead & 0x0F, length = 3;
        else if (lead >= 0xC0)
            c = lead & 0x1F, length = 2;
        for (size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (c >= U'A' && c <= U'Z')
            c += U'a' - U'A';
        switch (c) {
        case U'æ':
        case U'Æ': c = U'z' + 1; break;
        case U'ø':
        case U'Ø': c = U'z' + 2; break;
        case U'å':
        case U'Å': c = U'z' + 3; break;
        default:
            if (c > U'z')
                c += 3;
        }
        key.push_back(c);
    }
    return key;
}

}  // namespace

std::vector<HelpKeyword> ParseHelpKeywords(std::string_view text)
{
    std::vector<HelpKeyword> out;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size())
            throw std::invalid_argument("help keyword line without keyword and target: " + std::string(line));
        out.push_back({std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))});
    }
    return out;
}

void SortHelpKeywords(std::vector<HelpKeyword>& keywords)
{
    std::stable_sort(keywords.begin(), keywords.end(), [](const HelpKeyword& a, const HelpKeyword& b) {
        return CollationKey(a.keyword) < CollationKey(b.keyword);
    });
}

std::vector<HelpKeyword> FilterHelpKeywords(const std::vector<HelpKeyword>& keywords, std::string_view filter)
{
    const std::u32string wanted = CollationKey(filter);
    std::vector<HelpKeyword> out;
    std::copy_if(keywords.begin(), keywords.end(), std::back_inserter(out),
                 [&](const HelpKeyword& k) { return CollationKey(k.keyword).find(wanted) != std::u32string::npos; });
    return out;
}

const HelpTexts& HelpTextsFor(std::string_view language) { return lang::TextsFor(language).help; }

}  // namespace app
