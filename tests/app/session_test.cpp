// View > Zoom: the windows made again at a new scale, the set-up and the run
// kept, the pictures crisp, the zoom remembered. A process of its own, as
// the scale is the whole program's.
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

#include "app/session.h"
#include "app/session_runs.h"
#include "datawin/data_window.h"
#include "datawin/graph_page.h"
#include "datawin/momentum_page.h"
#include "datawin/table_page.h"
#include "experiments/experiment_box.h"
#include "private_settings.h"
#include "setup/controls.h"
#include "setup/language_menu.h"
#include "setup/run_control.h"
#include "setup/table_window.h"
#include "ui/fake_platform.h"
#include "ui/widgets.h"
#include "view/name_dialog.h"
#include "view/time_line.h"

namespace {
// Every logical pixel of the shown picture is a block of its canvas colour.
int blocksDiffering(PictureWidget* w, const Canvas& canvas, int k)
{
    const QImage shown = w->grab().toImage();
    if (shown.size() != canvas.image().size() * k)
        return -1;
    int differing = 0;
    for (int y = 0; y < canvas.height(); y += 2)
        for (int x = 0; x < canvas.width(); x += 2)
            for (int d = 0; d < k * k; ++d)
                differing += (shown.pixel(k * x + d % k, k * y + d / k) | 0xff000000u) != canvas.pixel(x, y);
    return differing;
}
}   // namespace

TEST(ZoomTest, ARunIsKeptAndShownAtTwiceTheScale)
{
    FakePlatform platform;
    Session session(platform, 100);
    TableWindow* before = &session.table();
    runTicks(*before, 60);
    const auto log = std::make_unique<sim::SampleLog>(before->state().sampleLog);
    const int tick = before->state().tick;
    const QImage picture = before->tableCanvas().image().copy();
    const int end = before->controls().Timesb->maximum();

    session.setZoom(200);
    TableWindow& after = session.table();
    EXPECT_EQ(after.devicePixelRatioF(), 2.0);
    EXPECT_EQ(after.state().tick, tick);
    EXPECT_EQ(std::memcmp(&after.state().sampleLog, log.get(), sizeof *log), 0) << "the log is kept whole";
    EXPECT_EQ(after.controls().Startbt->text(), "&Continue");
    EXPECT_EQ(after.controls().Timesb->maximum(), end);
    EXPECT_EQ(after.tableCanvas().image(), picture) << "the same picture, only larger";
    EXPECT_EQ(blocksDiffering(after.controls().tableim, after.tableCanvas(), 2), 0);
    EXPECT_TRUE(after.controls().zoom[3]->isChecked());
    EXPECT_EQ(Session::rememberedZoom(), 200);

    // the run goes on where it stood
    runTicks(after, 10);
    EXPECT_EQ(after.state().tick, tick + 10);
    session.setZoom(100);
}

TEST(ZoomTest, TheSetUpIsKeptAndTheKeysStepTheZoom)
{
    FakePlatform platform;
    Session session(platform, 100);
    session.table().controls().masses1->trigger();
    session.table().controls().type1D->trigger();
    session.table().controls().m1sb->setValue(35);
    session.table().controls().TabbedNotebook1->setCurrentIndex(2);
    const sim::SetupModel model = session.table().model();
    const QPoint puck = session.table().controls().puck1->pos();
    const QImage picture = session.table().tableCanvas().image().copy();

    session.table().controls().zoomIn1->trigger();   // 125 %, once the menu's handler is done
    QApplication::processEvents();
    EXPECT_EQ(session.zoom(), 125);
    TableWindow& t = session.table();
    EXPECT_EQ(t.devicePixelRatioF(), 1.25);
    EXPECT_EQ(t.model().massCount, model.massCount);
    EXPECT_EQ(t.model().redMass, 35);
    EXPECT_EQ(t.controls().m1lb->text(), "Mass 1: 3.5 kg");
    EXPECT_EQ(t.controls().puck1->pos(), puck);
    EXPECT_EQ(t.tableCanvas().image(), picture);
    EXPECT_EQ(t.controls().TabbedNotebook1->currentIndex(), 2);   // the page in front stays in front

    t.controls().zoomOut1->trigger();
    QApplication::processEvents();
    EXPECT_EQ(session.zoom(), 100);
    session.table().controls().zoomOut1->trigger();   // already the least
    QApplication::processEvents();
    EXPECT_EQ(session.zoom(), 100);
}

