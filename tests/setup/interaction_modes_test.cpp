// The spring, electrostatic and circle modes in the window: entries,
// controls, labels and pictures.
#include "table_fixture.h"

#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "setup/puck_placer.h"

class InteractionModeTest : public TableTest {};

namespace {
bool redNear(const Canvas& cv, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (x + dx >= 0 && y + dy >= 0 && x + dx < cv.width() && y + dy < cv.height()
                && cv.pixel(x + dx, y + dy) == qRgb(255, 0, 0))
                return true;
    return false;
}
}   // namespace

TEST_F(InteractionModeTest, SpringEntriesSwitchToTheSpringBox)
{
    c().springInelastic->trigger();
    EXPECT_EQ(c().springMenu->title(), "1-D Spring: I");
    EXPECT_EQ(s().springKind, 4);
    EXPECT_EQ(window->model().dimension, 1);
    EXPECT_EQ(s().interactionMode, sim::Interaction::Spring1D);
    EXPECT_TRUE(c().springMenu->menuAction()->isChecked());
    for (QAction* a : {c().Elastic1, c().Inelastic1, c().SemiElastic1, c().Circle1, c().electroMenu->menuAction()})
        EXPECT_FALSE(a->isChecked());
    EXPECT_FALSE(c().springgb->isHidden());
    EXPECT_TRUE(c().tableangsb->isHidden());
    EXPECT_TRUE(c().tableanglb->isHidden());
    EXPECT_TRUE(c().persb->isHidden());
    EXPECT_EQ(c().puck1->width(), 48);
    c().springElastic->trigger();
    EXPECT_EQ(c().springMenu->title(), "1-D Spring: E");
    EXPECT_EQ(s().springKind, 3);

    c().ksb->setValue(25);
    EXPECT_EQ(c().klb->text(), "k: 25 N/m");
    EXPECT_EQ(s().springK, 25);
    c().lsb->setValue(60);
    EXPECT_EQ(c().llb->text(), "Length: 3.00 cm");
    EXPECT_EQ(s().springLength, 60);

    // another mode hides the box and brings the force bar back
    c().Elastic1->trigger();
    EXPECT_TRUE(c().springgb->isHidden());
    EXPECT_FALSE(c().tableangsb->isHidden());
    // and 2-D leaves the spring
    c().springElastic->trigger();
    c().type2D->trigger();
    EXPECT_FALSE(c().springMenu->menuAction()->isChecked());
    EXPECT_TRUE(c().Elastic1->isChecked());
}

TEST_F(InteractionModeTest, SpringSetUpShowsTheCompressionAndTheSpring)
{
    c().springElastic->trigger();
    // black 40 px beyond red's right edge (red 189..237)
    PuckPlacer& placer = window->puckPlacer();
    placer.buttonDown();
    placer.puckDrag(2, 277 - c().puck2->x() + 24, 24);
    placer.buttonUp();
    ASSERT_EQ(c().puck2->x(), 277);
    EXPECT_EQ(c().slb->text(), "Spring Compressed: 0.50 cm");
    // the spring: from the black block's left edge (image x 270), 39 px long, 7 px below its centre
    // (rows 206 and 207 of the 2-px line, and no other)
    EXPECT_EQ(px(250, 207), black());
    EXPECT_EQ(px(250, 206), black());
    EXPECT_EQ(px(250, 205), white());
    EXPECT_EQ(px(250, 208), white());
    EXPECT_EQ(px(231, 203), black());   // the end bar
    EXPECT_EQ(px(231, 211), black());
    EXPECT_EQ(px(228, 207), white());
    placer.buttonDown();
    placer.puckDrag(2, 297 - c().puck2->x() + 24, 24);
    placer.buttonUp();
    EXPECT_EQ(c().slb->text(), "Spring Compressed: 0.00 cm");
}

TEST_F(InteractionModeTest, ElasticSpringRunCompressesAndReleases)
{
    c().springElastic->trigger();
    bool compressed = false;
    for (int t = 0; t < 150; ++t) {
        runTicks(1);
        compressed = compressed || c().slb->text().startsWith("Spring Compressed: ");
    }
    EXPECT_TRUE(compressed);
    EXPECT_EQ(c().slb->text(), "Spring Compressed 0.00 cm");
    EXPECT_GT(s().black.speed, s().red.speed);
    c().Startbt->click();
    // the time line shows the compression at the end of the tick before
    int peak = 2;
    for (int t = 2; t < 150; ++t)
        if (s().sampleLog.compression[t] > s().sampleLog.compression[peak])
            peak = t;
    ASSERT_GT(s().sampleLog.compression[peak], 0.3);
    c().Timesb->setValue(peak + 1);
    EXPECT_EQ(c().slb->text(),
              "Spring Compressed: " + QString::fromStdString(num::F(s().sampleLog.compression[peak], 4, 2)) + " cm");
}

