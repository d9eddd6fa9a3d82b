#include "table_fixture.h"

class ModeSwitchTest : public TableTest {};

TEST_F(ModeSwitchTest, OneDMakesSquaresRecentresAndPushes)
{
    c().circleMedium->trigger();
    c().tableangsb->setValue(400);
    s().red.startLeft = 50;
    c().Resetbt->click();
    c().type1D->trigger();
    EXPECT_EQ(c().typeMenu->title(), "&Type: 1-D");
    EXPECT_EQ(window->model().dimension, 1);
    EXPECT_EQ(c().puck1->kind(), MovableShape::Kind::Square);
    EXPECT_EQ(c().puck1->size(), QSize(48, 48));
    EXPECT_EQ(c().puck2->size(), QSize(48, 48));
    EXPECT_EQ(s().red.radius, 24);
    EXPECT_EQ(c().puck1->pos(), QPoint(189, 183));   // recentred
    EXPECT_EQ(c().tableangsb->maximum(), 100);
    EXPECT_EQ(c().tableangsb->value(), 0);
    EXPECT_EQ(c().tableanglb->text(), "Force: 0.0 N [R]");
    EXPECT_EQ(s().tiltAccel, 0.0);
    EXPECT_STREQ(window->model().unitText(), " cm");   // two masses still
    EXPECT_FALSE(c().ShowForce1->isVisible());
}

TEST_F(ModeSwitchTest, BackToTwoDTakesTheCircleSize)
{
    c().circleMedium->trigger();
    c().type1D->trigger();
    c().type2D->trigger();
    EXPECT_EQ(c().typeMenu->title(), "&Type: 2-D");
    EXPECT_EQ(c().puck1->kind(), MovableShape::Kind::Circle);
    EXPECT_EQ(c().puck1->width(), 31);
    EXPECT_EQ(s().black.radius, 15);
    EXPECT_EQ(c().tableanglb->text(), QStringLiteral("Angle: 0.0\u00BA"));
    EXPECT_EQ(c().tableangsb->maximum(), 1000);
    c().type1D->trigger();
    c().circleBlackSmall->trigger();   // in 1-D: caption and value only
    EXPECT_EQ(c().puck2->width(), 48);
    c().type2D->trigger();
    EXPECT_EQ(c().puck1->width(), 24);
    EXPECT_EQ(c().puck2->width(), 7);
    EXPECT_EQ(s().black.radius, 3);
}

TEST_F(ModeSwitchTest, OneMassHidesTheBlackPuckAndDisablesInteractions)
{
    c().Inelastic1->trigger();
    c().v1sb->setValue(70);
    c().masses1->trigger();
    EXPECT_EQ(c().massesMenu->title(), "1 Mass");
    EXPECT_EQ(window->model().massCount, 1);
    EXPECT_TRUE(c().Elastic1->isChecked());
    EXPECT_FALSE(c().Inelastic1->isChecked());
    for (QAction* a : {c().Elastic1, c().Inelastic1, c().SemiElastic1, c().Circle1})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QWidget* w : {static_cast<QWidget*>(c().puck2), static_cast<QWidget*>(c().blackansh),
                       static_cast<QWidget*>(c().m2sb), static_cast<QWidget*>(c().v2lb)})
        EXPECT_TRUE(w->isHidden());
    EXPECT_FALSE(c().blackb->isVisible());
    EXPECT_FALSE(c().blackb->isChecked());
    EXPECT_FALSE(c().blackA->isVisible());
    EXPECT_FALSE(c().blackA->isChecked());
    EXPECT_EQ(c().v2sb->value(), 70);
    EXPECT_EQ(s().black.speed, 7.0);
    EXPECT_EQ(s().black.direction, s().red.direction);
    EXPECT_EQ(c().tableangsb->maximum(), 100);
    // the red speed bar drives the black one
    c().v1sb->setValue(90);
    EXPECT_EQ(c().v2sb->value(), 90);
}

TEST_F(ModeSwitchTest, OneDOneMassWorksInMetres)
{
    c().type1D->trigger();
    c().masses1->trigger();
    EXPECT_STREQ(window->model().unitText(), " m");
    EXPECT_EQ(c().v1lb->text(), "Velocity 1: 5.0 m/s");
    EXPECT_TRUE(c().ShowForce1->isVisible());
    EXPECT_TRUE(c().TraceBlock1->isVisible());
    c().tableangsb->setValue(25);
    EXPECT_DOUBLE_EQ(s().pushAccel, 25.0);
    c().m1sb->setValue(40);   // the red mass recomputes the push
    EXPECT_DOUBLE_EQ(s().pushAccel, 12.5);
    c().ShowScale1->trigger();
    // "10.0 m" at the end of the scale bar: ink right of x = 210
    bool ink = false;
    for (int x = 212; x < 240; ++x)
        ink = ink || px(x, 24) == black();
    EXPECT_TRUE(ink);
    c().type2D->trigger();
    EXPECT_STREQ(window->model().unitText(), " cm");
    EXPECT_FALSE(c().ShowForce1->isVisible());
}

TEST_F(ModeSwitchTest, TwoMassesAgainShowsAndEnablesWithoutReset)
{
    c().masses1->trigger();
    runAndPause(5);
    c().masses2->trigger();
    EXPECT_EQ(s().tick, 6);   // no Reset
    EXPECT_TRUE(c().Inelastic1->isEnabled());
    EXPECT_TRUE(c().Elastic1->isEnabled());
    EXPECT_TRUE(c().Circle1->isEnabled());
    EXPECT_TRUE(c().springMenu->menuAction()->isEnabled());
    EXPECT_TRUE(c().electroMenu->menuAction()->isEnabled());
    EXPECT_FALSE(c().m2sb->isHidden());
    EXPECT_FALSE(c().blackA->isChecked());
    EXPECT_TRUE(c().blackA->isVisible());
    // over the recorded run the markers stay hidden until Reset
    EXPECT_TRUE(c().puck2->isHidden());
    c().Resetbt->click();
    EXPECT_FALSE(c().puck2->isHidden());
    EXPECT_FALSE(c().blackansh->isHidden());
}

TEST_F(ModeSwitchTest, OneDTraceHasSquaresOnATrack)
{
    c().type1D->trigger();
    runTicks(2);
    // the track: 2 px black under the red block, across the whole image
    const int yt = int(s().sampleLog.positions[1].redY) + 24;
    EXPECT_EQ(px(3, yt), black());
    EXPECT_EQ(px(750, yt), black());
    // the red block's left side is a straight vertical edge
    const int left = int(s().sampleLog.positions[2].redX) - 24;
    for (int y = yt - 40; y < yt - 10; ++y)
        EXPECT_EQ(px(left, y), red()) << y;
}

TEST_F(ModeSwitchTest, RedMassInTwoDOneMassLeavesThePushAlone)
{
    c().masses1->trigger();
    c().tableangsb->setValue(50);   // an angle here, not a force
    c().m1sb->setValue(40);
    EXPECT_EQ(s().pushAccel, 0.0);
    EXPECT_GT(s().tiltAccel, 0.0);
}
