// Keyboard and screen readers: every control named, pucks and handles
// moved with the arrow keys exactly as a drag moves them.
#include "table_fixture.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <functional>

#include "datawin/data_window.h"
#include "experiments/experiment_box.h"
#include "setup/puck_placer.h"

class AccessibilityTest : public TableTest {};

namespace {
bool internalPart(QWidget* w)
{
    // parts Qt builds inside its own controls (scroll-area bars, tab scrollers)
    for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
        if (qobject_cast<QAbstractScrollArea*>(p) || qobject_cast<QTabBar*>(p) || qobject_cast<QMenuBar*>(p)
            || qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractSpinBox*>(p))
            return true;
    return false;
}
// What a screen reader hears as the widget's name: its own, or its text.
QString spoken(QWidget* w)
{
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}
bool isControl(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) || qobject_cast<QComboBox*>(w)
        || qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QTabWidget*>(w)
        || qobject_cast<MovableShape*>(w) || qobject_cast<PictureWidget*>(w);
}
}   // namespace

TEST_F(AccessibilityTest, EveryControlHasAnAccessibleName)
{
    ExperimentBox box(*window, platform);
    DataWindow data(*window, platform);
    int controls = 0;
    for (QWidget* root : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&data)}) {
        for (QWidget* w : root->findChildren<QWidget*>()) {
            if (!isControl(w) || internalPart(w))
                continue;
            ++controls;
            EXPECT_FALSE(spoken(w).trimmed().isEmpty())
                << w->metaObject()->className() << " at " << w->x() << "," << w->y();
        }
    }
    EXPECT_GT(controls, 80);
    // every button and box can be reached with Tab
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!internalPart(b) && b != c().SpeedButton1) {   // File > Exit is the keyboard's way out
            EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << b->accessibleName().toStdString();
        }
    }
    EXPECT_EQ(c().puck1->accessibleName(), "Red puck");
    EXPECT_EQ(c().redansh->accessibleName(), "Red velocity handle");
    EXPECT_EQ(c().tableim->accessibleName(), "Table");
    EXPECT_EQ(spoken(c().Startbt), "Start");
}

TEST_F(AccessibilityTest, AScreenReaderHearsWhatTheScreenShows)
{
    // bars by their caption, which shows the value; the time line by the time
    EXPECT_EQ(spoken(c().m1sb), "Mass 1: 2.0 kg");
    EXPECT_EQ(spoken(c().v1sb), "Velocity 1: 5.0 cm/s");
    EXPECT_EQ(c().cbfreq->accessibleName(), "Frequency");
    EXPECT_EQ(c().m1lb->buddy(), c().m1sb);
    c().m1sb->setValue(35);
    EXPECT_EQ(spoken(c().m1sb), "Mass 1: 3.5 kg");
    EXPECT_EQ(spoken(c().Timesb), "Time: 0.00 s");
    runTicks(20);
    EXPECT_EQ(spoken(c().Startbt), "Stop");
    EXPECT_EQ(spoken(c().Timesb), c().Timelb->text());
    EXPECT_NE(spoken(c().Timesb), "Time: 0.00 s");
    c().Startbt->click();
    EXPECT_EQ(spoken(c().Startbt), "Continue");
}

