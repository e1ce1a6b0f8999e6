// Text helpers shared by the fuzz targets.
#pragma once

#include <string>

namespace fuzz {

// The text with every occurrence of `part` taken out, e.g. the thousands
// separator before a formatted result is read back.
inline std::string Without(std::string text, const std::string& part)
{
    if (part.empty())
        return text;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at))
        text.erase(at, part.size());
    return text;
}

}  // namespace fuzz
