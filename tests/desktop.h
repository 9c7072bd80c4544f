// SPDX-License-Identifier: MIT
#pragma once
// Headless desktops for the black-box tests, each started on a display or socket of
// its own and stopped again: Xvfb (X11) and sway (Wayland), with real input and
// screenshots from the server; and the sight picture read off those screenshots.
// The browsers are in browsers.h.

#include <QImage>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QStringList>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// Runs a tool to its end and gives its standard output. A failure is reported, or,
// where the caller asks, told in `succeeded`.
QByteArray runTool(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
                   bool* succeeded = nullptr);

// A TCP port on the loopback interface that nobody listens on now.
int freePort();

// Polls until the condition holds; false when it has not within the time.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 15000);

// A program in the background for as long as the object lives.
class Program {
public:
    Program(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);
    ~Program();
    // Waits until the program has used no processor time for a while: it has worked
    // off every queued event and painted.
    bool waitIdle();
    // The exit status once the program has ended by itself; -1 if it has not.
    int waitForExit(int milliseconds = 10000);

private:
    QProcess m_process;
};

// Xvfb on a free display; xdotool for input, ImageMagick's import for pixels.
class XServer {
public:
    explicit XServer(QSize screen = {1024, 768});
    // Starts openbox and waits until it manages the screen.
    bool startWindowManager();
    QProcessEnvironment environment() const;
    QImage grab(const QRect& area) const;
    QByteArray xdotool(const QStringList& arguments) const;

private:
    QString m_display;
    std::unique_ptr<Program> m_server;
    std::unique_ptr<Program> m_windowManager;
};

// sway, headless, with wayvnc for a pointer and a keyboard (over RFB) and grim for
// pixels. sway refuses to run as root, so both run as nobody.
class Sway {
public:
    // The output's mode in device pixels, and its scale.
    Sway(QSize mode, int scale);
    ~Sway();
    QProcessEnvironment clientEnvironment() const;
    // The tree node of the window with this title; empty while there is none.
    QJsonObject window(const QString& title) const;
    // An area in the output's logical pixels, as the tree gives them; the picture
    // has its device pixels.
    QImage grab(const QRect& logicalArea) const;
    // At a point in the output's device pixels.
    void click(QPoint at);
    void key(quint32 keysym);

private:
    void pointer(int buttons, QPoint at);
    QTemporaryDir m_runtime;
    QProcessEnvironment m_environment;
    std::unique_ptr<Program> m_sway;
    std::unique_ptr<Program> m_vnc;
    QTcpSocket m_rfb;
    QPoint m_parking; // the output's far corner, where the pointer waits
};

// The sight picture in a screenshot of the client area of a window drawn at a whole
// number of device pixels per picture pixel. -1: not to be seen.
struct Sight {
    bool rearSight = false; // the three blocks, where and as large as they belong
    int postX = -1;         // the post's left edge and top edge, picture pixels
    int postY = -1;
    int postWidth = -1;     // seen where its top stands above the rear sight
    int deviceLeft = -1;    // its left and top edges, device pixels
    int deviceTop = -1;
    int leftGap = -1;       // device pixels of light beside the post in the notch
    int rightGap = -1;
};
Sight readSight(const QImage& client, int scale);

// No pixel of the sight picture is left: nothing is pure black.
bool pictureIsEmpty(const QImage& client);

// The lines of text in the area: bands of rows with anything but the background.
int textLines(const QImage& client, const QRect& area);

// Some of the area is written in a dark blue, as the label's text is.
bool showsDarkBlueText(const QImage& client, const QRect& area);

// The strongest contrast (WCAG 2.2) of any pixel in the area with the given colour.
double strongestContrast(const QImage& client, const QRect& area, QRgb against);
