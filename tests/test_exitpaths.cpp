// SPDX-License-Identifier: MIT
// How the program ends: closing the window, and a run-time error. Each case runs the
// real window in a child process, since both paths end that process.
#include "app/qtform.h"
#include "view/errordialog.h"
#include "runtime/errorreport.h"
#include "runtime/integer.h"
#include "tests/childprocess.h"
#include "tests/fakes.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace {

// A running program: QApplication and the assembled window, shown.
struct Program {
    Program() : random(log, {0.5f})
    {
        setErrorPresenter(showErrorDialog);
        form.window().show();
    }
    int argc = 1;
    char name[8] = "fendrel";
    char* argv[2] = {name, nullptr};
    QApplication application{argc, argv};
    CallLog log;
    ScriptedRandom random;
    QtForm form{random, [] { return ","; }};
};

} // namespace

class ExitPathsTest : public QObject {
    Q_OBJECT
private slots:
    void closingTheWindowEndsWithStatusZero_data()
    {
        QTest::addColumn<bool>("duringRun");
        QTest::newRow("idle") << false;
        QTest::newRow("during a run") << true;
    }
    void closingTheWindowEndsWithStatusZero()
    {
        QFETCH(bool, duringRun);
        const ChildOutcome outcome = runInChild([duringRun] {
            Program program;
            if (duringRun)
                program.form.fendrel().Form_Click();
            QTimer::singleShot(0, &program.form.window(), &QWidget::close);
            const int status = QApplication::exec();
            std::fprintf(stderr, "running=%d", program.form.fendrel().Running);
            _exit(status);
        });
        QCOMPARE(outcome.exitStatus, 0);
        QVERIFY(outcome.errorOutput.ends_with(duringRun ? "running=1" : "running=0"));
    }

    void overflowShowsMessageWindowAndEndsWithFailure()
    {
        const ChildOutcome outcome = runInChild([] {
            Program program;
            // Answer the message window as a user would, after noting what it said.
            QTimer answer;
            QObject::connect(&answer, &QTimer::timeout, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    std::fprintf(stderr, "[window: %s | %s]", qPrintable(box->windowTitle()), qPrintable(box->text()));
                    box->accept();
                }
            });
            answer.start(5);
            QTimer::singleShot(0, [] { Integer(Integer::max) + Integer(1); });
            QApplication::exec();
            std::fprintf(stderr, "survived");
        });
        QVERIFY(outcome.exitStatus > 0);
        QVERIFY2(outcome.errorOutput.find("[window: Fendrel | Laufzeitfehler 6: Überlauf.") != std::string::npos,
                 outcome.errorOutput.c_str());
        QVERIFY(outcome.errorOutput.find("survived") == std::string::npos);
    }
};

QTEST_APPLESS_MAIN(ExitPathsTest)
#include "test_exitpaths.moc"
