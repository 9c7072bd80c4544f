// SPDX-License-Identifier: MIT
// Checked Integer arithmetic, rounding, number texts and the random sequence.
#include "runtime/colour.h"
#include "runtime/integer.h"
#include "runtime/numbertext.h"
#include "runtime/randomsequence.h"
#include "tests/childprocess.h"
#include "tests/printing.h"

#include <QTest>

#include <cmath>
#include <set>

using namespace std::string_literals;
using Step = int (*)();
Q_DECLARE_METATYPE(Step)

class RuntimeTest : public QObject {
    Q_OBJECT
private slots:
    void integerStepsAtTheLimits_data()
    {
        QTest::addColumn<Step>("step");
        QTest::addColumn<bool>("overflows");
        QTest::addColumn<int>("result");
        QTest::newRow("32766 + 1") << Step([] { return (Integer(32766) + Integer(1)).value(); }) << false << 32767;
        QTest::newRow("32767 + 1") << Step([] { return (Integer(32767) + Integer(1)).value(); }) << true << 0;
        QTest::newRow("-32767 - 1") << Step([] { return (Integer(-32767) - Integer(1)).value(); }) << false << -32768;
        QTest::newRow("-32768 - 1") << Step([] { return (Integer(-32768) - Integer(1)).value(); }) << true << 0;
        QTest::newRow("0 - -32768") << Step([] { return (Integer(0) - Integer(-32768)).value(); }) << true << 0;
        QTest::newRow("181 x 181") << Step([] { return (Integer(181) * Integer(181)).value(); }) << false << 32761;
        QTest::newRow("182 x 181") << Step([] { return (Integer(182) * Integer(181)).value(); }) << true << 0;
        QTest::newRow("-32768 x -1") << Step([] { return (Integer(-32768) * Integer(-1)).value(); }) << true << 0;
        QTest::newRow("int 40000") << Step([] { return Integer(40000).value(); }) << true << 0;
        QTest::newRow("round 32767.49") << Step([] { return Integer::fromDouble(32767.49).value(); }) << false << 32767;
        QTest::newRow("round 32767.5") << Step([] { return Integer::fromDouble(32767.5).value(); }) << true << 0;
        QTest::newRow("round -32768.5") << Step([] { return Integer::fromDouble(-32768.5).value(); }) << false << -32768;
        QTest::newRow("round -32769.5") << Step([] { return Integer::fromDouble(-32769.5).value(); }) << true << 0;
        QTest::newRow("round NaN") << Step([] { return Integer::fromDouble(std::nan("")).value(); }) << true << 0;
    }
    void integerStepsAtTheLimits()
    {
        QFETCH(Step, step);
        QFETCH(bool, overflows);
        QFETCH(int, result);
        // The overflow path ends the process, so every step runs in a child.
        const ChildOutcome outcome = runInChild([step] { step(); });
        if (overflows) {
            QVERIFY(outcome.exitStatus > 0);
            QVERIFY2(outcome.errorOutput.find("Überlauf") != std::string::npos, outcome.errorOutput.c_str());
        } else {
            QCOMPARE(outcome.exitStatus, 0);
            QCOMPARE(step(), result);
        }
    }

    void roundingGoesToNearestWithTiesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("312.5") << 312.5 << 312;
        QTest::newRow("313.5") << 313.5 << 314;
        QTest::newRow("312.5000001") << 312.5000001 << 313;
        QTest::newRow("312.4999999") << 312.4999999 << 312;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("-0.4") << -0.4 << 0;
        QTest::newRow("r = 0.125 as single") << static_cast<double>(0.125f) * 100 + 300 << 312;
        QTest::newRow("r just below 1") << static_cast<double>(16777215.0f / 16777216.0f) * 100 + 300 << 400;
    }
    void roundingGoesToNearestWithTiesToEven()
    {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(Integer::fromDouble(value).value(), rounded);
    }

    void integerTextHasNoPaddingOrGrouping()
    {
        QCOMPARE(integerText(0), std::string("0"));
        QCOMPARE(integerText(-5), std::string("-5"));
        QCOMPARE(integerText(32767), std::string("32767"));
        QCOMPARE(integerText(-32768), std::string("-32768"));
    }

    void doubleTextRoundsToFifteenDigitsWithoutExponent_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<std::string>("text");
        QTest::newRow("2.35") << 47.0 / 20 << "2,35"s;
        QTest::newRow("1.1") << 22.0 / 20 << "1,1"s;
        QTest::newRow("below 1") << 7.0 / 20 << "0,35"s;
        QTest::newRow("whole") << 5.0 << "5"s;
        QTest::newRow("zero") << 0.0 << "0"s;
        QTest::newRow("large whole") << 32768.0 << "32768"s;
        QTest::newRow("one third") << 1.0 / 3 << "0,333333333333333"s;
        QTest::newRow("two thirds") << 2.0 / 3 << "0,666666666666667"s;
        QTest::newRow("small") << 0.00001 << "0,00001"s;
        QTest::newRow("negative") << -0.05 << "-0,05"s;
        QTest::newRow("16 digits") << 1234567890123456.0 << "1234567890123460"s;
    }
    void doubleTextRoundsToFifteenDigitsWithoutExponent()
    {
        QFETCH(double, value);
        QFETCH(std::string, text);
        QCOMPARE(doubleText(value, ","), text);
    }

    void randomSequenceIsUniformInUnitIntervalAndSeededByClock()
    {
        std::uint64_t now = 1;
        RandomSequence random([&now] { return now; });
        random.randomize();
        std::vector<float> first;
        int buckets[10] = {};
        for (int i = 0; i < 100000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            ++buckets[static_cast<int>(r * 10)];
            if (i < 5)
                first.push_back(r);
        }
        for (int count : buckets)
            QVERIFY2(count > 9500 && count < 10500, std::to_string(count).c_str());

        random.randomize(); // same clock reading, same sequence
        for (float r : first)
            QCOMPARE(random.next(), r);

        std::set<float> startsOfRuns;
        for (now = 1'700'000'000'000'000'000; startsOfRuns.size() < 50; now += 1'000'000) {
            random.randomize();
            QVERIFY(startsOfRuns.insert(random.next()).second);
        }
    }

    void rgbPacksRedGreenBlue()
    {
        QCOMPARE(rgb(0, 51, 102), Colour(6697728));
        QCOMPARE(redOf(rgb(1, 2, 3)), 1);
        QCOMPARE(greenOf(rgb(1, 2, 3)), 2);
        QCOMPARE(blueOf(rgb(1, 2, 3)), 3);
    }
};

QTEST_APPLESS_MAIN(RuntimeTest)
#include "test_runtime.moc"
