#pragma once
// Shows a run-time error in a message window (and on standard error).

#include <string>

void showErrorDialog(const std::string& message);
