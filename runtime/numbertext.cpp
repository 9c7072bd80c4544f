// SPDX-License-Identifier: MIT
// Number-to-text conversions of the report.
#include "runtime/numbertext.h"

#include <cctype>
#include <cstdio>
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
    // d.dddddddddddddde±x. The C library writes its own locale's separator there,
    // so only the digits around it are taken. (std::to_chars would do as well, but
    // brings 170 KB of tables into the Windows exe.)
    char scientific[64];
    std::snprintf(scientific, sizeof scientific, "%.14e", value);
    const std::string text(scientific);
    const bool negative = text[0] == '-';
    const std::size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits;
    for (std::size_t i = 0; i < e; ++i)
        if (std::isdigit(static_cast<unsigned char>(text[i])))
            digits += text[i];
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
