// SPDX-License-Identifier: MIT
#pragma once
// Numbers as the report writes them.

#include "runtime/integer.h"

#include <string>

// Decimal digits, a hyphen-minus when negative, no blank, grouping or padding.
std::string integerText(Integer value);

// 15 significant digits, never an exponent, no trailing zeros, a leading 0 below 1,
// no separator for a whole number. The separator is the user's, which only
// the front end can ask the system for.
std::string doubleText(double value, const std::string& decimalSeparator);
