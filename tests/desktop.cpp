// Headless desktops for the black-box tests.
#include "tests/desktop.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QThread>

namespace {

const QRgb black = qRgb(0, 0, 0);

bool isBlack(const QImage& image, int x, int y)
{
    return image.valid(x, y) && image.pixel(x, y) == black;
}

// Processor time of a process so far, in clock ticks.
qint64 processorTime(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // The fields after the command name, which is in parentheses and may hold blanks.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.value(11).toLongLong() + fields.value(12).toLongLong();
}

} // namespace

QByteArray runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    if (!tool.waitForFinished(120000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        qWarning("%s %s failed: %s", qPrintable(program), qPrintable(arguments.join(' ')),
                 tool.readAllStandardError().constData());
    return tool.readAllStandardOutput();
}

bool waitUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds)
            return false;
        QThread::msleep(20);
    }
    return true;
}

Program::Program(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment)
{
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.start(program, arguments);
    m_process.waitForStarted();
}

Program::~Program()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
}

bool Program::waitIdle()
{
    qint64 last = -1;
    int quiet = 0;
    return waitUntil([&] {
        const qint64 now = processorTime(pid());
        quiet = now == last ? quiet + 1 : 0;
        last = now;
        return quiet >= 5;
    });
}

int Program::waitForExit(int milliseconds)
{
    if (!m_process.waitForFinished(milliseconds) || m_process.exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process.exitCode();
}

XServer::XServer(QSize screen)
{
    int number = 90;
    while (QFile::exists(QString("/tmp/.X%1-lock").arg(number)) || QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    m_display = QString(":%1").arg(number);
    m_server = std::make_unique<Program>(
        "Xvfb", QStringList{m_display, "-screen", "0", QString("%1x%2x24").arg(screen.width()).arg(screen.height()),
                            "-nolisten", "tcp"},
        QProcessEnvironment::systemEnvironment());
    if (!waitUntil([&] { return QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)); }))
        qWarning("Xvfb did not start on %s", qPrintable(m_display));
}

QProcessEnvironment XServer::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", m_display);
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    return environment;
}

QImage XServer::grab(const QRect& area) const
{
    const QString crop = QString("%1x%2+%3+%4").arg(area.width()).arg(area.height()).arg(area.x()).arg(area.y());
    const QByteArray ppm = runTool("import", {"-window", "root", "-crop", crop, "-depth", "8", "ppm:-"}, environment());
    return QImage::fromData(ppm, "PPM").convertToFormat(QImage::Format_RGB32);
}

void XServer::xdotool(const QStringList& arguments) const
{
    runTool("xdotool", arguments, environment());
}

Sight readSight(const QImage& client, int scale)
{
    Sight sight;
    const auto blackAt = [&](int x, int y) { return isBlack(client, x * scale, y * scale); };
    // Inside and just outside each block's corners; the notch between them is open.
    const bool left = blackAt(50, 200) && blackAt(299, 399) && !blackAt(49, 200) && !blackAt(50, 199);
    const bool right = blackAt(500, 200) && blackAt(749, 399) && !blackAt(750, 200) && !blackAt(749, 199);
    const bool base = blackAt(50, 400) && blackAt(749, 572) && !blackAt(49, 500) && !blackAt(750, 500);
    sight.rearSight = left && right && base;
    for (int x = 300 * scale; x < 500 * scale; ++x)
        if (isBlack(client, x, 300 * scale)) {
            sight.postX = x / scale;
            break;
        }
    if (sight.postX < 0)
        return sight;
    for (int y = 0; y < 400 * scale; ++y)
        if (isBlack(client, sight.postX * scale, y)) {
            sight.postY = y / scale;
            break;
        }
    if (sight.postY >= 0 && sight.postY < 200) {
        int right = sight.postX * scale;
        while (isBlack(client, right, sight.postY * scale))
            ++right;
        sight.postWidth = right / scale - sight.postX;
    }
    return sight;
}

bool pictureIsEmpty(const QImage& client)
{
    for (int y = 0; y < client.height(); ++y)
        for (int x = 0; x < client.width(); ++x)
            if (client.pixel(x, y) == black)
                return false;
    return true;
}

bool showsDarkBlueText(const QImage& client, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor colour = client.pixelColor(x, y);
            if (colour.lightness() < 100 && colour.blue() > colour.green() && colour.green() > colour.red())
                return true;
        }
    return false;
}
