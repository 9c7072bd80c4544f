// SPDX-License-Identifier: MIT
// Two whole runs on the real window, driven by key presses and clicks as a user would.
#include "app/qtform.h"
#include "tests/fakes.h"

#include <QScreen>
#include <QTest>

namespace {

QString reportText(const std::vector<std::pair<int, int>>& deviations, const QString& means)
{
    QString text = "Zum Starten hier klicken []\r\n\r\n";
    for (std::size_t i = 0; i < deviations.size(); ++i)
        text += QString("%1. Versuch: X=%2 Y=%3\r\n").arg(i + 1).arg(deviations[i].first).arg(deviations[i].second);
    return text + means;
}

void pressTimes(QWidget& window, Qt::Key key, int times, Qt::KeyboardModifiers modifiers = {})
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(&window, key, modifiers);
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT
private slots:
    void twoWholeRunsShowTheirReports()
    {
        CallLog log;
        ScriptedRandom random(log, {0.5f}); // every post starts at (350, 200)
        QtForm form(random, [] { return ","; });
        FendrelWindow& window = form.window();
        AnzeigeLabel& label = window.anzeigeLbl();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Run 1: the first shot aimed a little, the others taken where the post appears.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, {400, 565});
        QVERIFY(!label.isVisible());
        pressTimes(window, Qt::Key_Left, 3);
        pressTimes(window, Qt::Key_Up, 2);
        pressTimes(window, Qt::Key_Return, 20);
        std::vector<std::pair<int, int>> first{{44, -2}};
        for (int attempt = 2; attempt <= 20; ++attempt)
            first.emplace_back(50 - 3 * attempt, 0);
        QVERIFY(label.isVisible());
        QCOMPARE(QString::fromStdString(label.Caption()), reportText(first, "Schnitt X=20,55 Schnitt Y=0,1"));
        QCoreApplication::processEvents();
        QCOMPARE(label.text(), reportText(first, "Schnitt X=20,55 Schnitt Y=0,1").replace("\r\n", "\n"));

        // Keys after the report change nothing.
        pressTimes(window, Qt::Key_Return, 3);
        QCOMPARE(QString::fromStdString(label.Caption()), reportText(first, "Schnitt X=20,55 Schnitt Y=0,1"));

        // Run 2, started on the report: every shot centred, taken with the keypad's Enter.
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, {100, 100});
        QVERIFY(!label.isVisible());
        for (int attempt = 1; attempt <= 20; ++attempt) {
            const int offset = 50 - 3 * attempt;
            pressTimes(window, offset > 0 ? Qt::Key_Left : Qt::Key_Right, std::abs(offset));
            QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(QString::fromStdString(label.Caption()),
                 reportText(std::vector<std::pair<int, int>>(20, {0, 0}), "Schnitt X=0 Schnitt Y=0"));
        // The picture is gone from the screen: not one black pixel is left, and the
        // report's lines are written down to the label's lower part.
        QCoreApplication::processEvents();
        const QImage image = window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
        int lowestInk = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                QVERIFY(image.pixelColor(x, y) != QColor(Qt::black));
                if (image.pixelColor(x, y) != window.palette().window().color())
                    lowestInk = y;
            }
        QVERIFY(lowestInk > 400 && lowestInk < 561);
    }
};

QTEST_MAIN(EndToEndTest)
#include "test_endtoend.moc"
