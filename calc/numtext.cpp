#include "calc/numtext.h"

#include "calc/fault.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
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

double StrToFloat(std::string_view text, std::string_view decimalSeparator)
{
    const auto fail = [&]() -> double { throw ConversionError(std::string(text)); };
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Mantissa digits without the separator, and how many of them are decimals.
    std::string digits;
    long long decimals = 0;
    bool seenMantissa = false;
    while (i < n && IsDigit(text[i])) {
        digits += text[i++];
        seenMantissa = true;
    }
    if (!decimalSeparator.empty() && text.substr(i).starts_with(decimalSeparator)) {
        i += decimalSeparator.size();
        seenMantissa = true;
        while (i < n && IsDigit(text[i])) {
            digits += text[i++];
            ++decimals;
        }
    }
    if (!seenMantissa)
        return fail();
    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            expNegative = text[i] == '-';
            ++i;
        }
        while (i < n && IsDigit(text[i])) {
            // Saturate: anything this large over- or underflows anyway.
            if (exponent < 1000000)
                exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (expNegative)
            exponent = -exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return fail();

    const size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return 0.0;
    digits.erase(0, firstNonZero);
    // The value is 0.digits x 10^magnitude.
    const long long magnitude = static_cast<long long>(digits.size()) - decimals + exponent;
    if (magnitude > 400)
        RaiseOverflow();
    if (magnitude < -400)
        return 0.0;
    const std::string normal = digits + "e" + std::to_string(exponent - decimals);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            RaiseOverflow();
        value = 0.0;
    } else if (ec != std::errc() || end != normal.data() + normal.size()) {
        return fail();
    }
    if (std::isinf(value))
        RaiseOverflow();
    return negative ? -value : value;
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

std::string FormatResult(double value, int decimals, const NumberFormat& format)
{
    constexpr int kPrecision = 10;
    if (decimals < 0)
        decimals = 0;
    // 18 significant digits of the value: the decimal rounding below is then
    // made on the value's own digits, halves away from zero.
    std::vector<int> digits;
    int integerDigits = 1;  // value = 0.d1d2... x 10^integerDigits
    if (value != 0.0 && std::isfinite(value)) {
        char buf[64];
        const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
        const std::string s(buf, res.ptr);
        const size_t e = s.find('e');
        for (size_t k = 0; k < e; ++k)
            if (IsDigit(s[k]))
                digits.push_back(s[k] - '0');
        integerDigits = std::atoi(s.c_str() + e + 1) + 1;
    }
    const int keep = std::min(kPrecision, integerDigits + decimals);
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
                ++integerDigits;
            }
        }
    }
    while (!digits.empty() && digits.back() == 0)
        digits.pop_back();
    const bool negative = value < 0.0 && !digits.empty();
    std::string out = negative ? "-" : "";

    if (integerDigits > kPrecision) {
        out += static_cast<char>('0' + digits[0]);
        if (digits.size() > 1) {
            out += format.decimal;
            for (size_t k = 1; k < digits.size(); ++k)
                out += static_cast<char>('0' + digits[k]);
        }
        const int exponent = integerDigits - 1;
        out += exponent < 10 ? "E+0" : "E+";
        out += std::to_string(exponent);
        return out;
    }

    const auto digitAt = [&](int k) { return k >= 0 && k < static_cast<int>(digits.size()) ? digits[k] : 0; };
    std::string integer;
    for (int k = 0; k < integerDigits; ++k)
        integer += static_cast<char>('0' + digitAt(k));
    if (integer.empty())
        integer = "0";
    out += GroupThousands(integer, format.thousands);
    if (decimals > 0) {
        out += format.decimal;
        for (int k = 0; k < decimals; ++k)
            out += static_cast<char>('0' + digitAt(integerDigits + k));
    }
    return out;
}

}  // namespace calc
