// SPDX-License-Identifier: MIT
// The exercise's state machine, shots and report, driven through in-memory fakes.
#include "exercise/fendrel.h"
#include "runtime/randomsequence.h"
#include "runtime/virtualkeys.h"
#include "tests/fakes.h"
#include "tests/printing.h"

#include <QTest>

#include <algorithm>
#include <utility>

using Deviations = std::vector<std::pair<int, int>>;
using namespace std::string_literals;

namespace {

constexpr Colour black = 0;

struct Rig {
    explicit Rig(std::vector<float> randomValues = {0.5f}, std::string decimalSeparator = ",")
        : random(log, std::move(randomValues)), fendrel(surface, label, random, [decimalSeparator] { return decimalSeparator; })
    {
    }

    void press(int keyCode, int shift = 0) { fendrel.Form_KeyDown(keyCode, shift); }
    void pressTimes(int keyCode, int times)
    {
        for (int i = 0; i < times; ++i)
            press(keyCode);
    }
    // Places the post dx right of and dy below the ideal picture, then shoots.
    void shoot(int dx, int dy)
    {
        fendrel.PostX = 300 + 3 * fendrel.Attempt.value() + dx;
        fendrel.PostY = 200 + dy;
        press(VirtualKey::Return);
    }
    CallLog takeLog() { return std::exchange(log, {}); }

    CallLog log;
    FakeSurface surface{log};
    FakeLabel label{log};
    ScriptedRandom random;
    Fendrel fendrel;
};

std::string postLine(int x, int y, int attempt)
{
    return "Line " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(x + 200 - 6 * attempt) + " "
        + std::to_string(y + 500) + " 0";
}

std::string report(const Deviations& deviations, const std::string& means)
{
    std::string text = "Zum Starten hier klicken []\r\n\r\n";
    int attempt = 1;
    for (const auto& [x, y] : deviations)
        text += std::to_string(attempt++) + ". Versuch: X=" + std::to_string(x) + " Y=" + std::to_string(y) + "\r\n";
    return text + means;
}

Deviations same(int x, int y)
{
    return Deviations(20, {x, y});
}

} // namespace

class ExerciseTest : public QObject {
    Q_OBJECT
private slots:
    void loadShowsDarkBluePromptAndPreparesArrays()
    {
        Rig rig;
        rig.fendrel.Form_Load();
        QCOMPARE(rig.log, (CallLog{"Caption", "Visible 1", "ForeColor " + std::to_string(0x663300)}));
        QCOMPARE(rig.label.caption, std::string("Zum Starten hier klicken []"));
        QCOMPARE(rig.fendrel.AttemptCount, Integer(20));
        QCOMPARE(rig.fendrel.DevX, std::vector<Integer>(21));
        QCOMPARE(rig.fendrel.DevY, std::vector<Integer>(21));
        QVERIFY(!rig.fendrel.Running);
    }

    void clickHidesLabelThenDrawsRearSightAndPost()
    {
        Rig rig({0.125f, 0.375f});
        rig.fendrel.Form_Load();
        rig.takeLog();
        rig.fendrel.Form_Click();
        // 0.125 x 100 + 300 = 312.5 and 0.375 x 100 + 150 = 187.5: ties go to the even neighbour.
        QCOMPARE(rig.log, (CallLog{"Visible 0", "Randomize", "Rnd", "Rnd", "AutoRedraw 1", "DrawMode?", "DrawMode 13",
                                   "Line 50 200 300 400 0", "Line 500 200 750 400 0", "Line 50 400 750 600 0",
                                   "AutoRedraw 0", postLine(312, 188, 1), "DrawMode 13"}));
        QVERIFY(rig.fendrel.Running);
        QCOMPARE(rig.fendrel.Attempt, Integer(1));
        QCOMPARE(rig.surface.persistent().size(), std::size_t(3));
        QCOMPARE(rig.surface.transient(), (std::vector<Box>{{{312, 188, 506, 688}, black}}));
    }

