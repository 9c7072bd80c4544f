// SPDX-License-Identifier: MIT
#pragma once
// Headless browsers of the three engines on a page, each driven over its own
// automation protocol: Chromium over the DevTools protocol and Firefox over WebDriver
// BiDi (both on a WebSocket), WebKit over classic WebDriver (HTTP). The tests see
// them through one interface: real input, screenshots in device pixels, the DOM.

#include "tests/desktop.h"

#include <QJsonValue>
#include <QNetworkAccessManager>
#include <QWebSocket>

enum class Key { Left, Right, Up, Down, Return, KeypadEnter };

// How the browser is to present itself: its language, its device pixel ratio, the
// size of its viewport in CSS pixels, and whether its pointer is a finger (a phone's
// or a tablet's touch screen) or a mouse.
struct BrowserSettings {
    QString language = "de-DE";
    double ratio = 1;
    QSize viewport{1280, 1024};
    bool touch = false;
};

// One tab. Places and areas are in CSS pixels of the viewport.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void open(const QString& url) = 0;
    virtual void reload() = 0;
    // The value of a JavaScript expression, once its promise (if any) has settled.
    QJsonValue evaluate(const QString& expression);
    // The area as the screen shows it, in device pixels.
    virtual QImage grab(const QRectF& area) = 0;
    // A click, or a tap of the finger.
    void click(QPointF at) { hold(at, 0); }
    // Presses there for so long, then lets go.
    virtual void hold(QPointF at, int milliseconds) = 0;
    virtual void press(Key key, int times = 1) = 0;

protected:
    // What the expression gives, as text.
    virtual QString evaluateToText(const QString& expression) = 0;
};

// Commands and their answers on a WebSocket, one at a time, as both the DevTools
// protocol and WebDriver BiDi exchange them; the events in between are let go by.
class CommandSocket {
public:
    bool open(const QString& url);
    // The answer's result; a failed command is reported.
    QJsonObject send(const QString& method, const QJsonObject& params = {});

private:
    QWebSocket m_socket;
    int m_lastId = 0;
};

class Chromium final : public Browser {
public:
    // With these command-line options besides those it needs to run here.
    explicit Chromium(const BrowserSettings& settings, const QStringList& options = {});
    // The viewport, and the device pixel ratio the page sees; a change of ratio is as
    // a move to another screen. A phone's or a tablet's screen has no ratio of its own
    // here: under it, the browser would tell the canvas's size in CSS pixels.
    void emulate(QSize viewport, double ratio);
    QJsonObject send(const QString& method, const QJsonObject& params = {}) { return m_commands.send(method, params); }
    // Runs the script in every page, before the page's own.
    void beforeEveryPage(const QString& script);

    void open(const QString& url) override;
    void reload() override;
    QImage grab(const QRectF& area) override;
    void hold(QPointF at, int milliseconds) override;
    void press(Key key, int times = 1) override;

private:
    QString evaluateToText(const QString& expression) override;
    QTemporaryDir m_profile;
    std::unique_ptr<Program> m_browser;
    CommandSocket m_commands;
    bool m_touch;
};

class Firefox final : public Browser {
public:
    explicit Firefox(const BrowserSettings& settings);

    void open(const QString& url) override;
    void reload() override;
    QImage grab(const QRectF& area) override;
    void hold(QPointF at, int milliseconds) override;
    void press(Key key, int times = 1) override;

private:
    QString evaluateToText(const QString& expression) override;
    QTemporaryDir m_profile;
    std::unique_ptr<Program> m_browser;
    CommandSocket m_commands;
    QString m_context; // the tab
    bool m_touch;
};

// WebKitGTK's MiniBrowser, on an X server of its own.
class WebKit final : public Browser {
public:
    explicit WebKit(const BrowserSettings& settings);
    ~WebKit() override;

    void open(const QString& url) override;
    void reload() override;
    QImage grab(const QRectF& area) override;
    void hold(QPointF at, int milliseconds) override;
    void press(Key key, int times = 1) override;

private:
    QString evaluateToText(const QString& expression) override;
    // A command of the session and the value it answers with.
    QJsonValue command(const QByteArray& verb, const QString& path, const QJsonObject& body = {});
    QTemporaryDir m_locales;
    std::unique_ptr<XServer> m_x;
    std::unique_ptr<Program> m_driver;
    QNetworkAccessManager m_network;
    QString m_session; // the driver's address and the session's path
    double m_ratio;
};
