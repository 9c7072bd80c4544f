#pragma once
// Numbers as the report writes them.

#include "runtime/integer.h"

#include <string>

// Decimal digits, a hyphen-minus when negative, no blank, grouping or padding.
std::string integerText(Integer value);

// 15 significant digits, never an exponent, no trailing zeros, a leading 0 below 1,
// no separator for a whole number.
std::string doubleText(double value, const std::string& decimalSeparator);

// doubleText with the decimal separator of the user's numeric locale setting.
std::string doubleText(double value);

// The decimal separator of the first of LC_ALL, LC_NUMERIC and LANG that is set;
// a point when none is.
std::string userDecimalSeparator();
