// SPDX-License-Identifier: MIT
// Forks, runs the action with standard error captured, and reports how the child ended.
#include "tests/childprocess.h"

#include <sys/wait.h>
#include <unistd.h>

ChildOutcome runInChild(const std::function<void()>& action)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDERR_FILENO);
        close(pipeEnds[0]);
        action();
        _exit(0);
    }
    close(pipeEnds[1]);
    ChildOutcome outcome;
    char buffer[512];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        outcome.errorOutput.append(buffer, static_cast<std::size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status))
        outcome.exitStatus = WEXITSTATUS(status);
    return outcome;
}
