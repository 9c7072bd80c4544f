// SPDX-License-Identifier: MIT
// Headless browsers of the three engines, driven over their automation protocols.
#include "tests/browsers.h"

#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QThread>
#include <QTimer>

namespace {

QJsonObject parse(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object();
}

QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// Runs the event loop until the signal comes, or for at most a minute.
template <typename Sender, typename Signal>
void waitFor(const Sender* sender, Signal signal)
{
    QEventLoop loop;
    QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    loop.exec();
}

// A request over HTTP and the body of its answer; empty where nobody answers.
QByteArray http(QNetworkAccessManager& network, const QByteArray& verb, const QString& url, const QByteArray& body = {})
{
    QNetworkRequest request{QUrl(url)};
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    QNetworkReply* reply = network.sendCustomRequest(request, verb, body);
    waitFor(reply, &QNetworkReply::finished);
    reply->deleteLater();
    return reply->readAll();
}

QImage fromPng(const QString& base64)
{
    return QImage::fromData(QByteArray::fromBase64(base64.toLatin1()), "PNG").convertToFormat(QImage::Format_RGB32);
}

QString number(double value)
{
    return QString::number(value, 'g', 10);
}

// WebDriver's key values, which BiDi shares.
QString webDriverKey(Key key)
{
    static const char16_t values[] = {0xE012, 0xE014, 0xE013, 0xE015, 0xE006, 0xE007}; // in the order of Key
    return QString(QChar(values[static_cast<int>(key)]));
}

// What the DevTools protocol needs to send the key as a keyboard does.
QJsonObject devToolsKey(Key key)
{
    static const struct { const char *key, *code; int virtualKey; } keys[] = {{"ArrowLeft", "ArrowLeft", 37},
        {"ArrowRight", "ArrowRight", 39}, {"ArrowUp", "ArrowUp", 38}, {"ArrowDown", "ArrowDown", 40},
        {"Enter", "Enter", 13}, {"Enter", "NumpadEnter", 13}}; // in the order of Key
    const auto& k = keys[static_cast<int>(key)];
    return {{"key", k.key}, {"code", k.code}, {"windowsVirtualKeyCode", k.virtualKey}, {"isKeypad", key == Key::KeypadEnter}};
}

// WebDriver's input sources, the same in its classic and its BiDi form.
QJsonArray keyActions(Key key, int times)
{
    QJsonArray actions;
    for (int i = 0; i < times; ++i)
        for (const char* type : {"keyDown", "keyUp"})
            actions.append(QJsonObject{{"type", type}, {"value", webDriverKey(key)}});
    return {QJsonObject{{"type", "key"}, {"id", "keyboard"}, {"actions", actions}}};
}

QJsonArray holdActions(QPointF at, int milliseconds, bool touch)
{
    const QJsonArray actions{QJsonObject{{"type", "pointerMove"}, {"x", qRound(at.x())}, {"y", qRound(at.y())}},
                             QJsonObject{{"type", "pointerDown"}, {"button", 0}},
                             QJsonObject{{"type", "pause"}, {"duration", milliseconds}},
                             QJsonObject{{"type", "pointerUp"}, {"button", 0}}};
    const char* type = touch ? "touch" : "mouse";
    return {QJsonObject{{"type", "pointer"}, {"id", type}, {"parameters", QJsonObject{{"pointerType", type}}},
                        {"actions", actions}}};
}

} // namespace

QJsonValue Browser::evaluate(const QString& expression)
{
    // As JSON text, which every protocol hands back alike.
    const QString text = evaluateToText("Promise.resolve(" + expression + ").then(v => JSON.stringify([v]))");
    return QJsonDocument::fromJson(text.toUtf8()).array().at(0);
}