TEST_F(AccessibilityTest, PucksSayWhereTheyAreAndThatTheyMove)
{
    window->show();   // a hidden widget's moves are only told once it shows
    QAccessibleInterface* puck = QAccessible::queryAccessibleInterface(c().puck1);
    ASSERT_NE(puck, nullptr);
    EXPECT_TRUE(puck->state().movable);
    // the red puck's centre 194 px across and 188 px down the table, at 20 px
    // per cm: y from the top, as Set Up Exactly and the challenge key have it
    EXPECT_EQ(c().puck1->accessibleDescription().toStdString(),
              "Red puck at 9.7 cm, 9.4 cm, moving 0 degrees at 5.0 cm/s");
    // the black handle's centre 325.5 px across
    EXPECT_EQ(c().blackansh->accessibleDescription().toStdString(),
              "Black velocity handle at 16.3 cm, 9.4 cm, aiming the puck at 180 degrees");
    QTest::keyClick(c().puck1, Qt::Key_Up, Qt::ShiftModifier);   // 10 px up
    EXPECT_EQ(c().puck1->accessibleDescription().left(31).toStdString(), "Red puck at 9.7 cm, 8.9 cm, mov");
    // the keyboard's focus shows on the puck
    window->show();
    QApplication::setActiveWindow(window.get());
    c().Startbt->setFocus();
    for (int i = 0; i < 80 && !c().puck1->hasFocus(); ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_TRUE(c().puck1->hasFocus());
    const QImage focused = c().puck1->grab().toImage();
    c().puck2->setFocus();
    EXPECT_NE(c().puck1->grab().toImage(), focused);
}

TEST_F(AccessibilityTest, TheRunTellsItsStatus)
{
    runTicks(1);
    EXPECT_EQ(c().Startbt->accessibleDescription(), "Run started.");
    runTicks(120);   // the default shot: the pucks meet near 2 s
    EXPECT_EQ(c().Startbt->accessibleDescription(), "The pucks touched.");
    c().Startbt->click();
    EXPECT_EQ(c().Startbt->accessibleDescription(),
              "Run stopped at " + c().Timelb->text().mid(5).trimmed() + ". Red 0.0 cm/s, black 5.0 cm/s.");
    c().Startbt->click();
    EXPECT_TRUE(c().Startbt->accessibleDescription().startsWith("Run continued at "));
}

TEST_F(AccessibilityTest, ArrowKeysMovePucksAndHandlesAsADragDoes)
{
    // the same moves by mouse in a second window
    TableWindow other(platform);
    PuckPlacer& placer = other.puckPlacer();
    Controls& oc = other.controls();
    auto mouse = [&](MovableShape* s, bool puck, int dx, int dy) {
        placer.buttonDown();
        const int x = s->width() / 2 + dx, y = s->height() / 2 + dy;
        puck ? placer.puckDrag(s->tag(), x, y) : placer.handleDrag(s->tag(), x, y);
        placer.buttonUp();
    };
    EXPECT_TRUE(c().puck1->focusPolicy() & Qt::TabFocus);
    QTest::keyClick(c().puck1, Qt::Key_Right);
    mouse(oc.puck1, true, 1, 0);
    QTest::keyClick(c().puck1, Qt::Key_Up, Qt::ShiftModifier);
    mouse(oc.puck1, true, 0, -10);
    for (int i = 0; i < 25; ++i) {   // into the black puck: it is pushed
        QTest::keyClick(c().puck1, Qt::Key_Right, Qt::ShiftModifier);
        mouse(oc.puck1, true, 10, 0);
    }
    QTest::keyClick(c().redansh, Qt::Key_Down, Qt::ShiftModifier);
    mouse(oc.redansh, false, 0, 10);
    EXPECT_EQ(c().puck1->pos(), oc.puck1->pos());
    EXPECT_EQ(c().puck2->pos(), oc.puck2->pos());
    EXPECT_EQ(c().redansh->pos(), oc.redansh->pos());
    EXPECT_EQ(s().red.direction, other.state().red.direction);
    EXPECT_EQ(s().redHandleLeft, other.state().redHandleLeft);
    EXPECT_NE(c().puck1->pos(), QPoint(189, 183));
    // after a run the keys move nothing, as a drag does nothing
    runAndPause(3);
    const QPoint at = c().puck1->pos();
    QTest::keyClick(c().puck1, Qt::Key_Left);
    EXPECT_EQ(c().puck1->pos(), at);
}

TEST_F(AccessibilityTest, EveryTabStopIsVisibleAndTheTabComesRound)
{
    window->show();
    QApplication::setActiveWindow(window.get());
    c().Startbt->setFocus();
    ASSERT_TRUE(c().Startbt->hasFocus());
    QList<QWidget*> stops;
    for (int i = 0; i < 80; ++i) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible()) << w->objectName().toStdString();
        if (!stops.contains(w))
            stops << w;
        QTest::keyClick(w, Qt::Key_Tab);
    }
    EXPECT_TRUE(stops.contains(c().puck1));
    EXPECT_TRUE(stops.contains(c().redansh));
    EXPECT_TRUE(stops.contains(c().Resetbt));
    EXPECT_TRUE(stops.contains(c().Timesb));
    EXPECT_FALSE(stops.contains(c().SpeedButton1)) << "a stray Space on the exit button would quit";
    EXPECT_FALSE(stops.contains(c().velsh)) << "the circle's speed handle is hidden outside circle mode";
    // on the table, left to right: each puck, then its handle
    const int red = static_cast<int>(stops.indexOf(c().puck1));
    ASSERT_GE(red, 0);
    ASSERT_LT(red + 3, stops.size());
    EXPECT_EQ(stops[red + 1], c().redansh);
    EXPECT_EQ(stops[red + 2], c().puck2);
    EXPECT_EQ(stops[red + 3], c().blackansh);
}

