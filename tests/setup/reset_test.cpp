#include "table_fixture.h"

#include "setup/reset.h"

class ResetTest : public TableTest {};

TEST_F(ResetTest, ResetReturnsToTheLastStartPositions)
{
    // as if dragged: a new start position
    s().red.startLeft = 100;
    s().red.startTop = 50;
    c().v2sb->setValue(30);
    c().tableangsb->setValue(300);
    runTicks(10);
    c().Resetbt->click();
    EXPECT_EQ(s().red.x, 100.0);
    EXPECT_EQ(s().red.y, 50.0);
    EXPECT_EQ(c().puck1->pos(), QPoint(100, 50));
    EXPECT_EQ(s().black.speed, 3.0);
    EXPECT_EQ(c().tableangsb->value(), 300);
    EXPECT_EQ(s().sampleLog.positions[1].redX, 105.0);
    EXPECT_EQ(c().Timelb->text(), "Time: 0.00 s");
    EXPECT_EQ(c().Timesb->maximum(), 1);
    EXPECT_EQ(s().collisionTick, 1000);
    EXPECT_FALSE(s().collided);
}

TEST_F(ResetTest, RecenterPutsPucksBackAndRecordsThem)
{
    s().red.startLeft = 40;
    s().black.startLeft = 600;
    s().black.startTop = 20;
    s().redHandleTop = 10;   // aimed elsewhere
    c().Resetbt->click();
    EXPECT_NE(s().red.direction, 0.0);
    c().Recenterbt->click();
    EXPECT_EQ(c().puck1->pos(), QPoint(189, 183));
    EXPECT_EQ(c().puck2->pos(), QPoint(379, 183));
    EXPECT_EQ(s().red.startLeft, 189);
    EXPECT_EQ(s().black.startTop, 183);
    EXPECT_EQ(s().red.direction, 0.0);
    EXPECT_DOUBLE_EQ(s().black.direction, sim::kPi);
    // the next run starts where the pucks are shown
    EXPECT_EQ(s().sampleLog.positions[1].redX, 194.0);
    EXPECT_EQ(s().sampleLog.positions[1].blackY, 188.0);
    EXPECT_EQ(s().sampleLog.velocities[1].redDirection, 0.0);
    runTicks(2);
    EXPECT_NEAR(s().sampleLog.positions[2].redX, 199.0, 1e-9);
}

TEST_F(ResetTest, TableAngleTiltsWithoutRedrawing)
{
    const QImage before = image().image().copy();
    c().tableangsb->setValue(500);
    EXPECT_EQ(c().tableanglb->text(), QStringLiteral("Table Angle: 5.00\u00BA"));
    EXPECT_NEAR(s().tiltAccel, 1708.23, 0.01);
    EXPECT_EQ(s().pushAccel, 0.0);
    EXPECT_EQ(image().image(), before);
    c().tableangsb->setValue(1000);
    EXPECT_EQ(c().tableanglb->text(), QStringLiteral("Table Angle: 10.00\u00BA"));
}

TEST_F(ResetTest, TableAngleInOneDIsAForce)
{
    window->rules().rememberModes(1, 2);   // 1-D, without the switch's own reset of the bar
    s().dimension = 1;
    c().tableangsb->setValue(25);
    EXPECT_EQ(c().tableanglb->text(), "Force: 2.5 N [R]");
    EXPECT_DOUBLE_EQ(s().pushAccel, 25.0);
    EXPECT_EQ(s().tiltAccel, 0.0);
    c().tableangsb->setValue(0);
    EXPECT_EQ(c().tableanglb->text(), "Force: 0.0 N [R]");
}
