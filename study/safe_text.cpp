#include "study/safe_text.h"

#include <cstdio>

namespace study {
namespace {

// The length of the UTF-8 sequence at the start of `s`, 0 when it is not one
// (overlong forms, surrogates and values above U+10FFFF included).
size_t SequenceLength(std::string_view s)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b = byte(0);
    if (b < 0x80)
        return 1;
    size_t n = 0;
    unsigned char low = 0x80, high = 0xBF;  // the allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF)
        n = 2;
    else if (b >= 0xE0 && b <= 0xEF)
        n = 3, low = b == 0xE0 ? 0xA0 : 0x80, high = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4)
        n = 4, low = b == 0xF0 ? 0x90 : 0x80, high = b == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    if (s.size() < n || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < n; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    return n;
}

std::string Hex(const char* format, unsigned value)
{
    char buf[12];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

}  // namespace

std::string ValidUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const size_t n = SequenceLength(text);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            text.remove_prefix(1);
        } else {
            out.append(text.substr(0, n));
            text.remove_prefix(n);
        }
    }
    return out;
}

std::string CsvTextField(std::string_view text)
{
    std::string field = ValidUtf8(text);
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos)
        field.insert(0, 1, '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

std::string Visible(std::string_view text)
{
    std::string out;
    for (size_t at = 0; at < text.size();) {
        const size_t n = SequenceLength(text.substr(at));
        const auto b = static_cast<unsigned char>(text[at]);
        if (n == 0) {
            out += Hex("\\x%02x", b);
            ++at;
            continue;
        }
        if (b < 0x20 || b == 0x7F)
            out += Hex("\\x%02x", b);
        else if (b == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0)
            out += Hex("\\u%04x", static_cast<unsigned char>(text[at + 1]));
        else
            out.append(text.substr(at, n));
        at += n;
    }
    return out;
}

}  // namespace study
