// Number-to-text conversions of the report.
#include "runtime/numbertext.h"

#include <charconv>
#include <cstdlib>

std::string integerText(Integer value)
{
    return std::to_string(value.value());
}

std::string doubleText(double value, const std::string& decimalSeparator)
{
    if (value == 0.0)
        return "0";

    // Scientific with 14 decimals rounds to exactly 15 significant digits,
    // d.dddddddddddddde±x, and unlike printf ignores the C library's locale.
    char scientific[32];
    const auto written = std::to_chars(scientific, scientific + sizeof scientific, value,
                                       std::chars_format::scientific, 14);
    const std::string text(scientific, written.ptr);
    const bool negative = text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = text.substr(start, 1) + text.substr(start + 2, e - start - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string whole;
    std::string fraction;
    if (exponent < 0) {
        whole = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    } else {
        const auto wholeDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            whole = digits + std::string(wholeDigits - digits.size(), '0');
        } else {
            whole = digits.substr(0, wholeDigits);
            fraction = digits.substr(wholeDigits);
        }
    }
    std::string result = negative ? "-" + whole : whole;
    if (!fraction.empty())
        result += decimalSeparator + fraction;
    return result;
}
