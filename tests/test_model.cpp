// Long random sequences of user input, run against the real exercise and against a
// small reference model written here from the exercise's rules. After every event
// the whole state, the label and the picture must agree.
//
// FENDREL_MODEL_SEED reruns one sequence; FENDREL_MODEL_EVENTS sets its length.
#include "app/form.h"
#include "tests/fakes.h"

#include <QPainter>
#include <QTest>

#include <array>
#include <cmath>
#include <deque>
#include <random>
#include <sstream>

namespace {

struct Rect {
    int x1, y1, x2, y2;
    bool operator==(const Rect&) const = default;
};

// Uniform values, now and then the exact edges; every value handed out is also
// queued for the model, so both see the same sequence.
class RandomTape final : public RandomSource {
public:
    explicit RandomTape(std::uint32_t seed) : m_generator(seed) {}
    void randomize() override { ++randomizeCalls; }
    float next() override
    {
        const std::uint32_t pick = m_generator() % 64;
        const float value = pick == 0 ? 0.0f
            : pick == 1               ? 16777215.0f / 16777216.0f
            : pick == 2               ? 0.125f
                                      : static_cast<float>(m_generator() >> 8) / 16777216.0f;
        handedOut.push_back(value);
        return value;
    }
    std::deque<float> handedOut;
    int randomizeCalls = 0;

private:
    std::mt19937 m_generator;
};

// The exercise as its rules state it, sharing no code with the program.
class Model {
public:
    explicit Model(std::deque<float>& randoms) : m_randoms(randoms) {}

    void load() { caption = "Zum Starten hier klicken []"; }
    void click()
    {
        if (running)
            return;
        running = true;
        labelVisible = false;
        attempt = 1;
        ++runsStarted;
        postX = place(300);
        postY = place(150);
    }
    void key(int code)
    {
        if (!running)
            return;
        if (code == 37 && postX > -32408)
            --postX;
        else if (code == 39 && postX < 32567)
            ++postX;
        else if (code == 38 && postY > -32568)
            --postY;
        else if (code == 40 && postY < 32267)
            ++postY;
        else if (code == 13) {
            devX[attempt] = postX - 300 - 3 * attempt;
            devY[attempt] = postY - 200;
            ++attempt;
            postX = place(300);
            postY = place(150);
            if (attempt > 20)
                finish();
        }
    }
    std::vector<Rect> persistent() const
    {
        if (!running)
            return {};
        return {{50, 200, 300, 400}, {500, 200, 750, 400}, {50, 400, 750, 600}};
    }
    std::vector<Rect> transient() const
    {
        if (!running)
            return {};
        return {{postX, postY, postX + 200 - 6 * attempt, postY + 500}};
    }

    bool running = false;
    bool labelVisible = true;
    int postX = 0, postY = 0, attempt = 0, runsStarted = 0;
    std::array<int, 21> devX{}, devY{};
    std::string caption = "Label1";

private:
    int place(int lowest)
    {
        if (m_randoms.empty())
            throw std::runtime_error("the program drew fewer random values than the model");
        const double value = static_cast<double>(m_randoms.front()) * 100 + lowest;
        m_randoms.pop_front();
        return static_cast<int>(std::nearbyint(value)); // ties to even
    }
    static std::string mean(long sum) // sum / 20, German separator, no trailing zeros
    {
        std::string text = std::to_string(sum / 20);
        const long hundredths = sum % 20 * 5;
        if (hundredths != 0) {
            text += ',' + std::to_string(hundredths / 10);
            if (hundredths % 10 != 0)
                text += std::to_string(hundredths % 10);
        }
        return text;
    }
    void finish()
    {
        running = false;
        long sumX = 0, sumY = 0;
        std::ostringstream out;
        out << "Zum Starten hier klicken []\r\n\r\n";
        for (int i = 1; i <= 20; ++i) {
            out << i << ". Versuch: X=" << devX[i] << " Y=" << devY[i] << "\r\n";
            sumX += std::labs(devX[i]);
            sumY += std::labs(devY[i]);
        }
        out << "Schnitt X=" << mean(sumX) << " Schnitt Y=" << mean(sumY);
        caption = out.str();
        labelVisible = true;
    }

