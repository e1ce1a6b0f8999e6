// Text helpers shared by the fuzz targets.
#pragma once

#include <string>
#include <string_view>

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

// Well-formed UTF-8: no overlong form, no surrogate, nothing above U+10FFFF.
inline bool ValidUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t length = b < 0x80                 ? 1
                              : b >= 0xC2 && b <= 0xDF ? 2
                              : (b & 0xF0) == 0xE0     ? 3
                              : b >= 0xF0 && b <= 0xF4 ? 4
                                                       : 0;
        if (length == 0 || i + length > s.size())
            return false;
        unsigned long code = length == 1 ? b : b & (0x7Fu >> length);
        for (size_t k = 1; k < length; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            code = code << 6 | (c & 0x3Fu);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        i += length;
    }
    return true;
}

}  // namespace fuzz