TEST_F(InteractionModeTest, InelasticSpringLocksWithEqualMasses)
{
    c().springInelastic->trigger();
    runTicks(200);
    EXPECT_NEAR(s().black.x - s().red.x - 48, 18.0, 1e-9);
    EXPECT_DOUBLE_EQ(s().red.speed, 2.5);
    EXPECT_DOUBLE_EQ(s().black.speed, 2.5);
    EXPECT_EQ(c().slb->text(), "Spring Compressed: 1.58 cm");
}

TEST_F(InteractionModeTest, ElectrostaticEntriesCaptionsRangeAndCharges)
{
    EXPECT_EQ(s().electroRange, 0);
    c().electro20->trigger();
    EXPECT_EQ(c().electroMenu->title(), "E&lectrostatic: 20");
    EXPECT_EQ(s().electroRange, 20);
    EXPECT_TRUE(c().electroMenu->menuAction()->isChecked());
    EXPECT_FALSE(c().c1sb->isHidden());
    EXPECT_FALSE(c().c2lb->isHidden());
    c().electroUnlimited->trigger();
    EXPECT_EQ(c().electroMenu->title(), "E&lectrostatic: Un");
    EXPECT_EQ(s().electroRange, 1000);
    c().c1sb->setValue(-15);
    EXPECT_EQ(c().c1lb->text(), "Charge: -1.5");
    EXPECT_EQ(s().redCharge, -15);
    c().Elastic1->trigger();
    EXPECT_TRUE(c().c1sb->isHidden());
}

TEST_F(InteractionModeTest, UnlikeChargesPullTheRestingPuckOver)
{
    c().electroUnlimited->trigger();
    c().c1sb->setValue(-100);
    c().v1sb->setValue(0);
    runTicks(30);
    EXPECT_LT(s().black.x, c().puck2->x() - 0.5);   // pulled left towards red
    EXPECT_GT(s().red.x, c().puck1->x() + 0.5);
    EXPECT_FALSE(s().collided);
}

TEST_F(InteractionModeTest, OneMassKeepsTheRangeAndSpringKindsEnabled)
{
    c().masses1->trigger();
    for (QAction* a : {c().Elastic1, c().Inelastic1, c().SemiElastic1, c().Circle1, c().springMenu->menuAction(),
                       c().electroMenu->menuAction()})
        EXPECT_FALSE(a->isEnabled());
    for (QAction* a :
         {c().electroUnlimited, c().electro100, c().electro50, c().electro20, c().springElastic, c().springInelastic})
        EXPECT_TRUE(a->isEnabled());
}

TEST_F(InteractionModeTest, ForceArrowAndBlockTrace)
{
    c().type1D->trigger();
    c().masses1->trigger();
    EXPECT_TRUE(c().ShowForce1->isVisible());
    // red block 48 px at panel (189, 183): drawn left edge 182, centre row 200
    c().tableangsb->setValue(100);   // 10.0 N: s = 24
    EXPECT_EQ(px(182, 200), black());
    EXPECT_EQ(px(182 - 84, 200), black());   // the tail, 7s/2 back
    EXPECT_EQ(px(182 - 24, 200 - 24), black());
    EXPECT_EQ(px(182 - 40, 200), white());   // hollow
    c().tableangsb->setValue(7);   // s = 11
    EXPECT_EQ(px(182 - 38, 200), black());
    EXPECT_EQ(px(182 - 84, 200), white());
    c().tableangsb->setValue(0);   // no arrow
    EXPECT_EQ(px(182 - 11, 200 - 11), white());
    c().ShowForce1->trigger();
    EXPECT_FALSE(c().ShowForce1->isChecked());
    c().tableangsb->setValue(100);
    EXPECT_EQ(px(182 - 84, 200), white());

    // the block trace: a red square at every strobe sample
    c().TraceBlock1->trigger();
    c().cbfreq->setCurrentIndex(4);   // 2 Hz
    runAndPause(25);
    const sim::PositionSample& e = s().sampleLog.positions[11];
    const sim::Offset g = sim::displayOffset(s(), 11);
    EXPECT_EQ(px(num::Trunc(e.redX - 24 + g.x), num::Trunc(e.redY)), red());
    // between ticks the force is still drawn: no other drawing happens then
    runEvents(1);
    EXPECT_NE(s().stepPhase, 0);
}