    std::deque<float>& m_randoms;
};

// One user action: a click, or a key with the code the program should see.
struct Event {
    enum Kind { ClickLabel, ClickWindow, Key, Repaint, Resize } kind = Key;
    Qt::Key qtKey = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = {};
    int code = 0;
    QSize size = {};
};

class EventSource {
public:
    explicit EventSource(std::uint32_t seed) : m_generator(seed) {}

    Event next()
    {
        if (m_repeatsLeft > 0) {
            --m_repeatsLeft;
            return m_repeated;
        }
        if (uniform(0, 99999) < 10) { // held down long enough to reach a limit
            m_repeated = arrow();
            m_repeatsLeft = uniform(30000, 40000);
            return m_repeated;
        }
        const int pick = uniform(0, 99);
        if (pick < 3)
            return {Event::ClickLabel};
        if (pick < 5)
            return {Event::ClickWindow};
        if (pick < 7)
            return {Event::Repaint};
        if (pick < 8)
            return {Event::Resize, {}, {}, 0, QSize(uniform(200, 1100), uniform(150, 900))};
        if (pick < 20)
            return key(Qt::Key_Return, {}, 13);
        if (pick < 23)
            return key(Qt::Key_Enter, Qt::KeypadModifier, 13);
        if (pick < 28) { // a key without an action
            static const Event others[] = {key(Qt::Key_A, {}, 65), key(Qt::Key_Space, {}, 32),
                                           key(Qt::Key_Shift, Qt::ShiftModifier, 16), key(Qt::Key_F5, {}, 0),
                                           key(Qt::Key_8, Qt::KeypadModifier, 104), key(Qt::Key_Tab, {}, 9)};
            return others[uniform(0, 5)];
        }
        if (pick < 30) { // held down for a while
            m_repeated = arrow();
            m_repeatsLeft = uniform(1, 300);
        }
        return arrow();
    }

private:
    static Event key(Qt::Key qtKey, Qt::KeyboardModifiers modifiers, int code)
    {
        return {Event::Key, qtKey, modifiers, code, {}};
    }
    Event arrow()
    {
        static const Event arrows[] = {key(Qt::Key_Left, {}, 37), key(Qt::Key_Up, {}, 38),
                                       key(Qt::Key_Right, {}, 39), key(Qt::Key_Down, {}, 40),
                                       key(Qt::Key_Left, Qt::KeypadModifier, 37),
                                       key(Qt::Key_Down, Qt::ShiftModifier, 40)};
        return arrows[uniform(0, 5)];
    }
    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_generator); }

    std::mt19937 m_generator;
    Event m_repeated{Event::Key};
    int m_repeatsLeft = 0;
};

std::uint32_t chosenSeed()
{
    bool given = false;
    const auto seed = qEnvironmentVariableIntValue("FENDREL_MODEL_SEED", &given);
    return given ? static_cast<std::uint32_t>(seed) : std::random_device{}();
}

int chosenEvents(int fallback)
{
    bool given = false;
    const int events = qEnvironmentVariableIntValue("FENDREL_MODEL_EVENTS", &given);
    return given ? events : fallback;
}

std::vector<Rect> rects(const std::vector<FakeBox>& boxes)
{
    std::vector<Rect> result;
    for (const FakeBox& box : boxes)
        result.push_back({box.x1, box.y1, box.x2, box.y2});
    return result;
}

// The first difference between program and model, or an empty string.
std::string difference(const Fendrel& fendrel, const DisplayLabel& label, bool labelVisible, const Model& model)
{
    std::ostringstream out;
    if (fendrel.Running != model.running)
        out << "Running " << fendrel.Running << " vs " << model.running;
    else if (labelVisible != model.labelVisible)
        out << "label visible " << labelVisible << " vs " << model.labelVisible;
    else if (label.Caption() != model.caption)
        out << "caption\n" << label.Caption() << "\nvs\n" << model.caption;
    else if (model.runsStarted > 0 && (fendrel.PostX.value() != model.postX || fendrel.PostY.value() != model.postY))
        out << "post " << fendrel.PostX.value() << "," << fendrel.PostY.value() << " vs " << model.postX << ","
            << model.postY;
    else if (model.runsStarted > 0 && fendrel.Attempt.value() != model.attempt)
        out << "Attempt " << fendrel.Attempt.value() << " vs " << model.attempt;
    else if (fendrel.AttemptCount.value() != 20)
        out << "AttemptCount " << fendrel.AttemptCount.value();
    else {
        for (int i = 1; i <= 20; ++i)
            if (fendrel.DevX[i].value() != model.devX[i] || fendrel.DevY[i].value() != model.devY[i])
                out << "shot " << i << ": " << fendrel.DevX[i].value() << "," << fendrel.DevY[i].value() << " vs "
                    << model.devX[i] << "," << model.devY[i];
    }
    return out.str();
}

