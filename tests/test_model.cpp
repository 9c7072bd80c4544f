// SPDX-License-Identifier: MIT
// Long random sequences of user input, run against the exercise (with in-memory
// fakes) and against the reference model. After every event the whole state, the
// label and the picture must agree.
#include "tests/fakes.h"
#include "tests/model.h"

#include <QTest>

#include <cstdio>

namespace {

std::vector<Rect> rects(const std::vector<Box>& boxes)
{
    std::vector<Rect> result;
    for (const Box& box : boxes)
        result.push_back({box.area.left, box.area.top, box.area.right, box.area.bottom});
    return result;
}

} // namespace

class ModelTest : public QObject {
    Q_OBJECT
private slots:
    void exerciseAgreesWithModelOverRandomInput()
    {
        const std::uint32_t seed = chosenSeed();
        const int events = chosenEvents(500000);
        std::printf("seed %u, %d events (rerun with FENDREL_MODEL_SEED=%u)\n", seed, events, seed);

        CallLog log;
        FakeSurface surface(log);
        FakeLabel label(log);
        RandomTape random(seed);
        Fendrel fendrel(surface, label, random, [] { return ","; });
        Model model(random.handedOut);
        EventSource source(seed ^ 0x9E3779B9u);
        fendrel.Form_Load();
        model.load();
        int runsFinished = 0, limitsReached = 0;

        for (int index = 0; index < events; ++index) {
            const Event event = source.next();
            switch (event.kind) {
            case Event::ClickLabel: // lands on the label only while it is shown
                label.visible ? fendrel.AnzeigeLbl_Click() : fendrel.Form_Click();
                model.click();
                break;
            case Event::ClickWindow:
                fendrel.Form_Click();
                model.click();
                break;
            case Event::Key: {
                const bool wasRunning = model.running;
                const int x = model.postX, y = model.postY;
                fendrel.Form_KeyDown(event.code, 0);
                model.key(event.code);
                runsFinished += wasRunning && !model.running;
                limitsReached += model.running && event.code >= 37 && event.code <= 40 && x == model.postX
                    && y == model.postY;
                break;
            }
            case Event::Repaint:
            case Event::Resize: // nothing for the logic to do
                break;
            }
            log.clear();
            std::string diff = difference(fendrel, label, label.visible, model);
            if (diff.empty() && (rects(surface.persistent()) != model.persistent()
                                 || rects(surface.transient()) != model.transient()))
                diff = "picture";
            if (diff.empty() && (!random.handedOut.empty() || random.randomizeCalls != model.runsStarted))
                diff = "random draws or re-seeds";
            if (!diff.empty())
                QFAIL(("seed " + std::to_string(seed) + ", event " + std::to_string(index) + ": " + diff).c_str());
        }
        std::printf("%d runs finished, %d arrow presses held at a limit\n", runsFinished, limitsReached);
        QVERIFY(runsFinished > 100);
    }
};

QTEST_APPLESS_MAIN(ModelTest)
#include "test_model.moc"
