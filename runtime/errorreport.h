// SPDX-License-Identifier: MIT
#pragma once
// The one way out for a run-time error: tell the user, then end the program.

#include <string>

using ErrorPresenter = void (*)(const std::string& message);

// Replaces the default presenter (a line on standard error), e.g. with a message window.
void setErrorPresenter(ErrorPresenter presenter);

// Shows the message through the presenter and ends the process with a non-zero status.
[[noreturn]] void reportFatalError(const std::string& message);

// An Integer result fell outside -32768..32767.
[[noreturn]] void raiseOverflow();