    void labelClickStartsRunLikeWindowClick()
    {
        Rig viaWindow({0.25f});
        Rig viaLabel({0.25f});
        for (Rig* rig : {&viaWindow, &viaLabel})
            rig->fendrel.Form_Load();
        viaWindow.fendrel.Form_Click();
        viaLabel.fendrel.AnzeigeLbl_Click();
        QCOMPARE(viaLabel.log, viaWindow.log);
        QVERIFY(viaLabel.fendrel.Running);
    }

    void clickDuringRunChangesNothing()
    {
        Rig rig({0.3f, 0.7f, 0.1f});
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        const Integer x = rig.fendrel.PostX, y = rig.fendrel.PostY;
        rig.takeLog();
        rig.fendrel.Form_Click();
        rig.fendrel.AnzeigeLbl_Click();
        QVERIFY(rig.log.empty());
        QCOMPARE(rig.fendrel.PostX, x);
        QCOMPARE(rig.fendrel.PostY, y);
    }

    void firstPostLiesInItsRangeForAnySeed()
    {
        int lowX = 1000, highX = 0, lowY = 1000, highY = 0;
        for (std::uint64_t seed = 0; seed < 2000; ++seed) {
            CallLog log;
            FakeSurface surface(log);
            FakeLabel label(log);
            RandomSequence random([seed] { return seed * 7919u; });
            Fendrel fendrel(surface, label, random, [] { return ","; });
            fendrel.Form_Load();
            fendrel.Form_Click();
            lowX = std::min(lowX, fendrel.PostX.value());
            highX = std::max(highX, fendrel.PostX.value());
            lowY = std::min(lowY, fendrel.PostY.value());
            highY = std::max(highY, fendrel.PostY.value());
            QCOMPARE(surface.transient().at(0).area.width(), 194);
        }
        QVERIFY(lowX >= 300 && highX <= 400 && lowY >= 150 && highY <= 250);
        // The places spread over the whole range, not a corner of it.
        QVERIFY(lowX <= 305 && highX >= 395 && lowY <= 155 && highY >= 245);
    }

    void keysOutsideRunChangeNothing()
    {
        Rig rig;
        rig.fendrel.Form_Load();
        rig.takeLog();
        for (int key : {VirtualKey::Left, VirtualKey::Return, VirtualKey::Up, 65})
            rig.press(key);
        QVERIFY(rig.log.empty());
        QCOMPARE(rig.fendrel.Attempt, Integer(0));

        rig.fendrel.Form_Click();
        for (int shot = 0; shot < 20; ++shot)
            rig.press(VirtualKey::Return);
        const std::string text = rig.label.caption;
        rig.takeLog();
        for (int key : {VirtualKey::Down, VirtualKey::Return, VirtualKey::Right})
            rig.press(key);
        QVERIFY(rig.log.empty());
        QCOMPARE(rig.label.caption, text);
    }

