// Keyboard and screen readers: every control named, pucks and handles
// moved with the arrow keys exactly as a drag moves them.
#include "table_fixture.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

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
            || qobject_cast<QComboBox*>(p))
            return true;
    return false;
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
            EXPECT_FALSE(w->accessibleName().trimmed().isEmpty())
                << w->metaObject()->className() << " at " << w->x() << "," << w->y();
        }
    }
    EXPECT_GT(controls, 80);
    // every button and box can be reached with Tab
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>()) {
        if (!internalPart(b)) {
            EXPECT_TRUE(b->focusPolicy() & Qt::TabFocus) << b->accessibleName().toStdString();
        }
    }
    EXPECT_EQ(c().puck1->accessibleName(), "Red puck");
    EXPECT_EQ(c().redansh->accessibleName(), "Red velocity handle");
    EXPECT_EQ(c().tableim->accessibleName(), "Table");
    EXPECT_EQ(c().Timesb->accessibleName(), "Time line");
    EXPECT_EQ(c().Startbt->accessibleName(), "Start");
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
