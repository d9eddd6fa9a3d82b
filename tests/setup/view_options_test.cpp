#include "table_fixture.h"

#include "setup/view_options.h"
#include "view/table_picture.h"

class ViewOptionsTest : public TableTest {};

TEST_F(ViewOptionsTest, CentreGroupBeforeARunDrawsNothing)
{
    const QImage before = image().image().copy();
    c().Centerofmass1->trigger();
    EXPECT_TRUE(c().Centerofmass1->isChecked());
    EXPECT_EQ(image().image(), before);
    c().tracecb->trigger();
    EXPECT_FALSE(c().tracecb->isChecked());
    EXPECT_EQ(image().image(), before);
}

TEST_F(ViewOptionsTest, ColourGroupRedrawsTheTraceEvenBeforeARun)
{
    const QImage before = image().image().copy();
    c().ShowScale1->trigger();
    EXPECT_TRUE(c().ShowScale1->isChecked());
    EXPECT_NE(image().image(), before);
    // the trace picture of tick 1: no aiming lines any more
    EXPECT_EQ(px(350, 188), white());
}

TEST_F(ViewOptionsTest, GridGroupBeforeAndAfterARun)
{
    c().ShowGrid1->trigger();
    // set-up drawing over the grid: the aiming line is still there
    EXPECT_EQ(px(400, 188), red());
    c().ShowGrid1->trigger();
    EXPECT_EQ(px(0, 50), white());
    runTicks(3);
    c().ShowGrid1->trigger();
    EXPECT_EQ(px(0, 50), black());
    EXPECT_NE(px(400, 188), red());   // the trace, not the set-up
}

TEST_F(ViewOptionsTest, CircleSizesResizeThePucks)
{
    c().circleMedium->trigger();
    EXPECT_EQ(c().circleSizeMenu->title(), "Circle Size: M");
    EXPECT_EQ(c().puck1->size(), QSize(31, 31));
    EXPECT_EQ(s().red.radius, 15);
    EXPECT_EQ(c().puck1->pos(), QPoint(189, 183));   // top-left kept
    c().circleLarge->trigger();
    EXPECT_EQ(c().puck2->width(), 38);
    EXPECT_EQ(s().black.radius, 19);
    c().circleBlackSmall->trigger();
    EXPECT_EQ(c().circleSizeMenu->title(), "Circle Size: B");
    EXPECT_EQ(c().puck1->width(), 24);
    EXPECT_EQ(c().puck2->width(), 7);
    EXPECT_EQ(s().red.radius, 12);
    EXPECT_EQ(s().black.radius, 3);
    EXPECT_EQ(window->model().circleSize, -2);
}

TEST_F(ViewOptionsTest, CircleSizeInOneDChangesOnlyTheCaption)
{
    c().type1D->trigger();
    const int side = c().puck1->width(), radius = s().red.radius;
    c().circleLarge->trigger();
    EXPECT_EQ(c().circleSizeMenu->title(), "Circle Size: L");
    EXPECT_EQ(window->model().circleSize, 2);
    EXPECT_EQ(c().puck1->width(), side);
    EXPECT_EQ(s().red.radius, radius);
}

TEST_F(ViewOptionsTest, ScaleFollowsTheTiltWithoutRedrawing)
{
    c().tableangsb->setValue(300);
    const double medium = s().tiltAccel;
    const QImage before = image().image().copy();
    c().scaleSmall->trigger();
    EXPECT_EQ(s().scale, 50.0);
    EXPECT_EQ(c().scaleMenu->title(), "Scale: Small");
    EXPECT_NEAR(s().tiltAccel, 2.5 * medium, 1e-9);
    EXPECT_EQ(image().image(), before);
    c().scaleLarge->trigger();
    EXPECT_EQ(s().scale, 5.0);
    EXPECT_EQ(c().scaleMenu->title(), "Scale: Large");
}

