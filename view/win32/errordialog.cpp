// SPDX-License-Identifier: MIT
// The run-time error in a Windows message box.
#include "view/errordialog.h"

#include "view/win32/widetext.h"
#include "view/windowlayout.h"

#include <cstdio>

void showErrorDialog(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    MessageBoxW(nullptr, widened(message).c_str(), widened(WindowLayout::title).c_str(),
                MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}
