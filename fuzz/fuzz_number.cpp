// Field text to number and back: the bytes are a field's text, tried with
// both usual decimal separators and one of more than one byte. Every accepted text must agree with the C
// library's own correctly rounded parser, and every value it gives must come
// back from its formatted text.
#include "calc/fault.h"
#include "calc/numtext.h"
#include "fuzz/text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* what, std::string_view text, double value, const std::string& shown = {})
{
    std::fprintf(stderr, "fuzz_number: %s\n  text: '%.*s'\n  value: %.17g\n  shown: '%s'\n", what,
                 static_cast<int>(text.size()), text.data(), value, shown.c_str());
    std::abort();
}

bool AllDigits(std::string_view s)
{
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    return !s.empty();
}

// Plain form: [-]d{1,3}(T ddd)*[D d{decimals}], no needless leading zero, and
// a minus sign only in front of a digit that is not zero.
void CheckPlainShape(std::string_view shown, int decimals, const calc::NumberFormat& f, std::string_view text,
                     double value)
{
    std::string_view s = shown;
    const bool negative = s.starts_with('-');
    if (negative)
        s.remove_prefix(1);
    std::string_view integer = s, fraction;
    if (decimals > 0) {
        const size_t at = s.rfind(f.decimal);
        if (at == std::string_view::npos)
            Fail("decimals missing", text, value, std::string(shown));
        integer = s.substr(0, at);
        fraction = s.substr(at + f.decimal.size());
        if (fraction.size() != static_cast<size_t>(decimals) || !AllDigits(fraction))
            Fail("wrong number of decimals", text, value, std::string(shown));
    }
    // Groups of three from the right, the first of one to three digits.
    std::string digits;
    size_t groups = 0;
    while (true) {
        const size_t at = integer.rfind(f.thousands);
        const std::string_view group = at == std::string_view::npos ? integer : integer.substr(at + f.thousands.size());
        const bool first = at == std::string_view::npos;
        if (!AllDigits(group) || group.size() > 3 || (!first && group.size() != 3))
            Fail("bad thousands grouping", text, value, std::string(shown));
        digits.insert(0, group);
        ++groups;
        if (first)
            break;
        integer = integer.substr(0, at);
    }
    if (digits.size() > 1 && digits[0] == '0')
        Fail("leading zero", text, value, std::string(shown));
    if (negative && digits.find_first_not_of('0') == std::string::npos &&
        std::string(fraction).find_first_not_of('0') == std::string::npos)
        Fail("minus sign on zero", text, value, std::string(shown));
}

void CheckFormatted(double value, std::string_view text)
{
    static const calc::NumberFormat kFormats[] = {{".", ","}, {",", "."}, {"\u066b", "\u066c"}};
    for (const calc::NumberFormat& f : kFormats) {
        for (int decimals = 0; decimals <= 3; ++decimals) {
            const std::string shown = calc::FormatResult(value, decimals, f);
            const bool exponent = shown.find('E') != std::string::npos;
            if (!exponent)
                CheckPlainShape(shown, decimals, f, text, value);
            if (std::fabs(value) >= 1e10)
                continue;
            if (exponent && std::fabs(value) < 9999999999.0)
                Fail("exponent form for a small value", text, value, shown);
            double back = 0;
            try {
                back = calc::StrToFloat(fuzz::Without(shown, f.thousands), f.decimal);
            } catch (const std::exception& e) {
                Fail(e.what(), text, value, shown);
            }
            const double tolerance = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-12) + 1e-9 * std::fabs(value);
            if (!(std::fabs(back - value) <= tolerance))
                Fail("formatted text does not convert back to the value", text, value, shown);
        }
    }
}

// An accepted text holds only blanks, signs, digits, E and the separator,
// so with a point for the separator the C library reads the same number.
double Strtod(std::string_view text, const std::string& separator)
{
    std::string c(text);
    for (size_t at = c.find(separator); at != std::string::npos; at = c.find(separator, at + 1))
        c.replace(at, separator.size(), ".");
    return std::strtod(c.c_str(), nullptr);
}

void CheckAgainstStrtod(double value, std::string_view text, const std::string& separator)
{
    const double expected = Strtod(text, separator);
    // Too small for a double is 0; strtod may keep a subnormal instead.
    if (value == 0 && std::fabs(expected) < 2.3e-308)
        return;
    if (value != expected)
        Fail("disagrees with strtod", text, value, std::to_string(expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string separator : {".", ",", "\u066b"}) {
        double value;
        try {
            value = calc::StrToFloat(text, separator);
        } catch (const calc::ConversionError&) {
            continue;
        } catch (const calc::FloatingPointFault& e) {
            if (std::string_view(e.what()) != calc::kOverflow)
                Fail(e.what(), text, 0);
            if (!std::isinf(Strtod(text, separator)))
                Fail("overflow for a value a double holds", text, Strtod(text, separator));
            continue;
        }
        if (!std::isfinite(value))
            Fail("not finite", text, value);
        CheckAgainstStrtod(value, text, separator);
        CheckFormatted(value, text);
    }
    return 0;
}
