#include "calc/numtext.h"

#include "calc/fault.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace calc {

namespace {

// A NUL would end the message where what() is read as a C string.
std::string NulShown(const std::string& text)
{
    std::string shown;
    for (char c : text)
        shown += c == '\0' ? std::string("\\x00") : std::string(1, c);
    return shown;
}

}  // namespace

ConversionError::ConversionError(const std::string& text)
    : std::runtime_error("'" + NulShown(text) + "' is not a valid floating point value")
{
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

namespace {

// A number's text taken apart: 0.digits... scaled, no leading zeros.
struct DecimalText {
    bool negative = false;
    std::string digits;      // the mantissa's digits without the separator
    long long decimals = 0;  // how many of them stand after the separator
    long long exponent = 0;  // saturated at a million either way
};

// Blanks, a sign, digits with at most one separator, an optional exponent,
// blanks; nothing when the text is anything else.
std::optional<DecimalText> ParseDecimal(std::string_view text, std::string_view decimalSeparator)
{
    DecimalText d;
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
    }
    bool seenMantissa = false;
    while (i < n && IsDigit(text[i])) {
        d.digits += text[i++];
        seenMantissa = true;
    }
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
        i += decimalSeparator.size();
        seenMantissa = true;
        while (i < n && IsDigit(text[i])) {
            d.digits += text[i++];
            ++d.decimals;
        }
    }
    if (!seenMantissa)
        return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        while (i < n && IsDigit(text[i])) {
            // Saturate: anything this large over- or underflows anyway.
            if (d.exponent < 1000000)
                d.exponent = d.exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (expNegative)
            d.exponent = -d.exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return d;
}

// The nearest double; an overflow raises the arithmetic fault, an underflow
// gives zero. Nothing when the digits do not read (they always do).
std::optional<double> ValueOf(DecimalText d)
{
    const size_t firstNonZero = d.digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return 0.0;
    d.digits.erase(0, firstNonZero);
    // The value is 0.digits x 10^magnitude.
    const long long magnitude = static_cast<long long>(d.digits.size()) - d.decimals + d.exponent;
    if (magnitude > 400)
        RaiseOverflow();
    if (magnitude < -400)
        return 0.0;
    const std::string normal = d.digits + "e" + std::to_string(d.exponent - d.decimals);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            RaiseOverflow();
        value = 0.0;
    } else if (ec != std::errc() || end != normal.data() + normal.size()) {
        return std::nullopt;
    }
    if (std::isinf(value))
        RaiseOverflow();
    return d.negative ? -value : value;
}

}  // namespace

double StrToFloat(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<DecimalText> parsed = ParseDecimal(text, decimalSeparator);
    const std::optional<double> value = parsed ? ValueOf(*parsed) : std::nullopt;
    if (!value)
        throw ConversionError(std::string(text));
    return *value;
}

namespace {

std::string GroupThousands(const std::string& integer, const std::string& separator)
{
    std::string out;
    const size_t n = integer.size();
    for (size_t k = 0; k < n; ++k) {
        if (k > 0 && (n - k) % 3 == 0)
            out += separator;
        out += integer[k];
    }
    return out;
}

}  // namespace

namespace {

// A value's decimal digits: value = 0.d1d2... x 10^integerDigits.
struct Digits {
    std::vector<int> digits;
    int integerDigits = 1;
};

// 18 significant digits of the value: the decimal rounding is then made on
// the value's own digits, halves away from zero.
Digits SignificantDigits(double value)
{
    Digits d;
    if (value != 0.0 && std::isfinite(value)) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
        const std::string s(buf, res.ptr);
        const size_t e = s.find('e');
        for (size_t k = 0; k < e; ++k)
            if (IsDigit(s[k]))
                d.digits.push_back(s[k] - '0');
        d.integerDigits = std::atoi(s.c_str() + e + 1) + 1;
    }
    return d;
}

// Keeps the first `keep` digits, rounding halves away from zero (a carry may
// add an integer digit), then drops trailing zeros.
void RoundTo(Digits& d, int keep)
{
    std::vector<int>& digits = d.digits;
    if (keep < 0) {
        digits.clear();
    } else if (static_cast<size_t>(keep) < digits.size()) {
        const bool up = digits[keep] >= 5;
        digits.resize(keep);
        if (up) {
            int k = keep - 1;
            while (k >= 0 && digits[k] == 9)
                digits[k--] = 0;
            if (k >= 0) {
                ++digits[k];
            } else {
                digits.insert(digits.begin(), 1);
                ++d.integerDigits;
            }
        }
    }
    while (!digits.empty() && digits.back() == 0)
        digits.pop_back();
}

// "1,234567891E+15": the mantissa's digits and the exponent's sign and at
// least two digits.
std::string Scientific(const Digits& d, const NumberFormat& format)
{
    std::string out(1, static_cast<char>('0' + d.digits[0]));
    if (d.digits.size() > 1) {
        out += format.decimal;
        for (size_t k = 1; k < d.digits.size(); ++k)
            out += static_cast<char>('0' + d.digits[k]);
    }
    const int exponent = d.integerDigits - 1;
    out += exponent < 10 ? "E+0" : "E+";
    out += std::to_string(exponent);
    return out;
}

// The integer part grouped in thousands, then exactly `decimals` decimals.
std::string Fixed(const Digits& d, int decimals, const NumberFormat& format)
{
    const auto digitAt = [&](int k) { return k >= 0 && k < static_cast<int>(d.digits.size()) ? d.digits[k] : 0; };
    std::string integer;
    for (int k = 0; k < d.integerDigits; ++k)
        integer += static_cast<char>('0' + digitAt(k));
    if (integer.empty())
        integer = "0";
    std::string out = GroupThousands(integer, format.thousands);
    if (decimals > 0) {
        out += format.decimal;
        for (int k = 0; k < decimals; ++k)
            out += static_cast<char>('0' + digitAt(d.integerDigits + k));
    }
    return out;
}

}  // namespace

std::string FormatResult(double value, int decimals, const NumberFormat& format)
{
    constexpr int kPrecision = 10;
    if (decimals < 0)
        decimals = 0;
    Digits d = SignificantDigits(value);
    RoundTo(d, std::min(kPrecision, d.integerDigits + decimals));
    // A value that rounds to zero is shown without a minus sign.
    const std::string sign = value < 0.0 && !d.digits.empty() ? "-" : "";
    return sign + (d.integerDigits > kPrecision ? Scientific(d, format) : Fixed(d, decimals, format));
}

}  // namespace calc
