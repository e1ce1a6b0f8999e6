// Numbers as the window shows them: field text to double and result to text,
// with the separators of the user's locale. Never through the C locale, which
// a toolkit may have switched to the user's.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace calc {

// The locale's separators, each one character (UTF-8 encoded).
struct NumberFormat {
    std::string decimal = ".";
    std::string thousands = ",";
};

// A field text that is not a number.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const std::string& text);
};

// Blanks, optional sign, digits with at most one decimal separator (the
// separator alone is 0), an optional exponent whose digits may be missing,
// blanks. A value beyond the range of a double is an overflow fault; one too
// small to hold becomes 0.
double StrToFloat(std::string_view text, std::string_view decimalSeparator);

// The value taken to at most 10 significant digits and at most `decimals`
// decimals (halves away from zero), shown with thousands groups and exactly
// `decimals` decimals. A value that shows as zero has no minus sign. A value
// with more than 10 integer digits is shown as a mantissa of up to 10
// significant digits with the decimal separator, then "E", the exponent's sign
// and at least two exponent digits: 1,234567891E+15.
std::string FormatResult(double value, int decimals, const NumberFormat& format);

}  // namespace calc
