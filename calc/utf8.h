// The little UTF-8 the key filter and the separators need.
#pragma once

#include <string>
#include <string_view>

namespace calc {

// The first code point of a UTF-8 text, 0 for an empty or malformed one.
char32_t FirstCodePoint(std::string_view utf8);
std::string EncodeUtf8(char32_t codePoint);

}  // namespace calc