TEST_F(ViewOptionsTest, LargeScaleBarIsFiftyPixels)
{
    c().scaleLarge->trigger();
    c().ShowGrid1->trigger();
    c().ShowGrid1->trigger();   // redraw the set-up
    c().ShowScale1->trigger();
    c().Resetbt->click();   // the set-up with its scale bar
    EXPECT_EQ(px(60, 18), red());
    EXPECT_EQ(px(30, 20), red());
    EXPECT_EQ(px(61, 18), white());
}

TEST_F(ViewOptionsTest, DotSizeResizesTheHandles)
{
    c().dotLarge->trigger();
    EXPECT_EQ(c().dotSizeMenu->title(), "\"Dot\" Size: (Large)");
    EXPECT_EQ(c().redansh->size(), QSize(9, 9));
    EXPECT_EQ(c().blackansh->size(), QSize(9, 9));
    EXPECT_EQ(window->model().dotSize, 9);
    c().dotNormal->trigger();
    EXPECT_EQ(c().redansh->width(), 7);
}

TEST_F(ViewOptionsTest, SpeedCaptionsFollowTheUnitOfTheMode)
{
    c().masses1->trigger();
    c().type1D->trigger();
    EXPECT_EQ(c().v1lb->text(), "Velocity 1: 5.0 m/s");
    EXPECT_EQ(c().v2lb->text(), "Velocity 2: 5.0 m/s");   // with one mass it follows the red bar
    c().masses2->trigger();
    EXPECT_EQ(c().v1lb->text(), "Velocity 1: 5.0 cm/s");
}

TEST_F(ViewOptionsTest, PlottingErrorTogglesAndRedraws)
{
    const QImage before = image().image().copy();
    c().PlottingError1->trigger();
    EXPECT_TRUE(s().plottingError);
    EXPECT_NE(image().image(), before);
}

TEST(Grid, FifteenColumnsTenRowsInAFrame)
{
    Canvas g(759, 367);
    drawGrid(g);
    const QRgb grey = qRgb(128, 128, 128);
    EXPECT_EQ(g.pixel(0, 100), qRgb(0, 0, 0));
    EXPECT_EQ(g.pixel(758, 100), qRgb(0, 0, 0));
    EXPECT_EQ(g.pixel(50, 2), grey);   // 759 * 1 / 15
    EXPECT_EQ(g.pixel(708, 2), grey);   // the last vertical line
    EXPECT_EQ(g.pixel(2, 330), grey);   // the last horizontal line
    EXPECT_EQ(g.pixel(2, 36), grey);   // 367 * 1 / 10
    EXPECT_EQ(g.pixel(51, 3), qRgb(255, 255, 255));
}

TEST_F(ViewOptionsTest, CircleSizeDuringARunLeavesTheCourseAlone)
{
    c().v2sb->setValue(200);
    runTicks(20);
    const double redDir = s().red.direction, blackDir = s().black.direction;
    const double redSpeed = s().red.speed, blackSpeed = s().black.speed;
    c().circleMedium->trigger();
    EXPECT_EQ(c().circleSizeMenu->title(), "Circle Size: M");
    EXPECT_EQ(window->model().circleSize, 1);
    EXPECT_EQ(c().puck1->width(), 31);
    EXPECT_EQ(s().red.radius, 15);
    EXPECT_EQ(s().black.radius, 15);
    EXPECT_EQ(s().red.direction, redDir);
    EXPECT_EQ(s().black.direction, blackDir);
    EXPECT_EQ(s().red.speed, redSpeed);
    EXPECT_EQ(s().black.speed, blackSpeed);
    c().Startbt->click();   // paused, the same
    c().circleLarge->trigger();
    EXPECT_EQ(s().red.direction, redDir);
    EXPECT_EQ(s().black.direction, blackDir);
    // back in the set-up state the handles aim again
    c().Resetbt->click();
    c().circleSmall->trigger();
    EXPECT_NEAR(s().red.direction, 0.0, 1e-9);
    EXPECT_NEAR(s().black.direction, sim::kPi, 1e-9);
}
