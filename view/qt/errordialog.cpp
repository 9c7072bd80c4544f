// SPDX-License-Identifier: MIT
// The run-time error in a Qt message window.
#include "view/errordialog.h"

#include "view/windowlayout.h"

#include <QMessageBox>

#include <cstdio>

void showErrorDialog(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    QMessageBox::critical(nullptr, QString::fromUtf8(WindowLayout::title), QString::fromStdString(message));
}
