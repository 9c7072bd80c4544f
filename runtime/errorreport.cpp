// SPDX-License-Identifier: MIT
// Run-time error report: present the message, then end the process.
#include "runtime/errorreport.h"

#include <cstdio>
#include <cstdlib>

namespace {

void printToStandardError(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
}

ErrorPresenter g_presenter = printToStandardError;

} // namespace

void setErrorPresenter(ErrorPresenter presenter)
{
    g_presenter = presenter ? presenter : printToStandardError;
}

void reportFatalError(const std::string& message)
{
    g_presenter(message);
    std::fflush(nullptr);
    // No destructors: the error may be raised deep inside an event handler, where
    // unwinding the toolkit's objects from under it is not safe.
    std::_Exit(EXIT_FAILURE);
}

void raiseOverflow()
{
    reportFatalError("Laufzeitfehler 6: Überlauf.\n"
                     "Eine Rechnung hat den Zahlenbereich -32768 bis 32767 verlassen. "
                     "Das Programm wird beendet.");
}
