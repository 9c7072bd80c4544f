// SPDX-License-Identifier: MIT
#pragma once
// Runs a piece of code in a child process, to watch paths that end the process.

#include <functional>
#include <string>

struct ChildOutcome {
    int exitStatus = -1;     // -1 when the child did not exit normally
    std::string errorOutput; // what it wrote to standard error
};

ChildOutcome runInChild(const std::function<void()>& action);
