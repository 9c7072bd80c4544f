// SPDX-License-Identifier: MIT
// In-process timing of one key press, from the key event to the end of the paint,
// for the real window and for the floor, on the platform Qt was started with
// (offscreen in bench/run.sh); and for the exercise's logic alone with a fake surface.
// Prints the median and 99th percentile of each, in microseconds.
#include "app/qtform.h"
#include "floor/floorwindow.h"
#include "runtime/randomsequence.h"
#include "runtime/virtualkeys.h"
#include "tests/fakes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Summary {
    double median, p99;
};

Summary summarise(std::vector<double> micros)
{
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 99 / 100]};
}

// Right, then left, so the post stays where it is and every press paints the same.
Qt::Key keyFor(int press)
{
    return press % 2 ? Qt::Key_Left : Qt::Key_Right;
}

void timePresses(QWidget& window, int presses, std::vector<double>& micros)
{
    for (int press = 0; press < presses; ++press) {
        QKeyEvent event(QEvent::KeyPress, keyFor(press), Qt::NoModifier);
        const auto start = Clock::now();
        QApplication::sendEvent(&window, &event);
        QApplication::processEvents(); // the paint and the flush to the screen
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
}

void report(const char* what, const Summary& s)
{
    std::printf("%-34s median %8.2f us   p99 %8.2f us\n", what, s.median, s.p99);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int rounds = 20, pressesPerRound = 1000;

    RandomSequence random;
    QtForm form(random, [] { return "."; });
    FloorWindow floor;
    for (QWidget* window : {static_cast<QWidget*>(&form.window()), static_cast<QWidget*>(&floor)}) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return 1;
    }
    form.fendrel().Form_Click();

    // Alternate between the two in rounds, so that drift of the machine hits both alike.
    std::vector<double> program, floorTimes;
    timePresses(form.window(), 200, program); // warm-up
    timePresses(floor, 200, floorTimes);
    program.clear();
    floorTimes.clear();
    for (int round = 0; round < rounds; ++round) {
        timePresses(form.window(), pressesPerRound, program);
        timePresses(floor, pressesPerRound, floorTimes);
    }

    CallLog log;
    FakeSurface surface(log);
    FakeLabel label(log);
    Fendrel logic(surface, label, random, [] { return "."; });
    logic.Form_Load();
    logic.Form_Click();
    std::vector<double> logicTimes;
    for (int press = 0; press < rounds * pressesPerRound; ++press) {
        const auto start = Clock::now();
        logic.Form_KeyDown(press % 2 ? VirtualKey::Left : VirtualKey::Right, 0);
        logicTimes.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        log.clear();
    }

    const Summary p = summarise(program), f = summarise(floorTimes), l = summarise(logicTimes);
    std::printf("platform %s, %d key presses each\n", qPrintable(QApplication::platformName()),
                rounds * pressesPerRound);
    report("key to painted frame, program", p);
    report("key to painted frame, floor", f);
    report("key, exercise logic (fake surface)", l);
    std::printf("ratio program/floor: median %.2f, p99 %.2f\n", p.median / f.median, p.p99 / f.p99);
    return 0;
}