    void arrowKeysMoveOnePixelAndEveryKeyRedraws_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("dx");
        QTest::addColumn<int>("dy");
        QTest::newRow("left") << VirtualKey::Left << -1 << 0;
        QTest::newRow("right") << VirtualKey::Right << 1 << 0;
        QTest::newRow("up") << VirtualKey::Up << 0 << -1;
        QTest::newRow("down") << VirtualKey::Down << 0 << 1;
        QTest::newRow("letter A") << 65 << 0 << 0;
        QTest::newRow("shift") << VirtualKey::Shift << 0 << 0;
        QTest::newRow("space") << VirtualKey::Space << 0 << 0;
        QTest::newRow("unknown") << VirtualKey::None << 0 << 0;
    }
    void arrowKeysMoveOnePixelAndEveryKeyRedraws()
    {
        QFETCH(int, key);
        QFETCH(int, dx);
        QFETCH(int, dy);
        Rig rig; // post at (350, 200)
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        rig.takeLog();
        rig.press(key, ShiftMask::Shift | ShiftMask::Ctrl);
        QCOMPARE(rig.log, (CallLog{"Cls", postLine(350 + dx, 200 + dy, 1)}));
        QCOMPARE(rig.surface.transient().size(), std::size_t(1));
        QCOMPARE(rig.surface.persistent().size(), std::size_t(3));
    }

    void enterRecordsDeviationFromNotchCentre_data()
    {
        QTest::addColumn<int>("attempt");
        QTest::addColumn<int>("postX");
        QTest::addColumn<int>("postY");
        QTest::addColumn<int>("devX");
        QTest::addColumn<int>("devY");
        QTest::newRow("centred on attempt 1") << 1 << 303 << 200 << 0 << 0;
        QTest::newRow("right and high on attempt 3") << 3 << 310 << 195 << 1 << -5;
        QTest::newRow("left and low on attempt 20") << 20 << 350 << 251 << -10 << 51;
    }
    void enterRecordsDeviationFromNotchCentre()
    {
        QFETCH(int, attempt);
        QFETCH(int, postX);
        QFETCH(int, postY);
        QFETCH(int, devX);
        QFETCH(int, devY);
        Rig rig({0.0f, 0.5f});
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        rig.pressTimes(VirtualKey::Return, attempt - 1);
        rig.fendrel.PostX = postX;
        rig.fendrel.PostY = postY;
        rig.takeLog();
        rig.press(VirtualKey::Return);
        QCOMPARE(rig.fendrel.DevX[attempt], Integer(devX));
        QCOMPARE(rig.fendrel.DevY[attempt], Integer(devY));
        QCOMPARE(rig.fendrel.Attempt, Integer(attempt + 1));
        if (attempt < 20) // the next post, narrower, at its new random place (300, 200)
            QCOMPARE(rig.log, (CallLog{"Rnd", "Rnd", "Cls", postLine(300, 200, attempt + 1)}));
    }

    void postNarrowsBySixPixelsPerShot()
    {
        Rig rig;
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        for (int attempt = 1; attempt <= 20; ++attempt) {
            const Area post = rig.surface.transient().at(0).area;
            QCOMPARE(post.width(), 200 - 6 * attempt);
            QCOMPARE(post.height(), 500);
            if (attempt < 20)
                rig.press(VirtualKey::Return);
        }
        QCOMPARE(rig.surface.transient().at(0).area.width(), 80);
    }

    void twentiethEnterClearsPictureAndShowsReportWithoutPost()
    {
        Rig rig;
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        rig.pressTimes(VirtualKey::Return, 19);
        rig.takeLog();
        rig.press(VirtualKey::Return);
        QVERIFY(!rig.fendrel.Running);
        QCOMPARE(rig.log.at(0), std::string("Rnd"));
        QCOMPARE(rig.log.at(2), std::string("AutoRedraw 1"));
        QCOMPARE(rig.log.at(3), std::string("Cls"));
        QCOMPARE(rig.log.back(), std::string("Visible 1"));
        QVERIFY(std::none_of(rig.log.begin(), rig.log.end(), [](const std::string& call) {
            return call.starts_with("Line");
        }));
        QVERIFY(rig.surface.persistent().empty() && rig.surface.transient().empty());
        QVERIFY(rig.label.visible);
    }

    void reportListsEveryShotAndMeanAbsoluteDeviations_data()
    {
        QTest::addColumn<Deviations>("deviations");
        QTest::addColumn<std::string>("separator");
        QTest::addColumn<std::string>("means");

        Deviations mixed = same(0, 0);
        mixed[0] = {3, -3};
        mixed[1] = {-3, 3};
        mixed[6] = {-4, 2};
        mixed[19] = {37, -14}; // |sums| 47 and 22
        QTest::newRow("both signs, German") << mixed << ","s << "Schnitt X=2,35 Schnitt Y=1,1"s;
        QTest::newRow("both signs, English") << mixed << "."s << "Schnitt X=2.35 Schnitt Y=1.1"s;

        Deviations small = same(0, 0);
        small[4] = {-7, 10}; // sums 7 and 10
        QTest::newRow("means below 1") << small << ","s << "Schnitt X=0,35 Schnitt Y=0,5"s;
        QTest::newRow("whole means") << same(-2, 5) << ","s << "Schnitt X=2 Schnitt Y=5"s;
        QTest::newRow("perfect run") << same(0, 0) << ","s << "Schnitt X=0 Schnitt Y=0"s;
    }
    void reportListsEveryShotAndMeanAbsoluteDeviations()
    {
        QFETCH(Deviations, deviations);
        QFETCH(std::string, separator);
        QFETCH(std::string, means);
        Rig rig({0.5f}, separator);
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        for (const auto& [dx, dy] : deviations)
            rig.shoot(dx, dy);
        QCOMPARE(rig.label.caption, report(deviations, means));
    }

    void secondRunReportReplacesFirst()
    {
        Rig rig;
        rig.fendrel.Form_Load();
        for (int dx : {9, -1}) {
            rig.fendrel.Form_Click();
            QCOMPARE(rig.fendrel.Attempt, Integer(1));
            QVERIFY(!rig.label.visible);
            QCOMPARE(rig.surface.persistent().size(), std::size_t(3));
            for (int shot = 0; shot < 20; ++shot)
                rig.shoot(dx, 0);
        }
        QCOMPARE(rig.label.caption, report(same(-1, 0), "Schnitt X=1 Schnitt Y=0"));
    }

    void arrowKeysStopAtTheSafeLimits_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("startX");
        QTest::addColumn<int>("startY");
        QTest::addColumn<int>("limitX");
        QTest::addColumn<int>("limitY");
        QTest::newRow("left") << VirtualKey::Left << -32406 << 200 << -32408 << 200;
        QTest::newRow("right") << VirtualKey::Right << 32565 << 200 << 32567 << 200;
        QTest::newRow("up") << VirtualKey::Up << 300 << -32566 << 300 << -32568;
        QTest::newRow("down") << VirtualKey::Down << 300 << 32265 << 300 << 32267;
    }
    void arrowKeysStopAtTheSafeLimits()
    {
        QFETCH(int, key);
        QFETCH(int, startX);
        QFETCH(int, startY);
        QFETCH(int, limitX);
        QFETCH(int, limitY);
        Rig rig;
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        rig.fendrel.PostX = startX;
        rig.fendrel.PostY = startY;
        rig.pressTimes(key, 5);
        QCOMPARE(rig.fendrel.PostX, Integer(limitX));
        QCOMPARE(rig.fendrel.PostY, Integer(limitY));
        // The ignored presses still redraw the post where it stands.
        QCOMPARE(rig.log.back(), postLine(limitX, limitY, 1));
        // Every later shot from the limit stays in range, up to the last attempt's.
        for (int shot = 0; shot < 20; ++shot) {
            rig.fendrel.PostX = limitX;
            rig.fendrel.PostY = limitY;
            rig.press(VirtualKey::Return);
        }
        QVERIFY(!rig.fendrel.Running);
    }

    void farOffRunReportsExactMeans()
    {
        Rig rig;
        rig.fendrel.Form_Load();
        rig.fendrel.Form_Click();
        Deviations deviations;
        for (int attempt = 1; attempt <= 20; ++attempt) {
            rig.fendrel.PostX = Fendrel::minPostX;
            rig.fendrel.PostY = Fendrel::minPostY;
            rig.press(VirtualKey::Return);
            deviations.emplace_back(-32708 - 3 * attempt, -32768);
        }
        // Sums 654790 and 655360, far beyond an Integer.
        QCOMPARE(rig.label.caption, report(deviations, "Schnitt X=32739,5 Schnitt Y=32768"));
    }
};

QTEST_APPLESS_MAIN(ExerciseTest)
#include "test_exercise.moc"
