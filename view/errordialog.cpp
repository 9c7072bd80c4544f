// Run-time error message window.
#include "view/errordialog.h"

#include <QMessageBox>

#include <cstdio>

void showErrorDialog(const std::string& message)
{
    std::fprintf(stderr, "%s\n", message.c_str());
    QMessageBox::critical(nullptr, QStringLiteral("Fendrel"), QString::fromStdString(message));
}