TEST(SessionTest, WhoAmIIsRememberedAndADamagedFileIsIgnored)
{
    FakePlatform platform;
    {
        Session first(platform, Session::rememberedZoom());
        EXPECT_EQ(first.table().controls().WhoAmI1->text(), "&Who Am I:");
        platform.onModal = [](QDialog& d) {
            qobject_cast<NameDialog*>(&d)->nameField()->setText(QStringLiteral("Ms Okafor"));
            return static_cast<int>(QDialog::Accepted);
        };
        first.table().controls().WhoAmI1->trigger();
    }
    Session next(platform, Session::rememberedZoom());
    EXPECT_EQ(next.table().controls().WhoAmI1->text(), "&Who am I: Ms Okafor");
    next.setZoom(125);   // the name goes on through a zoom's new windows
    EXPECT_EQ(next.table().controls().WhoAmI1->text(), "&Who am I: Ms Okafor");
    next.setZoom(100);

    // garbage where the settings were: a first start
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Slidora/Slidora.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    static const char garbage[] = "\xff\x00[General\nzoom=@Variant(\x01)\nname=\x1b[2J";
    file.write(garbage, sizeof garbage - 1);
    file.close();
    Session damaged(platform, Session::rememberedZoom());
    EXPECT_EQ(damaged.zoom(), 100);
    EXPECT_EQ(damaged.table().controls().WhoAmI1->text(), "&Who Am I:");
}

// Whatever the moment of a zoom, the run, the time line and the trace come
// back as they were, and no replay starts by itself in the new window.
TEST(ZoomTest, EveryMomentOfARunIsKeptAndNothingReplaysByItself)
{
    const struct {
        const char* moment;
        std::function<void(TableWindow&)> reach;
    } moments[] = {
        {"running", [](TableWindow&) {}},
        {"paused", [](TableWindow& w) { w.controls().Startbt->click(); }},
        {"dragged back",
         [](TableWindow& w) {
             w.controls().Startbt->click();
             w.controls().Timesb->setValue(40);
         }},
        {"replaying",
         [](TableWindow& w) {
             w.controls().Startbt->click();
             w.controls().Timesb->setValue(40);
             w.controls().dstartbt->click();
             w.timeLine().replayTimerEvent();
             w.timeLine().replayTimerEvent();
         }},
    };
    for (const auto& m : moments) {
        FakePlatform platform;
        Session session(platform, 100);
        session.table().controls().delaytimer1->stop();
        runTicks(session.table(), 130);
        m.reach(session.table());
        Controls& before = session.table().controls();
        const int position = before.Timesb->value(), end = before.Timesb->maximum();
        const QString time = before.Timelb->text();
        const QImage picture = session.table().tableCanvas().image().copy();

        session.setZoom(150);
        QTest::qWait(1700);   // the replay timer's 50 ms many times over
        Controls& after = session.table().controls();
        EXPECT_EQ(after.Timesb->value(), position) << m.moment;
        EXPECT_EQ(after.Timesb->maximum(), end) << m.moment;
        EXPECT_EQ(after.Timelb->text(), time) << m.moment;
        EXPECT_FALSE(after.delaytimer1->isActive()) << m.moment;
        EXPECT_EQ(after.dstartbt->text(), "Replay") << m.moment;
        EXPECT_EQ(session.table().tableCanvas().image(), picture) << m.moment;
        session.setZoom(100);
    }
}

// The user's own QT_SCALE_FACTOR is multiplied, never replaced.
TEST(ZoomTest, TheUsersOwnScaleIsMultiplied)
{
    const struct {
        int percent;
        const char* own;
        qreal scale;
    } cases[] = {{100, "", 1.0},      {200, "", 2.0},     {100, "2", 2.0},  {150, "2", 3.0},
                 {125, "1.5", 1.875}, {125, "abc", 1.25}, {100, "-1", 1.0}, {200, "0", 2.0}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Session::scaleFor(c.percent, c.own), c.scale) << c.percent << " " << c.own;
}

