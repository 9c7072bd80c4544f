#pragma once
// Headless desktops for the black-box tests: an X server of the test's own on a free
// display, programs started and stopped, screenshots taken from the server, and the
// sight picture read off them as a user would see it.

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStringList>

#include <functional>

// Runs a tool to its end and gives its standard output; a failure fails the test.
QByteArray runTool(const QString& program, const QStringList& arguments,
                   const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Polls until the condition holds; false when it has not within the time.
bool waitUntil(const std::function<bool()>& condition, int milliseconds = 15000);

// A program in the background for as long as the object lives.
class Program {
public:
    Program(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment);
    ~Program();
    qint64 pid() const { return m_process.processId(); }
    bool running() const { return m_process.state() == QProcess::Running; }
    // Waits until the program has used no processor time for a while: it has worked
    // off every queued event and painted.
    bool waitIdle();
    // The exit status, once the program has ended by itself; -1 until then.
    int waitForExit(int milliseconds = 10000);

private:
    QProcess m_process;
};

// Xvfb on a display nobody uses, with xdotool for input and ImageMagick for pixels.
class XServer {
public:
    explicit XServer(QSize screen = {1024, 768});
    QString display() const { return m_display; }
    QProcessEnvironment environment() const;
    QImage grab(const QRect& area) const;
    void xdotool(const QStringList& arguments) const;

private:
    QString m_display;
    std::unique_ptr<Program> m_server;
};

// The sight picture in a screenshot of the client area drawn at a whole-number scale,
// read in the picture's own pixels. Empty optional fields were not to be seen.
struct Sight {
    bool rearSight = false; // the three blocks, exactly where and as large as they belong
    int postX = -1;         // the post's left edge, from the notch
    int postY = -1;         // its top edge
    int postWidth = -1;     // seen only where its top stands above the rear sight
};
Sight readSight(const QImage& client, int scale);

// No pixel of the sight picture is left: nothing is pure black.
bool pictureIsEmpty(const QImage& client);

// Some of the area is written in a dark blue, as the label's text is.
bool showsDarkBlueText(const QImage& client, const QRect& area);
