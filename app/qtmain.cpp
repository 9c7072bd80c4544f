// SPDX-License-Identifier: MIT
// Start of the Qt front end: the main window and the event loop.
#include "app/qtform.h"
#include "runtime/errorreport.h"
#include "runtime/randomsequence.h"
#include "view/decimalseparator.h"
#include "view/errordialog.h"
#include "view/qt/accessibility.h"
#include "view/qt/appicon.h"
#include "view/qt/displayscale.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

namespace {

// Without a display Qt would abort with a core dump; a platform that needs none
// (offscreen, for instance) may be chosen with QT_QPA_PLATFORM or -platform.
bool hasDisplay(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay(argc, argv)) {
        std::fputs("Fendrel needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set.\n", stderr);
        return 1;
    }
    takeOverDisplayScale();
    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(FENDREL_APP_ID));
    QApplication::setWindowIcon(appIcon());
    installAccessibleInterfaces();
    setErrorPresenter(showErrorDialog);
    RandomSequence random;
    QtForm form(random, userDecimalSeparator);
    form.window().show();
    return QApplication::exec();
}
