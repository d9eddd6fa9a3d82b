#include "table_fixture.h"

#include <QTest>

#include "setup/measure_tools.h"

class MeasureTest : public TableTest {
protected:
    void SetUp() override
    {
        TableTest::SetUp();
        runAndPause(3);
        c().measurecb->setChecked(true);
    }
    MeasureTools& tools() { return window->measureTools(); }
    // Two clicks fix the vertex and the moving point; a move draws.
    void measure(int ax, int ay, int cx, int cy)
    {
        tools().mouseLeft();   // back to step 0, as when the mouse leaves the picture
        tools().mouseMove(ax, ay);
        tools().release(ax, ay);
        tools().mouseMove(cx, cy);
        tools().release(cx, cy);
        tools().mouseMove(cx + 40, cy + 40);   // step 2: both ends stay
    }
    Colour grey() const { return qRgb(128, 128, 128); }
};

// The measuring controls from a fresh window, before any run.
class MeasureControlsTest : public TableTest {};

TEST_F(MeasureControlsTest, MeasuringControlsFollowTheRunState)
{
    EXPECT_FALSE(c().measurecb->isEnabled());
    c().Startbt->click();
    EXPECT_TRUE(c().measurecb->isEnabled());
    EXPECT_TRUE(c().rulerrb->isEnabled());
    c().measurecb->setChecked(true);
    EXPECT_TRUE(c().puck1->isHidden());
    EXPECT_TRUE(c().blackansh->isHidden());
    EXPECT_FALSE(c().anslb->isHidden());
    EXPECT_EQ(c().tableim->cursor().shape(), Qt::CrossCursor);
    c().Resetbt->click();
    EXPECT_FALSE(c().measurecb->isEnabled());
    EXPECT_FALSE(c().measurecb->isChecked());
    EXPECT_TRUE(c().anslb->isHidden());
    EXPECT_EQ(c().tableim->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(c().puck1->isHidden());   // Reset shows the pucks again
}

TEST_F(MeasureTest, UntickingDoesNotShowThePucks)
{
    c().measurecb->setChecked(false);
    EXPECT_TRUE(c().puck1->isHidden());
    EXPECT_TRUE(c().anslb->isHidden());
}

TEST_F(MeasureTest, RulerReadsFiveCentimetres)
{
    measure(100, 100, 160, 180);
    EXPECT_EQ(c().anslb->text(), "Length: 5.00 cm");
    EXPECT_EQ(window->measureTools().vertexX(), 100);
    EXPECT_EQ(window->measureTools().movingY(), 180);
    c().rulerrb->click();
    EXPECT_EQ(c().anslb->text(), "Length: 0 cm");
}

TEST_F(MeasureTest, RulerTicksEveryScaleWithEveryFifthThick)
{
    measure(100, 300, 400, 300);   // along +x
    EXPECT_EQ(px(150, 300), grey());   // the ruler line
    for (int i = 1; i <= 9; ++i) {
        const int x = 100 + 20 * i;
        EXPECT_EQ(px(x, 296), grey()) << i;
        EXPECT_NE(px(x + 10, 296), grey()) << i;
    }
    // the fifth tick is 3 px wide, the others 1 px
    EXPECT_EQ(px(201, 296), grey());
    EXPECT_EQ(px(199, 296), grey());
    EXPECT_NE(px(181, 296), grey());
}

TEST_F(MeasureTest, LargeScaleTicksEveryTwentyFivePixels)
{
    c().scaleLarge->trigger();
    measure(100, 300, 400, 300);
    EXPECT_EQ(px(125, 296), grey());
    EXPECT_EQ(px(150, 296), grey());
    EXPECT_NE(px(120, 296), grey());
    EXPECT_EQ(c().anslb->text(), "Length: 60.00 cm");   // 300 px at 5 px per cm
}

TEST_F(MeasureTest, ProtractorReadings)
{
    c().Prorb->click();
    EXPECT_EQ(c().anslb->text(), QStringLiteral("Angle: 0.0\u00B0 or 180.0\u00B0"));
    measure(300, 200, 400, 200);
    EXPECT_EQ(c().anslb->text(), QStringLiteral("Angle: 180.0\u00B0 or  0.0\u00B0"));
    measure(300, 200, 200, 200);
    EXPECT_EQ(c().anslb->text(), QStringLiteral("Angle:  0.0\u00B0 or 180.0\u00B0"));
    measure(300, 200, 300, 100);
    EXPECT_EQ(c().anslb->text(), QStringLiteral("Angle: 90.0\u00B0 or 90.0\u00B0"));
    // the half circle opens upwards for a ray upwards
    EXPECT_EQ(px(300, 100), grey());
    EXPECT_NE(px(300, 300), grey());
    measure(300, 200, 350, 150);
    EXPECT_EQ(c().anslb->text(), QStringLiteral("Angle: 135.0\u00B0 or 45.0\u00B0"));
    measure(300, 200, 350, 250);
    EXPECT_EQ(px(300, 299), grey());   // opens downwards
}

TEST_F(MeasureControlsTest, ReleaseWithoutMeasureStillAdvancesTheStep)
{
    runAndPause(2);
    window->measureTools().release(10, 10);
    EXPECT_EQ(window->measureTools().step(), 1);
    window->measureTools().release(10, 10);
    window->measureTools().release(10, 10);
    EXPECT_EQ(window->measureTools().step(), 0);
    window->measureTools().release(10, 10);
    window->measureTools().mouseLeft();
    EXPECT_EQ(window->measureTools().step(), 0);
}

TEST_F(MeasureTest, StepZeroFollowsTheMouse)
{
    tools().mouseLeft();   // back to step 0, as when the mouse leaves the picture
    tools().mouseMove(50, 60);
    EXPECT_EQ(window->measureTools().vertexX(), 50);
    EXPECT_EQ(window->measureTools().movingX(), 52);
    tools().release(50, 60);
    EXPECT_EQ(window->measureTools().step(), 1);
    EXPECT_EQ(window->measureTools().movingX(), 50);
    tools().release(70, 80);
    tools().release(90, 95);   // back to 0: the vertex where the mouse is
    EXPECT_EQ(window->measureTools().step(), 0);
    EXPECT_EQ(window->measureTools().vertexX(), 90);
    EXPECT_EQ(window->measureTools().movingX(), 95);
}

TEST_F(MeasureTest, TheKeyboardMeasuresAsTheMouseDoes)
{
    measure(100, 100, 160, 180);
    const QImage byMouse = image().image().copy();
    const QString reading = c().anslb->text();
    tools().keyCancel();
    EXPECT_EQ(tools().step(), 0);
    EXPECT_TRUE(c().tableim->focusPolicy() & Qt::TabFocus);
    // the cursor starts in the middle, (379, 183): to (100, 100), place, to (160, 180), place
    for (int i = 0; i < 27; ++i)
        QTest::keyClick(c().tableim, Qt::Key_Left, Qt::ShiftModifier);
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(c().tableim, Qt::Key_Left);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(c().tableim, Qt::Key_Up, Qt::ShiftModifier);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(c().tableim, Qt::Key_Up);
    EXPECT_EQ(tools().vertexX(), 100);
    EXPECT_EQ(tools().vertexY(), 100);
    QTest::keyClick(c().tableim, Qt::Key_Return);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(c().tableim, Qt::Key_Right, Qt::ShiftModifier);
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(c().tableim, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(c().tableim, Qt::Key_Return);
    EXPECT_EQ(tools().movingX(), 160);
    EXPECT_EQ(tools().movingY(), 180);
    EXPECT_EQ(c().anslb->text(), reading);
    EXPECT_EQ(image().image(), byMouse);
    QTest::keyClick(c().tableim, Qt::Key_Escape);
    EXPECT_EQ(tools().step(), 0);
    c().measurecb->setChecked(false);
    EXPECT_EQ(c().tableim->focusPolicy(), Qt::NoFocus);
}
