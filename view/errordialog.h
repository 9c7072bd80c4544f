// SPDX-License-Identifier: MIT
#pragma once
// Shows a run-time error in the toolkit's message window (and on standard error);
// each front end has its own.

#include <string>

void showErrorDialog(const std::string& message);