TEST_F(InteractionModeTest, CircleModeRunsOnTheCircleAndFollowsTheTimeLine)
{
    c().friction[2]->trigger();
    EXPECT_EQ(c().frictionMenu->title(), "Circle friction: (2)");
    EXPECT_EQ(s().circleFriction, 2);
    c().friction[0]->trigger();
    c().Circle1->trigger();
    EXPECT_FALSE(c().velsh->isHidden());
    EXPECT_EQ(c().velsh->pos(), QPoint(c().puck1->x() + 10, c().puck1->y()));
    EXPECT_TRUE(c().v1sb->isHidden());
    EXPECT_TRUE(c().puck2->isHidden());
    c().cbfreq->setCurrentIndex(0);
    window->puckPlacer().launch(24);   // 12.5 cm/s, clockwise
    for (int i = 0; i < 5 * 40; ++i)
        window->runControl().timerEvent();
    c().Startbt->click();
    // pivot at the red handle's centre; the puck starts 65 px to its left
    const int cx = c().redansh->x() + 3 - 7, cy = c().redansh->y() + 3 - 7;
    EXPECT_EQ(px(cx, cy), red());
    const double R = 65.0, step = 20 * 12.5 / R * 0.05;
    for (int i : {1, 5, 9, 21}) {
        const double psi = -step * i;
        EXPECT_TRUE(redNear(image(), cx - num::Trunc(R * std::cos(psi)), cy + num::Trunc(R * std::sin(psi)))) << i;
    }
    // the first quarter turn goes up on the screen: clockwise around the pivot on its right
    EXPECT_LT(cy + num::Trunc(R * std::sin(-step * 5)), cy);
    const QImage whole = image().image();
    c().Timesb->setValue(3);
    EXPECT_NE(image().image(), whole);
    c().cbfreq->setCurrentIndex(5);
    EXPECT_NE(image().image(), whole);
}

TEST_F(InteractionModeTest, CircleWithThePivotOnThePuckStaysStill)
{
    c().Circle1->trigger();
    // the handle onto the puck's centre: R = 0
    PuckPlacer& placer = window->puckPlacer();
    placer.buttonDown();
    placer.handleDrag(1, 201 - c().redansh->x(), 195 - c().redansh->y());
    placer.buttonUp();
    window->puckPlacer().launch(20);
    for (int i = 0; i < 5 * 20; ++i)
        window->runControl().timerEvent();
    // the puck is drawn around the pivot, covering its dot
    const int cx = c().redansh->x() + 3 - 7, cy = c().redansh->y() + 3 - 7;
    EXPECT_EQ(px(cx, cy), white());
    EXPECT_TRUE(redNear(image(), cx - 12, cy));
    EXPECT_TRUE(redNear(image(), cx + 11, cy));
    EXPECT_TRUE(redNear(image(), cx, cy - 12));
    EXPECT_TRUE(std::isfinite(s().red.direction));
}

// Slow motion waits four times as long between events around the contact,
// and the run's log is the same as at full pace.
TEST_F(TableTest, SlowMotionSlowsOnlyThePaceAroundTheContact)
{
    runEvents(800);   // the start-up shot at full pace, for comparison
    const sim::SampleLog fullPace = s().sampleLog;
    const int contact = s().collisionTick;
    ASSERT_LT(contact + sim::kSlowMargin, 160);   // the slow stretch lies within the events below
    c().Resetbt->click();
    c().slowMotion1->trigger();
    ASSERT_TRUE(window->room().clock().slowMotion);
    c().Startbt->click();
    const sim::SlowSpan span = window->room().clock().slow;
    EXPECT_EQ(span.from, contact - sim::kSlowMargin);
    std::vector<int> intervals;
    for (int i = 0; i < 800; ++i) {
        window->runControl().timerEvent();
        intervals.push_back(c().colltimer->interval());
    }
    for (int i = 0; i < 800; i += 5) {   // an event's tick is the one it leaves the run at
        const int tick = 1 + (i + 1) / 5;
        EXPECT_EQ(intervals[size_t(i)], span.contains(tick) ? 40 : 10) << tick;
    }
    for (int k = 1; k <= 160; ++k) {
        EXPECT_EQ(s().sampleLog.positions[size_t(k)].redX, fullPace.positions[size_t(k)].redX) << k;
        EXPECT_EQ(s().sampleLog.velocities[size_t(k)].blackSpeed, fullPace.velocities[size_t(k)].blackSpeed) << k;
    }
}

// View > Centre-of-Mass Frame draws the same run from its centre of mass,
// and off again gives the table's own picture back; one puck has none.
TEST_F(TableTest, TheCentreOfMassFrameRedrawsTheRunAndGivesItBack)
{
    runEvents(400);
    c().Startbt->click();   // paused
    const QImage lab = image().image();
    ASSERT_TRUE(c().cmFrame1->isEnabled());
    c().cmFrame1->trigger();
    EXPECT_TRUE(window->room().cmFrame());
    const QImage cm = image().image();
    EXPECT_NE(cm, lab);
    c().cmFrame1->trigger();
    EXPECT_EQ(image().image(), lab);
    c().masses1->trigger();   // one puck: nothing to ride on
    EXPECT_FALSE(c().cmFrame1->isEnabled());
    EXPECT_FALSE(c().cmFrame1->toolTip().isEmpty());
}
