#include <QTabBar>
#include <QTest>

#include "table_fixture.h"

class KeyboardTest : public TableTest {};

namespace {
int after(QScrollBar* sb, Qt::Key key)
{
    QTest::keyClick(sb, key);
    return sb->value();
}
}   // namespace

TEST_F(KeyboardTest, EveryScrollBarTakesTheFocusAndTheKeys)
{
    // the window's own bars, not those inside the frequency list's popup
    const QList<KeyScrollBar*> bars = window->findChildren<KeyScrollBar*>();
    ASSERT_GE(bars.size(), 12);
    for (KeyScrollBar* sb : bars)
        EXPECT_TRUE(sb->focusPolicy() & Qt::TabFocus) << sb->objectName().toStdString();

    // right and down grow the value, as on the screen; left and up shrink it
    for (QScrollBar* sb : {c().m1sb, c().m2sb, c().v1sb, c().v2sb, c().c1sb, c().c2sb, c().tableangsb, c().persb,
                           c().ksb, c().lsb, c().replaysb}) {
        sb->setValue((sb->minimum() + sb->maximum()) / 2);
        const int v = sb->value();
        EXPECT_EQ(after(sb, Qt::Key_Right), v + 1);
        EXPECT_EQ(after(sb, Qt::Key_Down), v + 2);
        EXPECT_EQ(after(sb, Qt::Key_Left), v + 1);
        EXPECT_EQ(after(sb, Qt::Key_Up), v);
        EXPECT_EQ(after(sb, Qt::Key_PageDown), v + sb->pageStep());
        EXPECT_EQ(after(sb, Qt::Key_PageUp), v);
    }
}

TEST_F(KeyboardTest, KeysGoThroughTheSameChangeActions)
{
    c().m1sb->setValue(20);
    QTest::keyClick(c().m1sb, Qt::Key_Right);
    EXPECT_EQ(c().m1lb->text(), "Mass 1: 2.1 kg");
    EXPECT_DOUBLE_EQ(s().red.mass, 2.1);
    QTest::keyClick(c().tableangsb, Qt::Key_PageDown);
    EXPECT_EQ(c().tableanglb->text(), QStringLiteral("Table Angle: 0.10") + QChar(0xBA));
}

TEST_F(KeyboardTest, EnteringTheTimeLineFromTheKeyboardPausesARun)
{
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    runTicks(12);
    ASSERT_TRUE(c().colltimer->isActive());
    c().Timesb->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Continue");
    const int v = c().Timesb->value();
    ASSERT_LT(v, c().Timesb->maximum());
    QTest::keyClick(c().Timesb, Qt::Key_Right);
    EXPECT_EQ(s().viewTick, v + 1);
    EXPECT_EQ(c().Timelb->text(), "Time:  " + QString::number(v * 0.05, 'f', 2) + " s");
}

TEST_F(KeyboardTest, TabCaptionsAreEightPointRegular)
{
    const QFont f = c().TabbedNotebook1->tabBar()->font();
    EXPECT_FALSE(f.bold());
    EXPECT_EQ(f.pointSize(), 8);
}
