// SPDX-License-Identifier: MIT
// The browser front end against its floor (bench/webfloor/), in headless Chromium over
// the DevTools protocol, several runs each, alternating: navigation to first painted
// frame with a fresh profile (cold) and on reload (warm, from the cache or the
// service worker); main-thread time per key press over thousands of presses; and the
// JavaScript heap after a collection.
// Usage: web_bench RUNS PROGRAM_URL FLOOR_URL
#include "tests/browsers.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int keyPresses = 3000;

struct Sample {
    double coldMs, warmMs, keyUs, heapKb;
};

double firstPaint(Chromium& chromium)
{
    return chromium.evaluate("new Promise(done => { const poll = () => { const e = performance.getEntriesByName("
                             "'first-contentful-paint')[0]; e ? done(e.startTime) : setTimeout(poll, 5); }; poll(); })")
        .toDouble();
}

double metric(Chromium& chromium, const QString& name)
{
    for (const QJsonValue& entry : chromium.send("Performance.getMetrics")["metrics"].toArray())
        if (entry["name"] == name)
            return entry["value"].toDouble();
    return 0;
}

void key(Chromium& chromium, const char* name, int code)
{
    for (const char* type : {"keyDown", "keyUp"})
        chromium.send("Input.dispatchKeyEvent", {{"type", type}, {"key", name}, {"code", name}, {"windowsVirtualKeyCode", code}});
}

Sample measure(const QString& url, bool isProgram)
{
    Chromium chromium({"de-DE", 1, {1024, 768}});
    Sample sample{};
    chromium.open(url);
    sample.coldMs = firstPaint(chromium);
    // Both have kept their files by now, as after any first visit.
    chromium.evaluate("navigator.serviceWorker.ready.then(() => true)");
    chromium.reload();
    sample.warmMs = firstPaint(chromium);
    if (isProgram)
        for (const char* type : {"mousePressed", "mouseReleased"})
            chromium.send("Input.dispatchMouseEvent", {{"type", type}, {"x", 40}, {"y", 30}, {"button", "left"}, {"clickCount", 1}});
    chromium.send("Performance.enable");
    const double before = metric(chromium, "TaskDuration");
    for (int i = 0; i < keyPresses / 2; ++i) {
        key(chromium, "ArrowRight", 39);
        key(chromium, "ArrowLeft", 37);
    }
    sample.keyUs = (metric(chromium, "TaskDuration") - before) / keyPresses * 1e6;
    chromium.send("HeapProfiler.collectGarbage");
    sample.heapKb = metric(chromium, "JSHeapUsedSize") / 1024;
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: web_bench RUNS PROGRAM_URL FLOOR_URL\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<Sample> program, floor;
    for (int run = 0; run < runs; ++run) {
        program.push_back(measure(argv[2], true));
        floor.push_back(measure(argv[3], false));
    }
    const auto row = [&](const char* what, const char* unit, double Sample::*field) {
        std::vector<double> p, f;
        for (const Sample& s : program)
            p.push_back(s.*field);
        for (const Sample& s : floor)
            f.push_back(s.*field);
        std::printf("%-44s %9.1f %s %9.1f %s  ratio %.2f\n", what, median(p), unit, median(f), unit, median(p) / median(f));
    };
    std::printf("%-44s %12s %12s\n", "median of each", "program", "floor");
    row("navigation to first painted frame, cold", "ms", &Sample::coldMs);
    row("navigation to first painted frame, warm", "ms", &Sample::warmMs);
    row("main-thread time per key press", "us", &Sample::keyUs);
    row("JavaScript heap after a collection", "KB", &Sample::heapKb);
    return 0;
}
