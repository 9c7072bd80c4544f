// Program start: the main window and the event loop.
#include "app/form.h"
#include "runtime/errorreport.h"
#include "runtime/randomsequence.h"
#include "view/appicon.h"
#include "view/errordialog.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(FENDREL_APP_ID));
    QApplication::setWindowIcon(appIcon());
    setErrorPresenter(showErrorDialog);
    RandomSequence random;
    Form form(random);
    form.window().show();
    return QApplication::exec();
}
