// SPDX-License-Identifier: MIT
// Windows has no fork: the test program starts itself again for the current test
// function and data row, and in that second process the action runs instead.
#include "tests/childprocess.h"

#include <QTest>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
constexpr char childVariable[] = "FENDREL_TEST_CHILD";
}

ChildOutcome runInChild(const std::function<void()>& action)
{
    if (std::getenv(childVariable)) {
        action();
        std::fflush(nullptr);
        std::_Exit(0);
    }

    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0))
        return {};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string commandLine = std::string("\"") + program + "\" \"" + QTest::currentTestFunction();
    if (const char* tag = QTest::currentDataTag())
        commandLine += std::string(":") + tag;
    commandLine += "\"";

    // The second run's own test report is of no interest.
    const HANDLE nowhere = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = nowhere;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION child{};
    SetEnvironmentVariableA(childVariable, "1");
    const BOOL started = CreateProcessA(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &child);
    SetEnvironmentVariableA(childVariable, nullptr);
    CloseHandle(writeEnd);
    CloseHandle(nowhere);

    ChildOutcome outcome;
    char buffer[512];
    for (DWORD n; ReadFile(readEnd, buffer, sizeof buffer, &n, nullptr) && n > 0;)
        outcome.errorOutput.append(buffer, n);
    CloseHandle(readEnd);
    if (started) {
        WaitForSingleObject(child.hProcess, INFINITE);
        DWORD status = 0;
        GetExitCodeProcess(child.hProcess, &status);
        outcome.exitStatus = static_cast<int>(status);
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
    }
    return outcome;
}
