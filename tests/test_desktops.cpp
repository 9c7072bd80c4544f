// SPDX-License-Identifier: MIT
// Black-box tests: the real programs on headless desktops of their own, driven with
// real input and read back from the screen.
//
// FENDREL_PROGRAM: the Linux program. FENDREL_WINDOWS_BUILD: the folder with
// fendrel.exe and tests/fendrel_probe.exe; FENDREL_WINE: the Wine loader for them
// (wine64 unless they are 32-bit programs).
#include "tests/browsers.h"

#include <QDir>
#include <QJsonArray>
#include <QTest>
#include <QThread>

#include <cmath>

#include <map>
#include <utility>

namespace {

using Deviations = std::vector<std::pair<int, int>>;

// What a test needs of a desktop to play the exercise on it, in the device pixels
// of the window's client area.
struct Screen {
    std::function<QImage()> client;
    std::function<void(QPoint)> click;
    std::function<void(Key)> press;
    std::function<void(Key, int times)> pressTimes; // if set, all presses at once
    Program* program = nullptr;
    int scale = 1;
    QRgb background = 0; // what the window shows behind the prompt and the picture
    std::function<int()> rescale; // if set, the new scale after a change halfway through the shots

    // The program has worked off its input and the screen shows all it painted.
    bool settle() const
    {
        QImage last;
        return (!program || program->waitIdle()) && waitUntil([&] {
            const QImage now = client();
            return std::exchange(last, now) == now;
        });
    }
};

void pressTimes(const Screen& screen, Key key, int times)
{
    if (screen.pressTimes)
        return screen.pressTimes(key, times);
    for (int i = 0; i < times; ++i)
        screen.press(key);
}

// Plays a run as a user would: the prompt, a click on it, each arrow key, the post
// centred, twenty shots, the report. What the screen shows is checked at each step.
// Where FENDREL_SCREENSHOTS is set, the run and the report are saved as pictures
// whose names begin with it.
void playRun(const Screen& screen, Deviations& deviations)
{
    const QString pictures = qEnvironmentVariable("FENDREL_SCREENSHOTS");
    int s = screen.scale;
    QVERIFY(screen.settle());
    const QImage prompt = screen.client();
    QVERIFY(pictureIsEmpty(prompt));
    const QRect promptArea(8 * s, 8 * s, 300 * s, 25 * s);
    QVERIFY(showsDarkBlueText(prompt, promptArea));
    QCOMPARE(QColor(prompt.pixel(prompt.rect().bottomRight())), QColor(screen.background));
    // Readable, as WCAG 2.2 asks of text (4.5:1) and of shapes (3:1).
    const double promptContrast = strongestContrast(prompt, promptArea, screen.background);

    screen.click(QPoint(40, 15) * s);
    QVERIFY(waitUntil([&] { return readSight(screen.client(), s).rearSight; }));
    Sight sight = readSight(screen.client(), s);
    const double pictureContrast = strongestContrast(screen.client(), QRect(QPoint(50, 400) * s, QSize(1, 1)), screen.background);
    qInfo("contrast of the prompt %.2f:1, of the picture %.2f:1", promptContrast, pictureContrast);
    QVERIFY(promptContrast >= 4.5 && pictureContrast >= 3);
    QVERIFY2(sight.postX >= 300 && sight.postX <= 400 && sight.postY >= 150 && sight.postY <= 250,
             qPrintable(QString("post at %1,%2").arg(sight.postX).arg(sight.postY)));
    QVERIFY(sight.postWidth == -1 || sight.postWidth == 194);

    const struct { Key key; int dx, dy; } moves[] = {
        {Key::Right, 1, 0}, {Key::Down, 0, 1}, {Key::Left, -1, 0}, {Key::Up, 0, -1}};
    for (const auto& move : moves) {
        const Sight before = readSight(screen.client(), s);
        screen.press(move.key);
        QVERIFY(screen.settle());
        sight = readSight(screen.client(), s);
        QVERIFY(sight.rearSight);
        QCOMPARE(sight.deviceLeft - before.deviceLeft, move.dx * s);
        QCOMPARE(sight.deviceTop - before.deviceTop, move.dy * s);
    }
    if (!pictures.isEmpty())
        screen.client().save(pictures + "-run.png");

    // Centred in the notch with its top level with the rear sight: equal gaps.
    pressTimes(screen, sight.postX > 303 ? Key::Left : Key::Right, std::abs(sight.postX - 303));
    pressTimes(screen, sight.postY > 200 ? Key::Up : Key::Down, std::abs(sight.postY - 200));
    QVERIFY(screen.settle());
    sight = readSight(screen.client(), s);
    QCOMPARE(sight.leftGap, 3 * s);
    QCOMPARE(sight.rightGap, 3 * s);
    QCOMPARE(sight.deviceTop, 200 * s);

    for (int attempt = 1; attempt <= 20; ++attempt) {
        if (attempt == 11 && screen.rescale) {
            s = screen.rescale();
            QVERIFY(screen.settle());
        }
        sight = readSight(screen.client(), s);
        QVERIFY(sight.rearSight);
        QVERIFY(sight.postWidth == -1 || sight.postWidth == 200 - 6 * attempt);
        deviations.emplace_back(sight.postX - 300 - 3 * attempt, sight.postY - 200);
        screen.press(attempt % 2 ? Key::Return : Key::KeypadEnter);
        QVERIFY(screen.settle());
    }
    QCOMPARE(deviations.front(), std::make_pair(0, 0));

    // The picture is gone and the report shows: the prompt, a blank line, twenty
    // shots and the means.
    const QImage report = screen.client();
    if (!pictures.isEmpty())
        report.save(pictures + "-report.png");
    QVERIFY(pictureIsEmpty(report));
    QCOMPARE(textLines(report, QRect(8 * s, 8 * s, 769 * s, 553 * s)), 22);
}

QString reportText(const Deviations& deviations, QChar decimalSeparator = ',')
{
    QString text = "Zum Starten hier klicken []\r\n\r\n";
    int sumX = 0, sumY = 0;
    for (std::size_t i = 0; i < deviations.size(); ++i) {
        text += QString("%1. Versuch: X=%2 Y=%3\r\n").arg(i + 1).arg(deviations[i].first).arg(deviations[i].second);
        sumX += std::abs(deviations[i].first);
        sumY += std::abs(deviations[i].second);
    }
    const auto mean = [&](int sum) { return QString::number(sum / 20.0, 'g', 15).replace('.', decimalSeparator); };
    return text + "Schnitt X=" + mean(sumX) + " Schnitt Y=" + mean(sumY);
}

QString xdotoolName(Key key)
{
    switch (key) {
    case Key::Left: return "Left";
    case Key::Right: return "Right";
    case Key::Up: return "Up";
    case Key::Down: return "Down";
    case Key::Return: return "Return";
    case Key::KeypadEnter: return "KP_Enter";
    }
    return {};
}

quint32 keysym(Key key)
{
    switch (key) {
    case Key::Left: return 0xff51;
    case Key::Up: return 0xff52;
    case Key::Right: return 0xff53;
    case Key::Down: return 0xff54;
    case Key::Return: return 0xff0d;
    case Key::KeypadEnter: return 0xff8d;
    }
    return 0;
}

// The window's client area on the screen, inside the window manager's frame.
QRect xGeometry(const XServer& x, const QString& window)
{
    std::map<QString, int> info;
    for (const QString& line : QString::fromUtf8(runTool("xwininfo", {"-id", window}, x.environment())).split('\n'))
        info[line.section(':', 0, 0).trimmed()] = line.section(':', 1).trimmed().toInt();
    return QRect(info["Absolute upper-left X"], info["Absolute upper-left Y"], info["Width"], info["Height"]);
}

// The window with the window manager's frame around it.
QRect xFrame(const XServer& x, const QString& window)
{
    const QStringList extents = QString::fromUtf8(runTool("xprop", {"-id", window, "_NET_FRAME_EXTENTS"}, x.environment()))
                                    .section('=', 1).split(','); // left, right, top, bottom
    return xGeometry(x, window).adjusted(-extents.value(0).toInt(), -extents.value(2).toInt(), extents.value(1).toInt(),
                                         extents.value(3).toInt());
}

QString wineLoader()
{
    return qEnvironmentVariable("FENDREL_WINE", "/usr/lib/wine/wine64");
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
        QDir(m_folder.path()).mkpath("locale");
        runTool("localedef", {"-i", "de_DE", "-c", "-f", "UTF-8", m_folder.filePath("locale/de_DE.UTF-8")});
        m_environment.insert("LOCPATH", m_folder.filePath("locale"));
        m_environment.insert("LC_ALL", "de_DE.UTF-8");
        runTool("/usr/lib/wine/wine64", {"wineboot", "-i"}, m_environment);
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
    bool found = false; // not before the window is there
    const QString output =
        QString::fromUtf8(runTool(wineLoader(), {build + "/tests/fendrel_probe.exe"}, prefix.environment(), &found));
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
    void startsWithoutDisplayWithOneSentence()
    {
        QProcess fendrel;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(variable);
        fendrel.setProcessEnvironment(environment);
        fendrel.start(qEnvironmentVariable("FENDREL_PROGRAM"), {});
        QVERIFY(fendrel.waitForFinished(10000));
        QCOMPARE(fendrel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(fendrel.exitCode(), 1);
        QCOMPARE(fendrel.readAllStandardError(),
                 QByteArray("Fendrel needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set.\n"));
    }

    // Under openbox, on a laptop's screen and a larger one at a display scale of 1.5,
    // and under a dark colour scheme: the window fits its screen, takes the keyboard
    // from a click, survives minimising and resizing, and closes through the window
    // manager with status 0.
    void qtProgramUnderAWindowManager_data()
    {
        QTest::addColumn<QSize>("screenSize");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRgb>("background");
        const QRgb lightTheme = qRgb(239, 239, 239), lightGrey = qRgb(240, 240, 240);
        QTest::newRow("1920x1080 at 144 dpi") << QSize(1920, 1080) << "QT_FONT_DPI=144" << 1 << lightTheme;
        QTest::newRow("2560x1440 at scale factor 1.5") << QSize(2560, 1440) << "QT_SCALE_FACTOR=1.5" << 2 << lightTheme;
        QTest::newRow("1600x1160, fits but for the frame") << QSize(1600, 1160) << "QT_SCALE_FACTOR=1.5" << 1 << lightTheme;
        QTest::newRow("dark colour scheme") << QSize(1920, 1080) << "QT_QPA_PLATFORMTHEME=qt6ct" << 1 << lightGrey;
    }
    void qtProgramUnderAWindowManager()
    {
        QFETCH(QSize, screenSize);
        QFETCH(QString, setting);
        QFETCH(int, scale);
        QFETCH(QRgb, background);
        XServer x(screenSize);
        QVERIFY(x.startWindowManager());
        QProcessEnvironment environment = x.environment();
        environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        environment.insert("XDG_CONFIG_HOME", qEnvironmentVariable("FENDREL_TEST_CONFIG")); // qt6ct's, dark
        Program fendrel(qEnvironmentVariable("FENDREL_PROGRAM"), {}, environment);
        QString window;
        QVERIFY(waitUntil([&] {
            bool found = false;
            window = QString::fromUtf8(runTool("xdotool", {"search", "--onlyvisible", "--name", "^Fendrel$"},
                                               x.environment(), &found)).trimmed();
            return found;
        }));
        QVERIFY(fendrel.waitIdle());
        QCOMPARE(QString::fromUtf8(x.xdotool({"getwindowname", window})).trimmed(), QString("Fendrel"));
        QCOMPARE(xGeometry(x, window).size(), QSize(792, 573) * scale);
        const QRect framed = xFrame(x, window);
        qInfo("window with its frame at %d,%d, %dx%d", framed.x(), framed.y(), framed.width(), framed.height());
        QVERIFY(QRect(QPoint(), screenSize).contains(framed));

        Screen screen;
        screen.scale = scale;
        screen.background = background;
        screen.client = [&] { return x.grab(xGeometry(x, window)); };
        screen.click = [&](QPoint at) {
            const QPoint target = xGeometry(x, window).topLeft() + at;
            x.xdotool({"mousemove", QString::number(target.x()), QString::number(target.y()), "click", "1"});
        };
        // No focus is given: the window must have taken it from the click.
        screen.press = [&](Key key) { x.xdotool({"key", xdotoolName(key)}); };
        screen.program = &fendrel;

        // Before the run ends: minimised and restored, then made larger.
        Deviations deviations;
        screen.click(QPoint(40, 30));
        QVERIFY(waitUntil([&] { return readSight(screen.client(), scale).rearSight; }));
        const Sight before = readSight(screen.client(), scale);
        x.xdotool({"windowminimize", "--sync", window});
        x.xdotool({"windowactivate", "--sync", window});
        QVERIFY(screen.settle());
        Sight after = readSight(screen.client(), scale);
        QVERIFY(after.rearSight);
        QCOMPARE(after.deviceLeft, before.deviceLeft);
        QCOMPARE(after.deviceTop, before.deviceTop);
        const QSize larger = QSize(822, 603) * scale;
        x.xdotool({"windowsize", "--sync", window, QString::number(larger.width()), QString::number(larger.height())});
        QVERIFY(screen.settle());
        QCOMPARE(xGeometry(x, window).size(), larger);
        after = readSight(screen.client(), scale);
        QVERIFY(after.rearSight);
        QCOMPARE(after.deviceLeft, before.deviceLeft);
        // The base block ends at y 600, below the window's former edge.
        QCOMPARE(screen.client().pixel(100 * scale, 600 * scale - 1), qRgb(0, 0, 0));
        QCOMPARE(screen.client().pixel(100 * scale, 600 * scale), background);
        QCOMPARE(screen.client().pixel(800 * scale, 10), background);
        for (int shot = 0; shot < 20; ++shot)
            screen.press(Key::Return);
        QVERIFY(fendrel.waitIdle());

        // The next run, played through.
        playRun(screen, deviations);
        if (QTest::currentTestFailed())
            return;
        runTool("wmctrl", {"-c", "Fendrel"}, x.environment());
        QCOMPARE(fendrel.waitForExit(), 0);
    }

    void qtProgramUnderWayland_data()
    {
        QTest::addColumn<int>("scale");
        QTest::newRow("output scale 1") << 1;
        QTest::newRow("output scale 2") << 2;
    }
    void qtProgramUnderWayland()
    {
        QFETCH(int, scale);
        Sway sway(QSize(1280, 1024) * scale, scale);
        Program fendrel(qEnvironmentVariable("FENDREL_PROGRAM"), {}, sway.clientEnvironment());
        QJsonObject window;
        QVERIFY(waitUntil([&] { return !(window = sway.window("Fendrel")).isEmpty(); }));
        QCOMPARE(window["shell"].toString(), QString("xdg_shell")); // a Wayland client, not an X one
        const QJsonObject rect = window["rect"].toObject();
        const QRect client(rect["x"].toInt(), rect["y"].toInt(), rect["width"].toInt(), rect["height"].toInt());
        QCOMPARE(client.size(), QSize(792, 573));

        Screen screen;
        screen.scale = scale;
        screen.background = qRgb(239, 239, 239);
        screen.client = [&] { return sway.grab(client); };
        screen.click = [&](QPoint at) { sway.click(client.topLeft() * scale + at); };
        screen.press = [&](Key key) { sway.key(keysym(key)); };
        screen.program = &fendrel;
        Deviations deviations;
        playRun(screen, deviations);
    }

    // At 96 dpi, and at 144 dpi (a display scale of 1.5) where it draws at 2 if it fits
    // the screen; and under a contrast theme whose dialog colour is black.
    void win32ProgramUnderWine_data()
    {
        QTest::addColumn<QSize>("screenSize");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<bool>("contrastTheme");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QRgb>("background");
        const QRgb wineDialog = qRgb(245, 245, 245), lightGrey = qRgb(240, 240, 240);
        QTest::newRow("1920x1080 at 96 dpi") << QSize(1920, 1080) << 96 << false << 1 << wineDialog;
        QTest::newRow("1920x1080 at 144 dpi, contrast theme") << QSize(1920, 1080) << 144 << true << 1 << lightGrey;
        QTest::newRow("2560x1440 at 144 dpi") << QSize(2560, 1440) << 144 << false << 2 << wineDialog;
    }
    void win32ProgramUnderWine()
    {
        QFETCH(QSize, screenSize);
        QFETCH(int, dpi);
        QFETCH(bool, contrastTheme);
        QFETCH(int, scale);
        QFETCH(QRgb, background);
        const QString build = qEnvironmentVariable("FENDREL_WINDOWS_BUILD");
        QVERIFY2(QFile::exists(build + "/fendrel.exe"), qPrintable(build));
        XServer x(screenSize);
        WinePrefix prefix(x);
        QStringList settings{"Desktop", "LogPixels", "REG_DWORD", QString::number(dpi)};
        if (contrastTheme) // as Windows' "Night sky": light text on black
            settings << "Colors" << "ButtonFace" << "REG_SZ" << "0 0 0" << "Colors" << "ButtonText" << "REG_SZ" << "255 255 255";
        for (qsizetype i = 0; i < settings.size(); i += 4)
            runTool(wineLoader(), {"reg", "add", "HKCU\\Control Panel\\" + settings[i], "/v", settings[i + 1], "/t",
                                   settings[i + 2], "/d", settings[i + 3], "/f"}, prefix.environment());
        runTool("/usr/lib/wine/wineserver", {"-w"}, prefix.environment());
        const QSize size = QSize(792, 573) * scale;
        Program fendrel(wineLoader(), {build + "/fendrel.exe"}, prefix.environment());

        std::map<QString, QString> window;
        // Made hidden, the window is shown once it is laid out and loaded.
        QVERIFY(waitUntil([&] { return (window = probe(prefix, build))["window"] == "shown"; }));
        QCOMPARE(window["label"], QString("shown"));
        QCOMPARE(window["title"], QString("Fendrel"));
        QCOMPARE(window["client"], QString("%1x%2").arg(size.width()).arg(size.height()));
        QCOMPARE(window["text"], QString("Zum Starten hier klicken []"));
        const QStringList frame = window["frame"].split(',');
        const QRect framed(frame.value(0).toInt(), frame.value(1).toInt(), frame.value(2).toInt(), frame.value(3).toInt());
        qInfo("window with its frame at %d,%d, %dx%d", framed.x(), framed.y(), framed.width(), framed.height());
        QVERIFY(QRect(QPoint(), screenSize).contains(framed));
        const QPoint origin(window["origin"].section(',', 0, 0).toInt(), window["origin"].section(',', 1).toInt());

        Screen screen;
        screen.scale = scale;
        screen.background = background;
        screen.client = [&] { return x.grab(QRect(origin, size)); };
        screen.click = [&](QPoint at) {
            const QPoint target = origin + at;
            x.xdotool({"mousemove", QString::number(target.x()), QString::number(target.y()), "click", "1"});
            // Without a window manager nobody else gives the window the keyboard.
            x.xdotool({"search", "--name", "^Fendrel$", "windowfocus", "--sync"});
        };
        screen.press = [&](Key key) { x.xdotool({"key", xdotoolName(key)}); };
        screen.program = &fendrel;
        Deviations deviations;
        playRun(screen, deviations);
        if (QTest::currentTestFailed())
            return;
        window = probe(prefix, build);
        QCOMPARE(window["label"], QString("shown"));
        QCOMPARE(window["text"], reportText(deviations));
    }

    // The page in each engine, in two languages, at device pixel ratios 1, 1.5 and 2
    // (once going from 1 to 2 halfway through the shots, as on a move to another
    // screen) and offline: reloaded after the first visit with the server gone. And in
    // a browser that says little of itself: no language it can format in, a ratio that
    // is no number, none of the newer features the page would use.
    void webPageInChromium_data() { webPageRows("Chromium"); }
    void webPageInChromium() { webPage(); }
    void webPageInFirefox_data() { webPageRows("Firefox"); }
    void webPageInFirefox() { webPage(); }
    void webPageInWebKit_data() { webPageRows("WebKit"); }
    void webPageInWebKit() { webPage(); }

    // A browser without WebAssembly: a German message instead of an empty page.
    void webPageThatCannotStart()
    {
        const auto site = serveSite();
        Chromium chromium({});
        chromium.beforeEveryPage("delete window.WebAssembly");
        chromium.open(site->url);
        QVERIFY(waitUntil([&] { return chromium.evaluate("document.querySelector('[role=alert]')?.textContent").isString(); }));
        QCOMPARE(chromium.evaluate("document.querySelector('[role=alert]').textContent").toString(),
                 QString("Fendrel kann in diesem Browser nicht starten.\nLaden Sie die Seite neu. Hilft das nicht, öffnen Sie "
                         "sie in einem aktuellen Browser mit JavaScript und WebAssembly."));
        QVERIFY(chromium.evaluate("document.getElementById('fendrel')").isNull());
    }

    // On phones and tablets: the pad beside the client area in landscape and below it
    // upright, both in the viewport, nothing to scroll, every key at least 44 CSS
    // pixels; the picture at the most device pixels per picture pixel at which both
    // fit; on an upright phone the request to turn it.
    void keypadOnPhonesAndTablets_data()
    {
        QTest::addColumn<QSize>("viewport");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("turn");
        QTest::newRow("phone, landscape") << QSize(844, 390) << 3.0 << 2 << true << false;
        QTest::newRow("phone, upright") << QSize(390, 844) << 3.0 << 1 << false << true;
        QTest::newRow("tablet, upright") << QSize(820, 1180) << 2.0 << 2 << false << false;
        QTest::newRow("tablet, landscape") << QSize(1180, 820) << 2.0 << 2 << true << false;
    }
    void keypadOnPhonesAndTablets()
    {
        QFETCH(QSize, viewport);
        QFETCH(double, ratio);
        QFETCH(int, scale);
        QFETCH(bool, beside);
        QFETCH(bool, turn);
        const auto site = serveSite();
        Chromium chromium({"de-DE", ratio, viewport, true});
        chromium.open(site->url);
        QVERIFY(waitUntil([&] { return showsPrompt(chromium); }));
        const QRectF client = boxes(chromium, "#fendrel").value(0);
        QCOMPARE((client.size() * ratio).toSize(), QSize(792, 573) * scale);
        const QList<QRectF> keys = boxes(chromium, "#keypad button");
        QCOMPARE(keys.size(), 5);
        QRectF pad;
        for (const QRectF& key : keys) {
            QVERIFY(key.width() >= 44 && key.height() >= 44);
            pad |= key;
        }
        qInfo("client area %gx%g at %g,%g, pad at %g,%g", client.width(), client.height(), client.x(), client.y(), pad.x(), pad.y());
        QVERIFY(beside ? pad.left() > client.right() : pad.top() > client.bottom());
        QVERIFY(QRectF(QPointF(), QSizeF(viewport)).contains(pad | client));
        QCOMPARE(chromium.evaluate("[document.documentElement.scrollWidth, document.documentElement.scrollHeight]"),
                 QJsonValue(QJsonArray{viewport.width(), viewport.height()}));
        QCOMPARE(chromium.evaluate("!document.getElementById('turn').hidden").toBool(), turn);
        if (const QString pictures = qEnvironmentVariable("FENDREL_SCREENSHOTS"); !pictures.isEmpty()) {
            chromium.click(client.center()); // a run, started by a tap
            QThread::msleep(500);
            chromium.grab(QRectF(QPointF(), QSizeF(viewport))).save(pictures + "-" + QString(QTest::currentDataTag()).replace(", ", "-") + ".png");
        }
    }

private:
    // The site on a port of its own, for as long as the object lives.
    struct Site {
        std::unique_ptr<Program> server;
        QString url;
    };
    static std::unique_ptr<Site> serveSite()
    {
        const int port = freePort();
        auto site = std::make_unique<Site>();
        site->server = std::make_unique<Program>("python3", QStringList{"-m", "http.server", QString::number(port), "--bind",
            "127.0.0.1", "--directory", qEnvironmentVariable("FENDREL_WEB_BUILD") + "/site"}, QProcessEnvironment::systemEnvironment());
        site->url = QString("http://127.0.0.1:%1/").arg(port);
        waitUntil([&] { QTcpSocket probe; probe.connectToHost(QHostAddress::LocalHost, port); return probe.waitForConnected(100); });
        return site;
    }

    static void webPageRows(const QString& engine)
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("language");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<double>("laterRatio"); // halfway through the shots; 0: none
        QTest::addColumn<QString>("oddities");  // run before the page's own script
        QTest::addColumn<bool>("touch");        // on a phone in landscape, by touch alone
        const auto row = [&](const char* name, const char* language, double ratio, bool offline, double laterRatio = 0,
                             const QString& oddities = {}, bool touch = false) {
            QTest::newRow(name) << engine << language << ratio << offline << laterRatio << oddities << touch;
        };
        if (engine == "Chromium") {
            row("de-DE at 1, then 2", "de-DE", 1, false, 2);
            row("en-US at 1.5", "en-US", 1.5, false);
            row("de-DE at 2, offline", "de-DE", 2, true);
            row("a browser that says little of itself", "de-DE", 1, false, 0,
                "Object.defineProperty(navigator, 'language', {get: () => 'nonsense!'});"
                "Object.defineProperty(window, 'devicePixelRatio', {get: () => NaN});"
                "delete ResizeObserverEntry.prototype.devicePixelContentBoxSize; delete window.requestIdleCallback;"
                "delete window.matchMedia; delete Navigator.prototype.serviceWorker;");
        } else if (engine == "Firefox") {
            row("de-DE at 2, offline", "de-DE", 2, true);
            row("en-US at 1.5", "en-US", 1.5, false);
        } else {
            row("de-DE at 2, offline", "de-DE", 2, true);
            row("en-US at 1", "en-US", 1, false);
        }
        if (engine != "WebKit")
            row("phone, by touch", "de-DE", 3, false, 0, {}, true);
    }

    static std::unique_ptr<Browser> startBrowser(const QString& engine, const BrowserSettings& settings, const QString& oddities = {})
    {
        if (engine == "Firefox")
            return std::make_unique<Firefox>(settings);
        if (engine == "WebKit")
            return std::make_unique<WebKit>(settings);
        auto chromium = std::make_unique<Chromium>(settings);
        if (!oddities.isEmpty())
            chromium->beforeEveryPage(oddities);
        return chromium;
    }

    // Where the elements are on the page, in CSS pixels.
    static QList<QRectF> boxes(Browser& browser, const QString& selector)
    {
        QList<QRectF> found;
        for (const QJsonValue& box : browser.evaluate("[...document.querySelectorAll('" + selector + "')].map(e => { "
                                                      "const r = e.getBoundingClientRect(); return [r.x, r.y, r.width, r.height]; })").toArray()) {
            const QJsonArray b = box.toArray();
            found.append(QRectF(b[0].toDouble(), b[1].toDouble(), b[2].toDouble(), b[3].toDouble()));
        }
        return found;
    }

    static bool showsPrompt(Browser& browser)
    {
        return browser.evaluate("document.getElementById('AnzeigeLbl')?.textContent") == "Zum Starten hier klicken []";
    }

    static void webPage()
    {
        QFETCH(QString, engine);
        QFETCH(QString, language);
        QFETCH(double, ratio);
        QFETCH(bool, offline);
        QFETCH(double, laterRatio);
        QFETCH(QString, oddities);
        QFETCH(bool, touch);
        auto site = serveSite();
        const BrowserSettings settings{language, ratio, touch ? QSize(844, 390) : QSize(1280, 1024), touch};
        const std::unique_ptr<Browser> browser = startBrowser(engine, settings, oddities);
        browser->open(site->url);
        QVERIFY(waitUntil([&] { return showsPrompt(*browser); }));
        if (offline) {
            QVERIFY(browser->evaluate("navigator.serviceWorker.ready.then(() => true)").toBool());
            site->server.reset();
            browser->reload();
            QVERIFY(waitUntil([&] { return showsPrompt(*browser); }));
        }
        QCOMPARE(browser->evaluate("document.title").toString(), QString("Fendrel"));
        // The client area at its size, and the canvas filling it; on the phone at 2,
        // the most at which it fits beside the pad.
        QRectF client;
        const auto locate = [&] {
            const int scale = ratio >= 1.5 ? 2 : 1;
            const QList<QRectF> area = boxes(*browser, "#fendrel, canvas");
            client = area.value(0);
            return area.value(1) == client && (client.size() * ratio).toSize() == QSize(792, 573) * scale ? scale : 0;
        };

        Screen screen;
        screen.scale = locate();
        QVERIFY2(screen.scale, qPrintable(QString("client area at %1,%2, %3x%4").arg(client.x()).arg(client.y()).arg(client.width()).arg(client.height())));
        if (laterRatio)
            screen.rescale = [&] {
                ratio = laterRatio;
                static_cast<Chromium&>(*browser).emulate(settings.viewport, ratio);
                return waitUntil(locate) ? locate() : 0;
            };
        screen.background = qRgb(240, 240, 240);
        screen.client = [&] { return browser->grab(client); };
        screen.click = [&](QPoint at) { browser->click(client.topLeft() + QPointF(at) / ratio); };
        // By touch, each key a tap on the pad's, in the order of Key.
        const QList<QRectF> pad = boxes(*browser, "#keypad button");
        const std::map<Key, QPointF> keys{{Key::Up, pad.value(0).center()}, {Key::Left, pad.value(1).center()},
            {Key::Return, pad.value(2).center()}, {Key::KeypadEnter, pad.value(2).center()}, {Key::Right, pad.value(3).center()},
            {Key::Down, pad.value(4).center()}};
        screen.press = [&](Key key) { touch ? browser->click(keys.at(key)) : browser->press(key); };
        if (!touch)
            screen.pressTimes = [&](Key key, int times) { browser->press(key, times); };
        QCOMPARE(pad.isEmpty() || pad.value(0).isEmpty(), !touch); // a desktop shows no pad
        Deviations deviations;
        playRun(screen, deviations);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(browser->evaluate("document.getElementById('AnzeigeLbl').textContent").toString(),
                 reportText(deviations, language == "de-DE" && oddities.isEmpty() ? ',' : '.'));
        if (!touch)
            return;
        // The pad has left the keyboard with the client area; a key held repeats, after
        // 500 ms every 33 ms, and stops when the finger lifts.
        QCOMPARE(browser->evaluate("document.activeElement.id").toString(), QString("fendrel"));
        screen.click(QPoint(40, 15) * screen.scale);
        QVERIFY(waitUntil([&] { return readSight(screen.client(), screen.scale).rearSight; }));
        const int before = readSight(screen.client(), screen.scale).postX;
        browser->hold(keys.at(Key::Right), 1000);
        QVERIFY(screen.settle());
        const int held = readSight(screen.client(), screen.scale).postX;
        qInfo("held for a second, the post moved %d pixels", held - before);
        QVERIFY(held - before >= 10 && held - before <= 2 + 600 / 33);
        QThread::msleep(300);
        QCOMPARE(readSight(screen.client(), screen.scale).postX, held);
    }
};

QTEST_GUILESS_MAIN(DesktopsTest)
#include "test_desktops.moc"
