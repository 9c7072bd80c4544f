// Program start: the main window and the event loop.
#include "app/form.h"
#include "runtime/errorreport.h"
#include "runtime/randomsequence.h"
#include "view/errordialog.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    setErrorPresenter(showErrorDialog);
    RandomSequence random;
    Form form(random);
    form.window().show();
    return QApplication::exec();
}
