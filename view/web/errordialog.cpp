// SPDX-License-Identifier: MIT
// The run-time error in the page, in place of the exercise.
#include "view/errordialog.h"

#include "view/web/page.h"

#include <cstdio>

void showErrorDialog(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    fendrel_show_error(message.c_str());
}
