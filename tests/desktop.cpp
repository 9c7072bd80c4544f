// SPDX-License-Identifier: MIT
// Headless desktops for the black-box tests.
#include "tests/desktop.h"

#include "view/background.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTcpServer>
#include <QThread>
#include <QtEndian>

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

// Runs a program as nobody.
QStringList asNobody(const QStringList& command)
{
    return QStringList{"--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
}

QJsonObject findWindow(const QJsonObject& node, const QString& title)
{
    if (node["name"].toString() == title && node.contains("shell"))
        return node;
    for (const char* children : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node[children].toArray())
            if (const QJsonObject found = findWindow(child.toObject(), title); !found.isEmpty())
                return found;
    return {};
}

} // namespace

int freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

QByteArray runTool(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment,
                   bool* succeeded)
{
    QProcess tool;
    tool.setProcessEnvironment(environment);
    tool.start(program, arguments);
    const bool ok = tool.waitForFinished(120000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    if (succeeded)
        *succeeded = ok;
    else if (!ok)
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
        const qint64 now = processorTime(m_process.processId());
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
    // A server in another root (a chroot) leaves no files in ours, but its abstract
    // socket shows in /proc/net/unix.
    QFile sockets("/proc/net/unix");
    sockets.open(QIODevice::ReadOnly);
    const QByteArray listening = sockets.readAll();
    const auto taken = [&](int n) {
        return QFile::exists(QString("/tmp/.X%1-lock").arg(n)) || QFile::exists(QString("/tmp/.X11-unix/X%1").arg(n))
            || listening.contains(QString("/tmp/.X11-unix/X%1\n").arg(n).toUtf8());
    };
    while (taken(number))
        ++number;
    m_display = QString(":%1").arg(number);
    const QString size = QString("%1x%2x24").arg(screen.width()).arg(screen.height());
    // -noreset: otherwise the server starts afresh whenever its last client leaves,
    // and refuses the next one meanwhile.
    m_server = std::make_unique<Program>("Xvfb", QStringList{m_display, "-screen", "0", size, "-nolisten", "tcp", "-noreset"},
                                         QProcessEnvironment::systemEnvironment());
    // Its socket may be there before it takes clients.
    bool ready = false;
    if (!waitUntil([&] {
            runTool("xdotool", {"getdisplaygeometry"}, environment(), &ready);
            return ready;
        }))
        qWarning("Xvfb did not start on %s", qPrintable(m_display));
}

bool XServer::startWindowManager()
{
    m_windowManager = std::make_unique<Program>("openbox", QStringList{}, environment());
    // Until it has taken over the screen, a window mapped now would go unmanaged.
    bool managed = false;
    return waitUntil([&] {
        runTool("wmctrl", {"-m"}, environment(), &managed);
        return managed;
    });
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

QByteArray XServer::xdotool(const QStringList& arguments) const
{
    return runTool("xdotool", arguments, environment());
}

Sway::Sway(QSize mode, int scale)
{
    const QString runtime = m_runtime.path();
    QFile config(m_runtime.filePath("config"));
    config.open(QIODevice::WriteOnly);
    // Floating at the output's corner, without borders: the window keeps its own size.
    config.write(QString("output HEADLESS-1 mode %1x%2 scale %3\n"
                         "default_border none\ndefault_floating_border none\n"
                         "for_window [title=\".*\"] floating enable, move position 0 0\n")
                     .arg(mode.width()).arg(mode.height()).arg(scale).toUtf8());
    config.close();
    runTool("chown", {"-R", "nobody:nogroup", runtime});

    QProcessEnvironment environment;
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    environment.insert("HOME", runtime);
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("WLR_BACKENDS", "headless");
    environment.insert("WLR_RENDERER", "pixman");
    environment.insert("WLR_LIBINPUT_NO_DEVICES", "1");
    m_sway = std::make_unique<Program>("setpriv", asNobody({"sway", "-c", config.fileName()}), environment);
    if (!waitUntil([&] { return QFile::exists(m_runtime.filePath("wayland-1")); }))
        qWarning("sway did not start");
    environment.insert("WAYLAND_DISPLAY", "wayland-1");
    m_environment = environment;

    const int port = freePort();
    m_vnc = std::make_unique<Program>("setpriv", asNobody({"wayvnc", "-o", "HEADLESS-1", "127.0.0.1", QString::number(port)}),
                                      environment);
    // The RFB handshake: version, no security, a shared session; then only input goes out.
    waitUntil([&] {
        m_rfb.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
        return m_rfb.waitForConnected(200);
    });
    const auto receive = [&](qint64 bytes) {
        QByteArray data;
        while (data.size() < bytes && (m_rfb.bytesAvailable() || m_rfb.waitForReadyRead(5000)))
            data += m_rfb.read(bytes - data.size());
        return data;
    };
    receive(12);
    m_rfb.write("RFB 003.008\n");
    const int securityTypes = receive(1).at(0);
    receive(securityTypes);
    m_rfb.write(QByteArray(1, '\1'));
    receive(4);
    m_rfb.write(QByteArray(1, '\1'));
    const QByteArray serverInit = receive(24);
    receive(qFromBigEndian<quint32>(serverInit.constData() + 20));
    m_parking = QPoint(mode.width() - 1, mode.height() - 1);
    pointer(0, m_parking);
}

Sway::~Sway()
{
    m_rfb.close();
    m_vnc.reset();
    m_sway.reset();
}

QProcessEnvironment Sway::clientEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("DISPLAY");
    environment.remove("QT_QPA_PLATFORM");
    environment.insert("XDG_RUNTIME_DIR", m_runtime.path());
    environment.insert("WAYLAND_DISPLAY", "wayland-1");
    environment.insert("XDG_SESSION_TYPE", "wayland");
    return environment;
}

QJsonObject Sway::window(const QString& title) const
{
    const QString ipc = QDir(m_runtime.path()).entryList({"sway-ipc.*.sock"}, QDir::System).value(0);
    const QByteArray tree = runTool("swaymsg", {"-s", m_runtime.filePath(ipc), "-t", "get_tree"}, m_environment);
    return findWindow(QJsonDocument::fromJson(tree).object(), title);
}

QImage Sway::grab(const QRect& logicalArea) const
{
    const QString area = QString("%1,%2 %3x%4").arg(logicalArea.x()).arg(logicalArea.y()).arg(logicalArea.width()).arg(logicalArea.height());
    return QImage::fromData(runTool("grim", {"-g", area, "-"}, m_environment), "PNG").convertToFormat(QImage::Format_RGB32);
}

void Sway::pointer(int buttons, QPoint at)
{
    QByteArray message(6, '\0');
    message[0] = 5;
    message[1] = static_cast<char>(buttons);
    qToBigEndian<quint16>(static_cast<quint16>(at.x()), message.data() + 2);
    qToBigEndian<quint16>(static_cast<quint16>(at.y()), message.data() + 4);
    m_rfb.write(message);
    m_rfb.waitForBytesWritten(1000);
    QThread::msleep(30);
}

void Sway::click(QPoint at)
{
    pointer(0, at);
    pointer(1, at);
    pointer(0, at);
    // The pointer is drawn into the output: out of the way of the screenshots.
    pointer(0, m_parking);
}

void Sway::key(quint32 keysym)
{
    for (const bool down : {true, false}) {
        QByteArray message(8, '\0');
        message[0] = 4;
        message[1] = down;
        qToBigEndian<quint32>(keysym, message.data() + 4);
        m_rfb.write(message);
        m_rfb.waitForBytesWritten(1000);
        QThread::msleep(10);
    }
}

Sight readSight(const QImage& client, int scale)
{
    Sight sight;
    const auto blackAt = [&](int x, int y) { return isBlack(client, x * scale, y * scale); };
    // Each block's first and last pixel black, and the light just outside it, on the
    // sides where the post never comes.
    const auto blackTo = [&](int x, int y) { return isBlack(client, x * scale - 1, y * scale - 1); };
    const bool leftBlock = blackAt(50, 200) && blackTo(300, 400) && !blackAt(49, 200) && !blackAt(50, 199);
    const bool rightBlock = blackAt(500, 200) && blackTo(750, 400) && !blackAt(750, 200) && !blackAt(749, 199);
    const bool baseBlock = blackAt(50, 400) && blackTo(750, 573) && !blackAt(49, 500) && !blackAt(750, 500);
    sight.rearSight = leftBlock && rightBlock && baseBlock;
    const int row = 300 * scale; // through the notch
    for (int x = 300 * scale; x < 500 * scale && sight.deviceLeft < 0; ++x)
        if (isBlack(client, x, row))
            sight.deviceLeft = x;
    if (sight.deviceLeft < 0)
        return sight;
    sight.postX = sight.deviceLeft / scale;
    sight.leftGap = sight.deviceLeft - 300 * scale;
    int right = sight.deviceLeft;
    while (isBlack(client, right, row))
        ++right;
    if (right < 500 * scale) {
        int light = right;
        while (light < 500 * scale && !isBlack(client, light, row))
            ++light;
        if (light == 500 * scale)
            sight.rightGap = light - right;
    }
    for (int y = 0; y < 400 * scale && sight.deviceTop < 0; ++y)
        if (isBlack(client, sight.deviceLeft, y))
            sight.deviceTop = y;
    sight.postY = sight.deviceTop / scale;
    if (sight.postY >= 0 && sight.postY < 200) {
        int edge = sight.deviceLeft;
        while (isBlack(client, edge, sight.deviceTop))
            ++edge;
        sight.postWidth = (edge - sight.deviceLeft) / scale;
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

int textLines(const QImage& client, const QRect& area)
{
    const QRgb background = client.pixel(area.bottomRight());
    int lines = 0;
    bool inLine = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        bool ink = false;
        for (int x = area.left(); x <= area.right() && !ink; ++x)
            ink = client.pixel(x, y) != background;
        lines += ink && !inLine;
        inLine = ink;
    }
    return lines;
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

double strongestContrast(const QImage& client, const QRect& area, QRgb against)
{
    const auto colour = [](QRgb pixel) { return rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); };
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(colour(client.pixel(x, y)), colour(against)));
    return strongest;
}
