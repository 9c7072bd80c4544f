// Two whole runs on the real window, driven by key presses and clicks as a user would.
#include "app/form.h"
#include "tests/fakes.h"

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
        qputenv("LC_ALL", "de_DE.UTF-8");
        CallLog log;
        ScriptedRandom random(log, {0.5f}); // every post starts at (350, 200)
        Form form(random);
        FendrelWindow& window = form.window();
        AnzeigeLabel& label = window.anzeigeLbl();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Run 1: the first shot aimed a little, the others taken where the post appears.
        QTest::mouseClick(&window, Qt::LeftButton, {}, {400, 565});
        QVERIFY(!label.isVisible());
        pressTimes(window, Qt::Key_Left, 3);
        pressTimes(window, Qt::Key_Up, 2);
        pressTimes(window, Qt::Key_Return, 20);
        std::vector<std::pair<int, int>> first{{44, -2}};
        for (int attempt = 2; attempt <= 20; ++attempt)
            first.emplace_back(50 - 3 * attempt, 0);
        QVERIFY(label.isVisible());
        QCOMPARE(QString::fromStdString(label.Caption()), reportText(first, "Schnitt X=20,55 Schnitt Y=0,1"));
        QCOMPARE(label.text(), reportText(first, "Schnitt X=20,55 Schnitt Y=0,1").replace("\r\n", "\n"));

        // Keys after the report change nothing.
        pressTimes(window, Qt::Key_Return, 3);
        QCOMPARE(QString::fromStdString(label.Caption()), reportText(first, "Schnitt X=20,55 Schnitt Y=0,1"));

        // Run 2, started on the report: every shot centred, taken with the keypad's Enter.
        QTest::mouseClick(&label, Qt::LeftButton, {}, {100, 100});
        QVERIFY(!label.isVisible());
        for (int attempt = 1; attempt <= 20; ++attempt) {
            const int offset = 50 - 3 * attempt;
            pressTimes(window, offset > 0 ? Qt::Key_Left : Qt::Key_Right, std::abs(offset));
            QTest::keyClick(&window, Qt::Key_Enter, Qt::KeypadModifier);
        }
        QCOMPARE(QString::fromStdString(label.Caption()),
                 reportText(std::vector<std::pair<int, int>>(20, {0, 0}), "Schnitt X=0 Schnitt Y=0"));
        // The picture is gone.
        const QImage image = window.grab().toImage();
        label.hide();
        const QImage underLabel = window.grab().toImage();
        for (const QPoint& p : {QPoint(100, 300), QPoint(400, 500), QPoint(380, 250)})
            QCOMPARE(underLabel.pixelColor(p), window.palette().window().color());
        QVERIFY(image != underLabel); // the report's text was on it
    }
};

QTEST_MAIN(EndToEndTest)
#include "test_endtoend.moc"