bool CommandSocket::open(const QString& url)
{
    m_socket.abort();
    QEventLoop loop;
    QObject::connect(&m_socket, &QWebSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&m_socket, &QWebSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    m_socket.open(QUrl(url));
    loop.exec();
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

QJsonObject CommandSocket::send(const QString& method, const QJsonObject& params)
{
    const int id = ++m_lastId;
    QJsonObject answer;
    QEventLoop loop;
    QObject::connect(&m_socket, &QWebSocket::textMessageReceived, &loop, [&](const QString& text) {
        const QJsonObject message = parse(text.toUtf8());
        if (message["id"].toInt() == id) {
            answer = message;
            loop.quit();
        }
    });
    QObject::connect(&m_socket, &QWebSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    m_socket.sendTextMessage(QString::fromUtf8(compact({{"id", id}, {"method", method}, {"params", params}})));
    loop.exec();
    if (answer.isEmpty() || answer.contains("error"))
        qWarning("%s failed: %s", qPrintable(method), compact(answer).left(500).constData());
    return answer["result"].toObject();
}

Chromium::Chromium(const BrowserSettings& settings, const QStringList& options) : m_touch(settings.touch)
{
    const int port = freePort();
    // As root it needs --no-sandbox; the rest keeps it from reaching out to the network.
    m_browser = std::make_unique<Program>(
        "chromium", QStringList{"--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                                "--no-first-run", "--disable-background-networking", "--disable-component-update",
                                "--disable-sync", "--log-level=3", "--user-data-dir=" + m_profile.path(),
                                "--accept-lang=" + settings.language, "--force-device-scale-factor=" + number(settings.ratio),
                                QString("--remote-debugging-port=%1").arg(port), "about:blank"} + options,
        QProcessEnvironment::systemEnvironment());
    QNetworkAccessManager network;
    QString page;
    waitUntil([&] {
        const QByteArray targets = http(network, "GET", QString("http://127.0.0.1:%1/json/list").arg(port));
        for (const QJsonValue& target : QJsonDocument::fromJson(targets).array())
            if (target["type"] == "page")
                page = target["webSocketDebuggerUrl"].toString();
        return !page.isEmpty();
    });
    m_commands.open(page);
    if (m_touch) {
        send("Emulation.setTouchEmulationEnabled", {{"enabled", true}, {"maxTouchPoints", 5}});
        send("Emulation.setDeviceMetricsOverride", {{"width", settings.viewport.width()}, {"height", settings.viewport.height()},
                                                    {"deviceScaleFactor", 0}, {"mobile", true}});
    } else {
        emulate(settings.viewport, settings.ratio);
    }
}

void Chromium::emulate(QSize viewport, double ratio)
{
    send("Emulation.setDeviceMetricsOverride",
         {{"width", viewport.width()}, {"height", viewport.height()}, {"deviceScaleFactor", ratio}, {"mobile", false}});
}

void Chromium::beforeEveryPage(const QString& script)
{
    send("Page.enable");
    send("Page.addScriptToEvaluateOnNewDocument", {{"source", script}});
}

void Chromium::open(const QString& url)
{
    send("Page.navigate", {{"url", url}});
}

void Chromium::reload()
{
    send("Page.reload");
}

QString Chromium::evaluateToText(const QString& expression)
{
    return send("Runtime.evaluate", {{"expression", expression}, {"awaitPromise", true}, {"returnByValue", true}})
        ["result"].toObject()["value"].toString();
}

QImage Chromium::grab(const QRectF& area)
{
    const QJsonObject clip{{"x", area.x()}, {"y", area.y()}, {"width", area.width()}, {"height", area.height()}, {"scale", 1}};
    return fromPng(send("Page.captureScreenshot", {{"clip", clip}, {"optimizeForSpeed", true}})["data"].toString());
}

void Chromium::hold(QPointF at, int milliseconds)
{
    const QJsonArray finger{QJsonObject{{"x", at.x()}, {"y", at.y()}}};
    const auto event = [&](bool down) {
        if (m_touch)
            send("Input.dispatchTouchEvent", {{"type", down ? "touchStart" : "touchEnd"}, {"touchPoints", down ? finger : QJsonArray{}}});
        else
            send("Input.dispatchMouseEvent", {{"type", down ? "mousePressed" : "mouseReleased"}, {"x", at.x()}, {"y", at.y()},
                                              {"button", "left"}, {"clickCount", 1}});
    };
    event(true);
    QThread::msleep(milliseconds);
    event(false);
}

void Chromium::press(Key key, int times)
{
    QJsonObject event = devToolsKey(key);
    for (int i = 0; i < times; ++i)
        for (const char* type : {"keyDown", "keyUp"}) {
            event["type"] = type;
            send("Input.dispatchKeyEvent", event);
        }
}

Firefox::Firefox(const BrowserSettings& settings) : m_touch(settings.touch)
{
    QFile prefs(m_profile.filePath("user.js"));
    prefs.open(QIODevice::WriteOnly);
    prefs.write(QString("user_pref(\"intl.accept_languages\", \"%1\");\nuser_pref(\"layout.css.devPixelsPerPx\", \"%2\");\n")
                    .arg(settings.language, number(settings.ratio)).toUtf8());
    if (m_touch) // a coarse pointer that cannot hover: a finger
        prefs.write("user_pref(\"ui.primaryPointerCapabilities\", 1);\n");
    prefs.close();
    const QString port = QString::number(freePort());
    m_browser = std::make_unique<Program>("firefox-esr", QStringList{"--headless", "--no-remote", "--profile", m_profile.path(),
                                                                     "--remote-debugging-port", port, "about:blank"},
                                          QProcessEnvironment::systemEnvironment());
    waitUntil([&] { return m_commands.open("ws://127.0.0.1:" + port + "/session"); });
    m_commands.send("session.new", {{"capabilities", QJsonObject{}}});
    m_context = m_commands.send("browsingContext.getTree")["contexts"][0]["context"].toString();
    const QJsonObject viewport{{"width", settings.viewport.width()}, {"height", settings.viewport.height()}};
    m_commands.send("browsingContext.setViewport", {{"context", m_context}, {"viewport", viewport}});
}

void Firefox::open(const QString& url)
{
    m_commands.send("browsingContext.navigate", {{"context", m_context}, {"url", url}, {"wait", "none"}});
}

void Firefox::reload()
{
    m_commands.send("browsingContext.reload", {{"context", m_context}, {"wait", "none"}});
}

QString Firefox::evaluateToText(const QString& expression)
{
    const QJsonObject target{{"context", m_context}};
    return m_commands.send("script.evaluate", {{"expression", expression}, {"target", target}, {"awaitPromise", true}})
        ["result"].toObject()["value"].toString();
}

QImage Firefox::grab(const QRectF& area)
{
    const QJsonObject clip{{"type", "box"}, {"x", area.x()}, {"y", area.y()}, {"width", area.width()}, {"height", area.height()}};
    return fromPng(m_commands.send("browsingContext.captureScreenshot", {{"context", m_context}, {"clip", clip}})["data"].toString());
}

void Firefox::hold(QPointF at, int milliseconds)
{
    m_commands.send("input.performActions", {{"context", m_context}, {"actions", holdActions(at, milliseconds, m_touch)}});
}

void Firefox::press(Key key, int times)
{
    m_commands.send("input.performActions", {{"context", m_context}, {"actions", keyActions(key, times)}});
}

WebKit::WebKit(const BrowserSettings& settings) : m_ratio(settings.ratio)
{
    // Its language comes from the C library's locale, which must be generated.
    const QString locale = QString(settings.language).replace('-', '_');
    runTool("localedef", {"-i", locale, "-c", "-f", "UTF-8", m_locales.filePath(locale + ".UTF-8")});
    m_x = std::make_unique<XServer>((settings.viewport + QSize(100, 200)) * settings.ratio);
    QProcessEnvironment environment = m_x->environment();
    environment.insert("LOCPATH", m_locales.path());
    environment.insert("LANG", locale + ".UTF-8");
    environment.insert("LANGUAGE", locale);
    environment.insert("GDK_SCALE", number(settings.ratio));
    const QString driver = QString("http://127.0.0.1:%1").arg(freePort());
    m_driver = std::make_unique<Program>("WebKitWebDriver", QStringList{"--port=" + driver.section(':', -1)}, environment);
    const QJsonObject browser{{"binary", "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"},
                              {"args", QJsonArray{"--automation"}}};
    const QJsonObject capabilities{{"alwaysMatch", QJsonObject{{"webkitgtk:browserOptions", browser}}}};
    waitUntil([&] {
        const QString id = parse(http(m_network, "POST", driver + "/session", compact({{"capabilities", capabilities}})))
                               ["value"].toObject()["sessionId"].toString();
        m_session = driver + "/session/" + id;
        return !id.isEmpty();
    });
    // The window's size, less what the browser's own bars take of it.
    QSize window = settings.viewport;
    for (int i = 0; i < 2; ++i) {
        command("POST", "/window/rect", {{"width", window.width()}, {"height", window.height()}});
        const QJsonArray inner = evaluate("[innerWidth, innerHeight]").toArray();
        window += settings.viewport - QSize(inner[0].toInt(), inner[1].toInt());
    }
}

WebKit::~WebKit()
{
    command("DELETE", "");
}

QJsonValue WebKit::command(const QByteArray& verb, const QString& path, const QJsonObject& body)
{
    const QJsonObject answer = parse(http(m_network, verb, m_session + path, verb == "POST" ? compact(body) : QByteArray()));
    if (answer["value"].toObject().contains("error"))
        qWarning("%s %s failed: %s", verb.constData(), qPrintable(path), compact(answer).left(500).constData());
    return answer["value"];
}

void WebKit::open(const QString& url)
{
    command("POST", "/url", {{"url", url}});
}

void WebKit::reload()
{
    command("POST", "/refresh");
}

QString WebKit::evaluateToText(const QString& expression)
{
    return command("POST", "/execute/sync", {{"script", "return " + expression}, {"args", QJsonArray{}}}).toString();
}

QImage WebKit::grab(const QRectF& area)
{
    // Its element screenshots come back black: the whole viewport, and the area cut out.
    const QRectF device(area.topLeft() * m_ratio, area.size() * m_ratio);
    return fromPng(command("GET", "/screenshot").toString()).copy(device.toAlignedRect());
}

void WebKit::hold(QPointF at, int milliseconds)
{
    command("POST", "/actions", {{"actions", holdActions(at, milliseconds, false)}});
}

void WebKit::press(Key key, int times)
{
    command("POST", "/actions", {{"actions", keyActions(key, times)}});
}
