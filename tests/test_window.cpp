// SPDX-License-Identifier: MIT
// The real Qt window and label on the offscreen platform: what the user sees and
// clicks. Pixels are read from the screen, that is from what the window last painted.
#include "app/qtform.h"
#include "runtime/virtualkeys.h"
#include "tests/fakes.h"
#include "tests/model.h"
#include "tests/printing.h"
#include "view/decimalseparator.h"
#include "view/qt/accessibility.h"
#include "view/qt/appicon.h"
#include "view/qt/displayscale.h"

#include <QAccessible>
#include <QApplication>
#include <QBackingStore>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

const QColor black(0, 0, 0);

// What the window shows on the screen now, in device pixels, once the pending paints
// are done. On the offscreen platform the window's backing store is its screen (Qt
// 6.4's grabWindow gives only a part of it when the display scale is above 1).
QImage onScreen(QWidget& window)
{
    QCoreApplication::processEvents();
    const auto* screen = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
    const QSize size = window.size() * window.devicePixelRatio();
    return screen->copy(QRect(QPoint(), size)).convertToFormat(QImage::Format_RGB32);
}

struct Rig {
    // r = 0.99 puts the post's left edge at 399, r = 0 its top at 150.
    explicit Rig(std::vector<float> randomValues = {0.99f, 0.0f}) : random(log, std::move(randomValues))
    {
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    FendrelWindow& window() { return form.window(); }
    Fendrel& fendrel() { return form.fendrel(); }
    QImage picture() { return onScreen(window()); }
    QColor pixel(int x, int y) { return picture().pixelColor(x, y); }
    QColor background() { return window().palette().window().color(); }
    // Through the window system, which finds the widget under the pointer.
    void clickAt(QPoint where) { QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, where); }
    void start() { clickAt({4, 4}); }

    CallLog log;
    ScriptedRandom random;
    QtForm form{random, [] { return ","; }};
};

// The leftmost and one-past-rightmost black columns of a row.
std::pair<int, int> blackRun(const QImage& image, int y)
{
    int left = -1, right = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == black) {
            if (left < 0)
                left = x;
            right = x + 1;
        }
    }
    return {left, right};
}

// Collects the areas of the paint events a widget receives.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QRegion& painted) : m_painted(painted) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            m_painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion& m_painted;
};

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

// With the label shown the picture is empty: around the label only the background,
// on it only the dark blue text, never a black pixel of the sight picture.
bool showsOnlyText(const QImage& picture, const QRect& label, QColor background)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (label.contains(x, y) ? picture.pixelColor(x, y) == black : picture.pixelColor(x, y) != background)
                return false;
    return true;
}