// A larger window moves back onto its screen; a puck follows the pixel under
// the cursor and tells a screen reader where it is in the screen's pixels.
TEST(ZoomTest, TheWindowStaysOnTheScreenAndPucksAreWhereTheyAre)
{
    FakePlatform platform;
    Session session(platform, 100);
    session.table().show();
    session.table().move(8, 40);
    session.setZoom(200);
    TableWindow& t = session.table();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
    const QRect area = t.screen()->availableGeometry();
    ASSERT_GT(t.frameGeometry().width(), area.width());   // too large to fit: its corner at the area's
    EXPECT_EQ(t.frameGeometry().topLeft(), area.topLeft());

    MovableShape* puck = t.controls().puck1;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(puck);
    ASSERT_NE(a, nullptr);
    const QPoint corner = puck->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(a->rect(), QRect(corner * 2, QSize(48, 48)));

    // grabbed on the lower-right screen pixel of its centre, dragged 40 screen pixels right
    const QPoint start = puck->pos();
    auto send = [&](QEvent::Type type, QPointF global) {
        const QPointF local = global - QPointF(puck->mapToGlobal(QPoint(0, 0)));
        QMouseEvent e(type, local, local, global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(puck, &e);
    };
    const QPointF grip = QPointF(puck->mapToGlobal(QPoint(12, 12))) + QPointF(0.5, 0.5);
    send(QEvent::MouseButtonPress, grip);
    for (int dx = 1; dx <= 20; ++dx)
        send(QEvent::MouseMove, grip + QPointF(dx, 0));
    send(QEvent::MouseButtonRelease, grip + QPointF(20, 0));
    EXPECT_EQ(puck->pos(), start + QPoint(20, 0));
    session.setZoom(100);
}

// A ring with a gap lets some ray from its centre out without meeting it.
TEST(ZoomTest, PuckRingsAreClosedAtEveryZoom)
{
    FakePlatform platform;
    Session session(platform, 100);
    for (int percent : {100, 125, 150, 200}) {
        session.setZoom(percent);
        session.table().show();
        // as the screen shows it, where 125 % puts the puck at a fractional screen pixel
        TableWindow& t = session.table();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&t));
        MovableShape* puck = t.controls().puck1;
        const qreal k = percent / 100.0;
        const QImage ring = t.screen()->grabWindow(t.winId()).toImage().copy(
            QRectF(QPointF(puck->mapTo(&t, QPoint(0, 0))) * k, QSizeF(puck->size()) * k).toAlignedRect());
        const QPointF centre(ring.width() / 2.0, ring.height() / 2.0);
        int open = 0;
        for (int degrees = 0; degrees < 360; degrees += 2) {
            const double a = degrees * 3.14159265358979 / 180;
            bool met = false;
            for (double d = 0.3 * ring.width(); d < 0.55 * ring.width() && !met; d += 0.25) {
                const QPoint p = (centre + QPointF(std::cos(a), std::sin(a)) * d).toPoint();
                for (int n = 0; n < 9 && !met; ++n) {   // the ring's pixel or a neighbour: a 1-px line runs diagonally
                    const QPoint q = p + QPoint(n % 3 - 1, n / 3 - 1);
                    met = ring.valid(q) && qRed(ring.pixel(q)) > 200 && qGreen(ring.pixel(q)) < 80;
                }
            }
            open += !met;
        }
        EXPECT_EQ(open, 0) << percent << " %";
    }
    session.setZoom(100);
}

// Windows made again and again hold no more memory than once.
TEST(ZoomTest, ZoomsDoNotGrowTheMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps freed memory in quarantine";
#endif
    FakePlatform platform;
    Session session(platform, 100);
    session.table().show();   // shown, its widgets reach the accessibility bridge
    auto resident = [] {
        QFile statm(QStringLiteral("/proc/self/statm"));
        statm.open(QIODevice::ReadOnly);
        return statm.readAll().split(' ').value(1).toLongLong() * 4;   // kB
    };
    for (int i = 0; i < 8; ++i)   // every scale's fonts and pictures once
        session.setZoom(i % 2 ? 100 : 125 + 25 * (i / 2 % 3));
    const long long first = resident();
    for (int i = 0; i < 50; ++i)
        session.setZoom(i % 2 ? 100 : 200);
    EXPECT_LT(resident() - first, 1500) << "kB after 50 zooms";
    std::printf("resident: %lld kB more after 50 zooms\n", resident() - first);
}

int main(int argc, char** argv)
{
    // offscreen unless a real X server is asked for (the memory check under
    // the accessibility bridge)
    if (!qEnvironmentVariableIsSet("SLIDORA_TEST_ON_X"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrivateSettings settings;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
