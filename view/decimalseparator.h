// SPDX-License-Identifier: MIT
#pragma once
// The decimal separator of the user's numeric format setting, as each front end
// reads it from its system.

#include <string>

std::string userDecimalSeparator();