// The Qt key by which a user types the event's key code.
void typeKey(QWidget& window, const Event& event)
{
    Qt::KeyboardModifiers modifiers = event.keypad ? Qt::KeypadModifier : Qt::NoModifier;
    if (event.shift)
        modifiers |= Qt::ShiftModifier;
    Qt::Key key = Qt::Key_F5; // code 0: a key without a virtual-key code
    switch (event.code) {
    case 37: key = Qt::Key_Left; break;
    case 38: key = Qt::Key_Up; break;
    case 39: key = Qt::Key_Right; break;
    case 40: key = Qt::Key_Down; break;
    case 13: key = event.keypad ? Qt::Key_Enter : Qt::Key_Return; break;
    case 9: key = Qt::Key_Tab; break;
    case 16: key = Qt::Key_Shift; break;
    case 32: key = Qt::Key_Space; break;
    case 65: key = Qt::Key_A; break;
    case 104: key = Qt::Key_8; break;
    default: break;
    }
    QTest::keyClick(&window, key, modifiers);
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithDarkBluePromptInTahomaSizedFont()
    {
        Rig rig;
        QCOMPARE(rig.window().windowTitle(), QString("Fendrel"));
        QCOMPARE(rig.window().size(), QSize(792, 573));
        AnzeigeLabel& label = rig.window().anzeigeLbl();
        QVERIFY(label.isVisible());
        QCOMPARE(label.geometry(), QRect(8, 8, 769, 553));
        QCOMPARE(label.text(), QString("Zum Starten hier klicken []"));
        QCOMPARE(label.font().pixelSize(), 19);
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 51, 102));

        // The text is drawn from the label's top-left corner, in dark blue.
        const QImage image = rig.picture();
        QColor darkest = rig.background();
        QRect inked;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 400; ++x)
                if (image.pixelColor(x, y) != rig.background()) {
                    inked |= QRect(x, y, 1, 1);
                    if (image.pixelColor(x, y).lightness() < darkest.lightness())
                        darkest = image.pixelColor(x, y);
                }
        QVERIFY(inked.left() >= 8 && inked.left() < 14 && inked.top() >= 8 && inked.top() < 16);
        QVERIFY(inked.bottom() < 8 + 25);
        QVERIFY2(darkest.blue() > darkest.green() && darkest.green() > darkest.red(), qPrintable(darkest.name()));
    }

    void iconShowsRearSightWithPost()
    {
        const QImage icon = appIcon().pixmap(64).toImage();
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(icon.pixelColor(32, 32), black); // the post, in the notch
        QCOMPARE(icon.pixelColor(12, 50), black); // the base block
        QVERIFY(icon.pixelColor(26, 32) != black); // the gap beside the post
    }

    void captionKeepsLineBreaksAndShowsThemAsLines()
    {
        Rig rig;
        AnzeigeLabel& label = rig.window().anzeigeLbl();
        label.Caption("eins\r\nzwei");
        QCOMPARE(label.Caption(), std::string("eins\r\nzwei"));
        QCoreApplication::processEvents(); // shown once the writing event is done
        QCOMPARE(label.text(), QString("eins\nzwei"));
    }

    void decimalSeparatorComesFromFirstSetVariable_data()
    {
        QTest::addColumn<QByteArray>("lcAll");
        QTest::addColumn<QByteArray>("lcNumeric");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("separator");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << ".";
        QTest::newRow("LANG German") << QByteArray() << QByteArray() << QByteArray("de_DE.UTF-8") << ",";
        QTest::newRow("LC_NUMERIC over LANG") << QByteArray() << QByteArray("en_US.UTF-8") << QByteArray("de_DE.UTF-8")
                                              << ".";
        QTest::newRow("LC_ALL over all") << QByteArray("de_DE.UTF-8") << QByteArray("en_US.UTF-8")
                                         << QByteArray("en_US.UTF-8") << ",";
        QTest::newRow("C") << QByteArray("C") << QByteArray() << QByteArray("de_DE.UTF-8") << ".";
        QTest::newRow("Austrian") << QByteArray() << QByteArray() << QByteArray("de_AT") << ",";
    }
    void decimalSeparatorComesFromFirstSetVariable()
    {
        QFETCH(QByteArray, lcAll);
        QFETCH(QByteArray, lcNumeric);
        QFETCH(QByteArray, lang);
        QFETCH(QString, separator);
        const std::pair<const char*, QByteArray> settings[] = {{"LC_ALL", lcAll}, {"LC_NUMERIC", lcNumeric}, {"LANG", lang}};
        for (const auto& [name, value] : settings) {
            if (value.isEmpty())
                qunsetenv(name);
            else
                qputenv(name, value);
        }
        QCOMPARE(userDecimalSeparator(), separator.toStdString());
    }

    void clickOnWindowOrPromptStartsRun_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<int>("control");
        QTest::newRow("beside the prompt") << QPoint(790, 570) << int(Control::Window);
        QTest::newRow("on the prompt") << QPoint(30, 10) << int(Control::Label);
        QTest::newRow("on the label's last pixel") << QPoint(776, 560) << int(Control::Label);
        QTest::newRow("just beside the label") << QPoint(777, 560) << int(Control::Window);
    }
    void clickOnWindowOrPromptStartsRun()
    {
        QFETCH(QPoint, where);
        QFETCH(int, control);
        Rig rig;
        QSignalSpy clicks(&rig.window(), &FendrelWindow::clicked);
        rig.clickAt(where);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(int(clicks.at(0).at(0).value<Control>()), control);
        QVERIFY(rig.fendrel().Running);
        QVERIFY(!rig.window().anzeigeLbl().isVisible());
    }

    void startDrawsRearSightAndFirstPostAtOnce()
    {
        Rig rig;
        rig.start();
        const QImage image = rig.picture();
        const QColor bg = rig.background();
        struct Probe { int x, y; bool black; };
        const Probe probes[] = {
            {100, 199, false}, {100, 200, true},  {49, 300, false},  {50, 300, true},   // left block
            {299, 300, true},  {300, 300, false}, {398, 300, false}, {399, 300, true},  // notch, post
            {592, 300, true},  {749, 300, true},  {750, 300, false}, {760, 572, false}, // right block
            {100, 572, true},  {450, 149, false}, {450, 150, true},  {592, 170, true},  // base, post top
            {593, 170, false}, {398, 170, false}, {30, 15, false},                      // prompt gone
        };
        for (const Probe& probe : probes)
            QVERIFY2(image.pixelColor(probe.x, probe.y) == (probe.black ? black : bg),
                     qPrintable(QString("pixel %1,%2").arg(probe.x).arg(probe.y)));
    }

    void firstPostIs194PixelsWideAtItsRandomPlace_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("postX");
        QTest::newRow("r 0") << 0.0f << 300;
        QTest::newRow("r 0.125") << 0.125f << 312;
        QTest::newRow("r 0.5") << 0.5f << 350;
        QTest::newRow("r 0.99") << 0.99f << 399;
        QTest::newRow("r just below 1") << 16777215.0f / 16777216.0f << 400;
    }
    void firstPostIs194PixelsWideAtItsRandomPlace()
    {
        QFETCH(float, r);
        QFETCH(int, postX);
        Rig rig({r, 0.0f});
        rig.start();
        // Above the rear sight's top edge (y 200) only the post is black.
        QCOMPARE(blackRun(rig.picture(), 180), std::make_pair(postX, postX + 194));
        QCOMPARE(blackRun(rig.picture(), 149), std::make_pair(-1, -1));
    }

    void secondClickDuringRunChangesNothing()
    {
        Rig rig;
        rig.start();
        const QImage before = rig.picture();
        rig.clickAt({400, 100});
        rig.clickAt({4, 4});
        QCOMPARE(rig.picture(), before);
        QCOMPARE(rig.fendrel().PostX, Integer(399));
    }

    void onlyACompletePrimaryClickCounts()
    {
        Rig rig;
        QWindow* window = rig.window().windowHandle();
        QSignalSpy clicks(&rig.window(), &FendrelWindow::clicked);
        QTest::mouseClick(window, Qt::RightButton, {}, {4, 4});
        QTest::mouseClick(window, Qt::MiddleButton, {}, {4, 4});
        QTest::mousePress(window, Qt::LeftButton, {}, {4, 4});
        QTest::mouseRelease(window, Qt::LeftButton, {}, {900, 4}); // let go outside
        QTest::mousePress(window, Qt::LeftButton, {}, {4, 4});
        QTest::mouseRelease(window, Qt::LeftButton, {}, {100, 100}); // let go over the label
        QTest::mousePress(window, Qt::LeftButton, {}, {100, 100});
        QTest::mouseRelease(window, Qt::LeftButton, {}, {4, 4}); // pressed on the label
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!rig.fendrel().Running);

        // A double click: press, release, double-click press, release.
        QTest::mouseClick(&rig.window(), Qt::LeftButton, {}, {4, 4});
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(4, 4), rig.window().mapToGlobal(QPointF(4, 4)),
                           Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(&rig.window(), &second);
        QTest::mouseRelease(&rig.window(), Qt::LeftButton, {}, {4, 4});
        QCOMPARE(clicks.count(), 1);
    }

    void repaintKeepsRearSightAndPost()
    {
        Rig rig;
        rig.start();
        QTest::keyClick(&rig.window(), Qt::Key_Right);
        const QImage aimed = rig.picture();
        QCOMPARE(blackRun(aimed, 180), std::make_pair(400, 594));
        // Covered and uncovered, minimised and restored: the system repaints everything.
        rig.window().hide();
        rig.window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window()));
        rig.window().repaint();
        QCOMPARE(rig.picture(), aimed);
    }

    void enlargedWindowShowsMoreOfThePictureAtSameCoordinates()
    {
        Rig rig;
        rig.start();
        const QImage small = rig.picture();
        rig.window().resize(1000, 800);
        const QImage large = rig.picture();
        QCOMPARE(large.size(), QSize(1000, 800));
        QCOMPARE(large.copy(0, 0, 792, 573), small);
        QCOMPARE(large.pixelColor(100, 599), black);   // the base block ends at 600
        QCOMPARE(large.pixelColor(100, 600), rig.background());
        QCOMPARE(large.pixelColor(450, 649), black);   // the post ends at 650
        QCOMPARE(large.pixelColor(450, 650), rig.background());
        rig.window().resize(300, 250);
        QCOMPARE(rig.picture(), small.copy(0, 0, 300, 250));
    }

    void keyPressMovesPostWithoutTrace()
    {
        Rig rig;
        rig.start();
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(&rig.window(), Qt::Key_Left);
        QTest::keyClick(&rig.window(), Qt::Key_Up);
        QTest::keyClick(&rig.window(), Qt::Key_A);
        const QImage image = rig.picture();
        QCOMPARE(blackRun(image, 180), std::make_pair(394, 588));
        QCOMPARE(blackRun(image, 149), std::make_pair(394, 588));
        QCOMPARE(blackRun(image, 148), std::make_pair(-1, -1));
    }

    void keyPressRepaintsOnlyOldAndNewPost()
    {
        Rig rig({0.5f, 0.0f}); // post at (350, 150)
        rig.start();
        rig.picture();
        QRegion painted;
        PaintRecorder recorder(painted);
        rig.window().installEventFilter(&recorder);
        QTest::keyClick(&rig.window(), Qt::Key_Right);
        QTest::keyClick(&rig.window(), Qt::Key_Down);
        QCoreApplication::processEvents();
        // Each press repaints the post where it was and where it is now: together
        // x 350..544, y 150 to the window's bottom edge.
        QCOMPARE(painted, QRegion(350, 150, 195, 423));
    }

    void keysMapToVirtualKeyCodes_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<int>("code");
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << false << 37;
        QTest::newRow("up, held") << int(Qt::Key_Up) << 0 << true << 38;
        QTest::newRow("right with shift") << int(Qt::Key_Right) << int(Qt::ShiftModifier) << false << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << 0 << false << 40;
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << false << 13;
        QTest::newRow("return, held") << int(Qt::Key_Return) << 0 << true << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 13;
        QTest::newRow("keypad left, num lock off") << int(Qt::Key_Left) << int(Qt::KeypadModifier) << false << 37;
        QTest::newRow("keypad 4, num lock on") << int(Qt::Key_4) << int(Qt::KeypadModifier) << false << 100;
        QTest::newRow("digit 4") << int(Qt::Key_4) << 0 << false << 52;
        QTest::newRow("letter A") << int(Qt::Key_A) << 0 << false << 65;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << false << 9;
        QTest::newRow("F1") << int(Qt::Key_F1) << 0 << false << 0;
    }
    void keysMapToVirtualKeyCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, autoRepeat);
        QFETCH(int, code);
        Rig rig;
        QSignalSpy keys(&rig.window(), &FendrelWindow::keyDown);
        // Three repeats folded into one event are three presses.
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat,
                        autoRepeat ? 3 : 1);
        QApplication::sendEvent(&rig.window(), &press);
        QCOMPARE(keys.count(), autoRepeat ? 3 : 1);
        QCOMPARE(keys.at(0).at(0).toInt(), code);
    }

    void layersFollowAutoRedrawAndCls()
    {
        Rig rig;
        WindowSurface& surface = rig.window().surface();
        rig.window().anzeigeLbl().Visible(false);
        surface.AutoRedraw(true);
        surface.Line(10, 10, 20, 20, rgb(255, 0, 0));
        surface.AutoRedraw(false);
        surface.Line(30, 30, 40, 40, rgb(0, 0, 255));
        QCOMPARE(rig.pixel(15, 15), QColor(255, 0, 0));
        QCOMPARE(rig.pixel(35, 35), QColor(0, 0, 255));
        surface.Cls(); // transient only
        QCOMPARE(rig.pixel(15, 15), QColor(255, 0, 0));
        QCOMPARE(rig.pixel(35, 35), rig.background());
        surface.Line(30, 30, 40, 40, rgb(0, 0, 255));
        surface.AutoRedraw(true);
        surface.Cls(); // both layers
        QCOMPARE(rig.pixel(15, 15), rig.background());
        QCOMPARE(rig.pixel(35, 35), rig.background());
    }

    void boxesAreFilledBetweenCornersInEitherOrderAndClipped()
    {
        Rig rig;
        WindowSurface& surface = rig.window().surface();
        rig.window().anzeigeLbl().Visible(false);
        surface.Line(60, 40, 20, 10, rgb(0, 0, 0));
        surface.Line(Integer::min, 700, Integer::max, Integer::max, 0);
        surface.Line(780, Integer::min, Integer::max, 5, 0);
        const QImage image = rig.picture();
        QCOMPARE(image.pixelColor(20, 10), black);
        QCOMPARE(image.pixelColor(59, 39), black);
        QCOMPARE(image.pixelColor(60, 39), rig.background());
        QCOMPARE(image.pixelColor(59, 40), rig.background());
        QCOMPARE(image.pixelColor(19, 10), rig.background());
        QCOMPARE(image.pixelColor(791, 0), black);
        QCOMPARE(image.pixelColor(791, 5), rig.background());
    }

    // As a screen reader sees the window: a frame named "Fendrel" holding a label whose
    // name is its text, which it announces once per report; "press" on either acts
    // as a click.
    void assistiveTechnologyReadsAndStartsTheExercise()
    {
        static QList<QAccessible::Event> labelEvents;
        static QObject* watched = nullptr;
        // As when a screen reader listens. Only the platform can switch this on; Qt's
        // own tests reach it through its private headers, as this one does.
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            if (event->object() == watched)
                labelEvents.append(event->type());
        });
        Rig rig;
        watched = &rig.window().anzeigeLbl();
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&rig.window());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QString("Fendrel"));
        QCOMPARE(window->childCount(), 1);
        QAccessibleInterface* label = window->child(0);
        QCOMPARE(label->role(), QAccessible::StaticText);
        QCOMPARE(label->text(QAccessible::Name), QString("Zum Starten hier klicken []"));
        const QStringList press{QAccessibleActionInterface::pressAction()};
        QCOMPARE(window->actionInterface()->actionNames(), press);
        QCOMPARE(label->actionInterface()->actionNames(), press);

        label->actionInterface()->doAction(press[0]);
        QVERIFY(rig.fendrel().Running);
        QVERIFY(label->state().invisible);
        const Integer postX = rig.fendrel().PostX;
        window->actionInterface()->doAction(press[0]); // during a run: nothing
        label->actionInterface()->doAction(press[0]);
        QCOMPARE(rig.fendrel().PostX, postX);
        QCOMPARE(rig.fendrel().Attempt, Integer(1));

        labelEvents.clear();
        for (int shot = 0; shot < 20; ++shot)
            QTest::keyClick(&rig.window(), Qt::Key_Return);
        QCoreApplication::processEvents();
        QCOMPARE(labelEvents.count(QAccessible::NameChanged), 1);
        QVERIFY(!label->state().invisible);
        QAccessibleTextInterface* text = label->textInterface();
        QVERIFY(text);
        int start = 0, end = 0;
        const int thirdLine = static_cast<int>(text->text(0, text->characterCount()).indexOf("1. Versuch"));
        QCOMPARE(text->textAtOffset(thirdLine + 3, QAccessible::LineBoundary, &start, &end),
                 QString("1. Versuch: X=96 Y=-50\n"));
        QCOMPARE(label->text(QAccessible::Name).count('\n'), 22);

        window->actionInterface()->doAction(press[0]); // after the report: the next run
        QVERIFY(rig.fendrel().Running);
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }

    // Run by CTest once per display scale, on a screen of that scale: picture pixels
    // are a whole number of device pixels each, so edges are crisp, every key moves
    // the post as far, and a centred post shows equal gaps; the report still fits.
    void sightPictureIsExactAtTheDisplayScale()
    {
        const int scale = qEnvironmentVariableIsSet("FENDREL_EXPECTED_SCALE")
            ? qEnvironmentVariableIntValue("FENDREL_EXPECTED_SCALE") : 1;
        Rig rig({0.5f, 0.5f}); // every post at (350, 200)
        QCOMPARE(rig.window().devicePixelRatio() * rig.window().scale(), qreal(scale));
        rig.start();
        const QRgb background = rig.background().rgb();
        const int notchRow = 300 * scale;
        const auto postLeft = [&](const QImage& image) {
            int x = 300 * scale;
            while (image.pixel(x, notchRow) != black.rgb())
                ++x;
            return x;
        };
        for (int attempt = 1; attempt <= 3; ++attempt) {
            int left = postLeft(rig.picture());
            while (left > (300 + 3 * attempt) * scale) {
                QTest::keyClick(&rig.window(), Qt::Key_Left);
                const int moved = postLeft(rig.picture());
                QCOMPARE(left - moved, scale);
                left = moved;
            }
            const QImage image = rig.picture();
            qInfo("scale %d: window %dx%d device pixels", scale, image.width(), image.height());
            QCOMPARE(image.size(), QSize(792, 573) * scale);
            int blurred = 0; // neither black nor background
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    blurred += image.pixel(x, y) != black.rgb() && image.pixel(x, y) != background;
            QCOMPARE(blurred, 0);
            int right = left;
            while (image.pixel(right, notchRow) == black.rgb())
                ++right;
            const int leftGap = left - 300 * scale;
            const int rightGap = 500 * scale - right;
            QCOMPARE(leftGap, 3 * attempt * scale);
            QCOMPARE(rightGap, leftGap);
            int postTop = 0;
            while (image.pixel(left, postTop) != black.rgb())
                ++postTop;
            int rearSightTop = 0;
            while (image.pixel(100 * scale, rearSightTop) != black.rgb())
                ++rearSightTop;
            QCOMPARE(postTop, 200 * scale);
            QCOMPARE(rearSightTop, postTop);
            QTest::keyClick(&rig.window(), Qt::Key_Return);
        }
        for (int shot = 4; shot <= 20; ++shot)
            QTest::keyClick(&rig.window(), Qt::Key_Return);
        const QImage report = rig.picture();
        const QRect label = rig.window().anzeigeLbl().geometry();
        int lowestInk = 0;
        for (int y = 0; y < report.height(); ++y)
            for (int x = 0; x < report.width(); ++x)
                if (report.pixel(x, y) != background) {
                    QVERIFY(label.contains(x, y));
                    lowestInk = y;
                }
        QVERIFY2(lowestInk > 400 * scale && lowestInk < label.bottom(), qPrintable(QString::number(lowestInk)));
    }

    // Random input on the real window; every 97 events and after every resize, what
    // the screen shows must be the model's picture (under the label: nothing).
    void windowPixelsAgreeWithModel()
    {
        const std::uint32_t seed = chosenSeed();
        const int events = chosenEvents(500000) / 5;
        qInfo("seed %u, %d events on the window", seed, events);

        RandomTape random(seed);
        Model model(random.handedOut);
        QtForm form(random, [] { return ","; });
        FendrelWindow& window = form.window();
        AnzeigeLabel& label = window.anzeigeLbl();
        model.load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        EventSource source(seed);

        for (int index = 0; index < events; ++index) {
            const Event event = source.next();
            switch (event.kind) {
            case Event::ClickLabel:
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, {20, 20});
                model.click();
                break;
            case Event::ClickWindow:
                QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, {3, window.height() - 3});
                model.click();
                break;
            case Event::Key:
                typeKey(window, event);
                model.key(event.code);
                break;
            case Event::Repaint:
                window.repaint();
                break;
            case Event::Resize:
                window.resize(event.width, event.height);
                break;
            }
            std::string diff = difference(form.fendrel(), label, label.isVisible(), model);
            if (diff.empty() && (index % 97 == 0 || event.kind == Event::Resize)) {
                const QImage picture = onScreen(window);
                const QColor background = window.palette().window().color();
                if (label.isVisible() ? !showsOnlyText(picture, label.geometry(), background)
                                      : picture != expectedPicture(model, window.size(), background))
                    diff = "pixels";
            }
            if (!diff.empty())
                QFAIL(qPrintable(QString("seed %1, window event %2: %3").arg(seed).arg(index).arg(QString::fromStdString(diff))));
        }
    }
};

int main(int argc, char* argv[])
{
    takeOverDisplayScale(); // as the program does, before the application exists
    QApplication application(argc, argv);
    installAccessibleInterfaces();
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "test_window.moc"
