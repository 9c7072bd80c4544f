// Black-box tests: the real programs on headless desktops of their own, driven with
// real input and read back from the screen.
//
// FENDREL_WINDOWS_BUILD: the folder with fendrel.exe and tests/fendrel_probe.exe.
#include "tests/desktop.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

const QString wine = "/usr/lib/wine/wine64";

QString report(const std::vector<std::pair<int, int>>& deviations)
{
    QString text = "Zum Starten hier klicken []\r\n\r\n";
    int sumX = 0, sumY = 0;
    for (std::size_t i = 0; i < deviations.size(); ++i) {
        text += QString("%1. Versuch: X=%2 Y=%3\r\n").arg(i + 1).arg(deviations[i].first).arg(deviations[i].second);
        sumX += std::abs(deviations[i].first);
        sumY += std::abs(deviations[i].second);
    }
    const auto mean = [](int sum) { return QString::number(sum / 20.0, 'g', 15).replace('.', ','); };
    return text + "Schnitt X=" + mean(sumX) + " Schnitt Y=" + mean(sumY);
}

// A Wine prefix of its own with a German locale, on the given X server.
class WinePrefix {
public:
    explicit WinePrefix(const XServer& x) : m_environment(x.environment())
    {
        m_environment.insert("WINEPREFIX", m_folder.filePath("prefix"));
        m_environment.insert("WINEDEBUG", "-all");
        m_environment.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");
        // Wine takes the decimal separator from the C library, which knows only
        // generated locales.
        runTool("localedef", {"-i", "de_DE", "-c", "-f", "UTF-8", m_folder.filePath("locale/de_DE.UTF-8")});
        m_environment.insert("LOCPATH", m_folder.filePath("locale"));
        m_environment.insert("LC_ALL", "de_DE.UTF-8");
        runTool(wine, {"wineboot", "-i"}, m_environment);
        runTool("/usr/lib/wine/wineserver", {"-w"}, m_environment);
    }
    ~WinePrefix() { runTool("/usr/lib/wine/wineserver", {"-k"}, m_environment); }
    const QProcessEnvironment& environment() const { return m_environment; }

private:
    QTemporaryDir m_folder;
    QProcessEnvironment m_environment;
};

// What fendrel_probe.exe reads from the window: title, client, origin, label, text.
std::map<QString, QString> probe(const WinePrefix& prefix, const QString& build)
{
    const QString output = QString::fromUtf8(runTool(wine, {build + "/tests/fendrel_probe.exe"}, prefix.environment()));
    std::map<QString, QString> fields;
    const qsizetype text = output.indexOf("\ntext=");
    for (const QString& line : output.left(text).split('\n'))
        fields[line.section('=', 0, 0)] = line.section('=', 1);
    if (text >= 0)
        fields["text"] = output.mid(text + 6);
    return fields;
}

} // namespace

class DesktopsTest : public QObject {
    Q_OBJECT
private slots:
    void win32ProgramUnderWine()
    {
        const QString build = qEnvironmentVariable("FENDREL_WINDOWS_BUILD");
        QVERIFY2(QFile::exists(build + "/fendrel.exe"), qPrintable(build));
        XServer x;
        WinePrefix prefix(x);
        Program fendrel(wine, {build + "/fendrel.exe"}, prefix.environment());

        std::map<QString, QString> window;
        QVERIFY(waitUntil([&] { return (window = probe(prefix, build))["label"] == "shown"; }));
        QCOMPARE(window["title"], QString("Fendrel"));
        QCOMPARE(window["client"], QString("792x573"));
        QCOMPARE(window["text"], QString("Zum Starten hier klicken []"));
        const QPoint origin(window["origin"].section(',', 0, 0).toInt(), window["origin"].section(',', 1).toInt());
        const QRect client(origin, QSize(792, 573));
        const auto screen = [&] { return x.grab(client); };
        const auto sight = [&] { return readSight(screen(), 1); };

        // The prompt in dark blue at the label's corner, and no picture yet.
        QVERIFY(fendrel.waitIdle());
        const QImage prompt = screen();
        QVERIFY(pictureIsEmpty(prompt));
        QVERIFY(showsDarkBlueText(prompt, QRect(8, 8, 300, 25)));

        // A click on the prompt starts a run: rear sight and the first post at once.
        x.xdotool({"mousemove", QString::number(origin.x() + 40), QString::number(origin.y() + 15), "click", "1"});
        QVERIFY(waitUntil([&] { return sight().rearSight; }));
        Sight first = sight();
        QVERIFY2(first.postX >= 300 && first.postX <= 400 && first.postY >= 150 && first.postY <= 250,
                 qPrintable(QString("%1,%2").arg(first.postX).arg(first.postY)));
        QVERIFY(first.postWidth == -1 || first.postWidth == 194);
        QCOMPARE(probe(prefix, build)["label"], QString("hidden"));

        // Each arrow key moves the post by one pixel.
        x.xdotool({"search", "--name", "^Fendrel$", "windowfocus", "--sync"});
        const struct { const char* key; int dx, dy; } moves[] = {{"Right", 1, 0}, {"Down", 0, 1}, {"Left", -1, 0}, {"Up", 0, -1}, {"Up", 0, -1}};
        for (const auto& move : moves) {
            const Sight before = sight();
            x.xdotool({"key", move.key});
            QVERIFY(fendrel.waitIdle());
            const Sight after = sight();
            QCOMPARE(after.postX - before.postX, move.dx);
            QCOMPARE(after.postY - before.postY, move.dy);
            QVERIFY(after.rearSight);
        }

        // Twenty shots, each where the post stands, then the report.
        std::vector<std::pair<int, int>> deviations;
        for (int attempt = 1; attempt <= 20; ++attempt) {
            const Sight now = sight();
            QVERIFY(now.rearSight);
            QVERIFY(now.postWidth == -1 || now.postWidth == 200 - 6 * attempt);
            deviations.emplace_back(now.postX - 300 - 3 * attempt, now.postY - 200);
            x.xdotool({"key", attempt % 2 ? "Return" : "KP_Enter"});
            QVERIFY(fendrel.waitIdle());
        }
        window = probe(prefix, build);
        QCOMPARE(window["label"], QString("shown"));
        QCOMPARE(window["text"], report(deviations));
        QVERIFY(pictureIsEmpty(screen()));
    }
};

QTEST_APPLESS_MAIN(DesktopsTest)
#include "test_desktops.moc"
