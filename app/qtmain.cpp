// Start of the Qt front end: the main window and the event loop.
#include "app/qtform.h"
#include "runtime/errorreport.h"
#include "runtime/randomsequence.h"
#include "view/decimalseparator.h"
#include "view/errordialog.h"
#include "view/qt/appicon.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(FENDREL_APP_ID));
    QApplication::setWindowIcon(appIcon());
    setErrorPresenter(showErrorDialog);
    RandomSequence random;
    QtForm form(random, userDecimalSeparator());
    form.window().show();
    return QApplication::exec();
}