TEST_F(AccessibilityTest, TheDataWindowsTabStopsAreVisibleOnEveryPage)
{
    DataWindow data(*window, platform);
    runAndPause(60);
    data.activate();
    data.show();
    QApplication::setActiveWindow(&data);
    for (int page = 0; page < data.tabs()->count(); ++page) {
        data.tabs()->setCurrentIndex(page);
        data.tabs()->tabBar()->setFocus();
        QList<QWidget*> stops;
        for (int i = 0; i < 60; ++i) {
            QWidget* w = QApplication::focusWidget();
            ASSERT_NE(w, nullptr) << "page " << page;
            EXPECT_TRUE(w->isVisible()) << "page " << page << ": " << w->metaObject()->className();
            if (!stops.contains(w))
                stops << w;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        EXPECT_GT(stops.size(), 2) << "page " << page;
    }
}

namespace {
double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}
double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
}   // namespace

// The mouse and the start-up draw no focus mark: the pictures stay as they
// were; once the keyboard moves the focus, every stop shows one a person can see.
TEST_F(AccessibilityTest, FocusMarksOnlyOnceTheKeyboardMovesTheFocus)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto picture = [&](QWidget* w) {
        QApplication::processEvents();
        return window->grab(QRect(w->mapTo(window.get(), QPoint(0, 0)), w->size())).toImage();
    };
    auto unmarked = [&](QWidget* w) {   // the focus elsewhere
        c().Startbt->setFocus(Qt::MouseFocusReason);
        return picture(w);
    };
    EXPECT_EQ(QApplication::focusWidget(), c().puck1) << "the first Tab stop";
    const std::function<void()> modes[] = {[] {}, [&] { c().type1D->trigger(); }, [&] { c().masses1->trigger(); },
                                           [&] { c().masses2->trigger(); }, [&] { c().type2D->trigger(); }};
    for (const auto& mode : modes) {
        mode();
        c().puck1->setFocus(Qt::ActiveWindowFocusReason);
        const QImage focused = picture(c().Panel1);
        EXPECT_EQ(focused, unmarked(c().Panel1));
    }
    c().TabbedNotebook1->setCurrentIndex(1);
    for (QWidget* w : std::initializer_list<QWidget*>{c().puck1, c().redansh, c().Timesb, c().m1sb, c().replaysb}) {
        const QImage plain = unmarked(w);
        for (int i = 0; i < 80 && !w->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(w->hasFocus()) << w->objectName().toStdString();
        const QImage marked = picture(w);
        double best = 1.0;
        for (int x = 0; x < marked.width(); ++x)
            for (int y = 0; y < marked.height(); ++y)
                if (x == 0 || y == 0 || x == marked.width() - 1 || y == marked.height() - 1)
                    best = std::max(best, contrast(marked.pixel(x, y), plain.pixel(x, y)));
        EXPECT_GE(best, 3.0) << w->objectName().toStdString();
    }
}

TEST_F(AccessibilityTest, MeasureHasAnAccessKeyOfItsOwnAndTheOpenListAName)
{
    QList<int> keys;
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (!QKeySequence::mnemonic(b->text()).isEmpty())
            keys << QKeySequence::mnemonic(b->text())[0].key();
    for (int i = 0; i < c().TabbedNotebook1->count(); ++i)
        keys << QKeySequence::mnemonic(c().TabbedNotebook1->tabText(i))[0].key();
    for (QAction* a : window->menuBar()->actions())
        keys << QKeySequence::mnemonic(a->text())[0].key();
    const QKeySequence measure = QKeySequence::mnemonic(c().measurecb->text());
    ASSERT_FALSE(measure.isEmpty());
    EXPECT_EQ(keys.count(static_cast<int>(measure[0].key())), 1);
    EXPECT_EQ(c().cbfreq->view()->accessibleName(), "Frequency");
}