QImage expectedPicture(const Model& model, QSize size, QColor background)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    for (const auto& layer : {model.persistent(), model.transient()})
        for (const Rect& r : layer)
            painter.fillRect(QRect(QPoint(r.x1, r.y1), QPoint(r.x2 - 1, r.y2 - 1)), Qt::black);
    return image;
}

} // namespace

class ModelTest : public QObject {
    Q_OBJECT
private slots:
    void init() { qputenv("LC_ALL", "de_DE.UTF-8"); }

    void exerciseAgreesWithModelOverRandomInput()
    {
        const std::uint32_t seed = chosenSeed();
        const int events = chosenEvents(500000);
        qInfo("seed %u, %d events (rerun with FENDREL_MODEL_SEED=%u)", seed, events, seed);

        CallLog log;
        FakeSurface surface(log);
        FakeLabel label(log);
        RandomTape random(seed);
        Fendrel fendrel(surface, label, random);
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
            if (diff.empty() && (rects(surface.persistent) != model.persistent()
                                 || rects(surface.transient) != model.transient()))
                diff = "picture";
            if (diff.empty() && (!random.handedOut.empty() || random.randomizeCalls != model.runsStarted))
                diff = "random draws or re-seeds";
            if (!diff.empty())
                QFAIL(qPrintable(QString("seed %1, event %2: %3").arg(seed).arg(index).arg(QString::fromStdString(diff))));
        }
        qInfo("%d runs finished, %d arrow presses held at a limit", runsFinished, limitsReached);
        QVERIFY(runsFinished > 100);
    }

    void windowPixelsAgreeWithModel()
    {
        const std::uint32_t seed = chosenSeed();
        const int events = chosenEvents(500000) / 5;
        qInfo("seed %u, %d events on the window", seed, events);

        RandomTape random(seed);
        Model model(random.handedOut);
        Form form(random);
        FendrelWindow& window = form.window();
        AnzeigeLabel& label = window.anzeigeLbl();
        model.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        EventSource source(seed);

        for (int index = 0; index < events; ++index) {
            Event event = source.next();
            switch (event.kind) {
            case Event::ClickLabel:
                if (label.isVisible())
                    QTest::mouseClick(&label, Qt::LeftButton, {}, {20, 20});
                else
                    QTest::mouseClick(&window, Qt::LeftButton, {}, {20, 20});
                model.click();
                break;
            case Event::ClickWindow:
                QTest::mouseClick(&window, Qt::LeftButton, {}, {3, window.height() - 3});
                model.click();
                break;
            case Event::Key:
                QTest::keyClick(&window, event.qtKey, event.modifiers);
                model.key(event.code);
                break;
            case Event::Repaint:
                window.repaint();
                break;
            case Event::Resize:
                window.resize(event.size);
                break;
            }
            const bool check = index % 97 == 0 || event.kind == Event::Resize;
            std::string diff = difference(form.fendrel(), label, label.isVisible(), model);
            if (diff.empty() && check) {
                // During a run the label is hidden and grab() is the picture; otherwise the
                // picture under the label must be empty.
                QImage picture(window.size(), QImage::Format_RGB32);
                if (label.isVisible())
                    window.render(&picture, {}, {}, QWidget::DrawWindowBackground);
                else
                    picture = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
                if (picture != expectedPicture(model, window.size(), window.palette().window().color()))
                    diff = "pixels";
            }
            if (!diff.empty())
                QFAIL(qPrintable(QString("seed %1, window event %2: %3").arg(seed).arg(index).arg(QString::fromStdString(diff))));
        }
    }
};

QTEST_MAIN(ModelTest)
#include "test_model.moc"
