#include "table_fixture.h"

class RunControlTest : public TableTest {};

TEST_F(RunControlTest, StartStopContinueKeepsTheTick)
{
    c().Startbt->click();
    EXPECT_TRUE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Stop");
    EXPECT_TRUE(c().measurecb->isEnabled());
    EXPECT_TRUE(c().Prorb->isEnabled());
    EXPECT_TRUE(c().printtrbt->isEnabled());
    EXPECT_FALSE(c().puck1->isVisibleTo(window.get()));
    EXPECT_FALSE(c().blackansh->isVisibleTo(window.get()));
    runTicks(7);
    c().Startbt->click();
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Continue");
    EXPECT_EQ(s().tick, 8);
    c().Startbt->click();
    EXPECT_EQ(c().Startbt->text(), "&Stop");
    EXPECT_EQ(s().tick, 8);
    runTicks(1);
    EXPECT_EQ(s().tick, 9);
}

TEST_F(RunControlTest, TimeLabelAndTimeLineFollowTheTick)
{
    runEvents(1);
    EXPECT_EQ(c().Timelb->text(), "Time:  0.05 s");   // tick 1 shown during the run
    runEvents(4);
    EXPECT_EQ(c().Timelb->text(), "Time:  0.10 s");
    runTicks(3);
    EXPECT_EQ(c().Timesb->maximum(), 4);
    EXPECT_EQ(c().Timesb->value(), 1);   // the thumb stays at the left
    // five wide with two decimals, widening past 99.95 s
    EXPECT_EQ(window->runControl().timeText(1), "Time:  0.05 s");
    EXPECT_EQ(window->runControl().timeText(1999), "Time: 99.95 s");
    EXPECT_EQ(window->runControl().timeText(2000), "Time: 100.00 s");
}

TEST_F(RunControlTest, RunStopsAtTheTickLimit)
{
    runEvents(1);
    s().tick = 9999;
    window->runControl().timerEvent();
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Continue");
    EXPECT_EQ(s().tick, 9998);   // and one more step was made, mid-tick
    EXPECT_EQ(s().viewTick, 9998);
    // Continue stops again at the first event that finds the limit
    s().tick = 9999;
    c().Startbt->click();
    window->runControl().timerEvent();
    EXPECT_FALSE(c().colltimer->isActive());
}

TEST_F(RunControlTest, ComputerSpeedSetsIntervalAndEvents)
{
    c().speedSlow->trigger();
    EXPECT_EQ(c().colltimer->interval(), 50);
    EXPECT_EQ(s().eventsPerTick, 1);
    EXPECT_EQ(c().speedMenu->title(), "Computer Speed: S");
    c().speedMedium->trigger();
    EXPECT_EQ(s().eventsPerTick, 2);
    EXPECT_EQ(c().speedMenu->title(), "Computer Speed: M");
    runTicks(10);
    EXPECT_EQ(s().tick, 11);
    EXPECT_NEAR(s().red.x, 189.0 + 50.0, 1e-9);   // 0.5 s at 5 cm/s, 20 px/cm
}

TEST_F(RunControlTest, ResetDuringARunStopsItWithStart)
{
    runTicks(5);
    c().Resetbt->click();
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Start");
    EXPECT_FALSE(c().measurecb->isEnabled());
    EXPECT_FALSE(c().printtrbt->isEnabled());
    EXPECT_EQ(s().tick, 1);
    EXPECT_EQ(s().red.x, 189.0);
    EXPECT_TRUE(c().puck1->isVisibleTo(window.get()));
    EXPECT_TRUE(c().puck2->isVisibleTo(window.get()));
}

TEST_F(RunControlTest, SpeedBarsDuringSetUpRedrawTheArrow)
{
    const QImage before = image().image().copy();
    c().v1sb->setValue(120);
    EXPECT_EQ(c().v1lb->text(), "Velocity 1: 12.0 cm/s");
    EXPECT_EQ(s().red.speed, 12.0);
    // same direction, same arrow: the picture does not change with speed
    EXPECT_EQ(image().image(), before);
    c().v1sb->setValue(0);
    EXPECT_NE(image().image(), before);   // no arrow for a speed of 0
}

TEST_F(RunControlTest, MassAndChargeLabels)
{
    c().m1sb->setValue(1);
    EXPECT_EQ(c().m1lb->text(), "Mass 1: 0.1 kg");
    EXPECT_DOUBLE_EQ(s().red.mass, 0.1);
    c().m2sb->setValue(125);
    EXPECT_EQ(c().m2lb->text(), "Mass 2: 12.5 kg");
    c().c1sb->setValue(-5);
    EXPECT_EQ(c().c1lb->text(), "Charge: -0.5");
    c().c1sb->setValue(0);
    EXPECT_EQ(c().c1lb->text(), "Charge: 0.0");
    c().c1sb->setValue(-15);
    EXPECT_EQ(c().c1lb->text(), "Charge: -1.5");
    c().c2sb->setValue(25);
    EXPECT_EQ(c().c2lb->text(), "Charge: 2.5");
}

TEST_F(RunControlTest, InteractionEntriesSetPercentAndVisibility)
{
    c().Inelastic1->trigger();
    EXPECT_TRUE(c().Inelastic1->isChecked());
    EXPECT_FALSE(c().Elastic1->isChecked());
    EXPECT_EQ(s().elasticPercent, 0);
    EXPECT_EQ(s().interactionMode, sim::Interaction::Inelastic);
    EXPECT_FALSE(c().persb->isVisibleTo(window.get()));
    c().SemiElastic1->trigger();
    EXPECT_EQ(s().elasticPercent, 50);
    EXPECT_TRUE(c().persb->isVisibleTo(window.get()));
    EXPECT_TRUE(c().percentlb->isVisibleTo(window.get()));
    EXPECT_EQ(c().percentlb->text(), "50% Elastic collision");
    c().persb->setValue(0);
    EXPECT_EQ(s().elasticPercent, 0);
    c().Elastic1->trigger();
    EXPECT_TRUE(c().Elastic1->isChecked());
    EXPECT_FALSE(c().SemiElastic1->isChecked());
    EXPECT_EQ(s().elasticPercent, 100);
    // choosing the checked entry again keeps it checked
    c().Elastic1->trigger();
    EXPECT_TRUE(c().Elastic1->isChecked());
}

TEST_F(RunControlTest, InteractionEntryDuringARunResets)
{
    runTicks(4);
    c().Inelastic1->trigger();
    EXPECT_EQ(s().tick, 1);
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Start");
}

TEST_F(RunControlTest, InelasticRunRecordsThePairTouching)
{
    c().Inelastic1->trigger();
    runTicks(60);
    EXPECT_TRUE(s().collided);
    const sim::PositionSample& e = s().sampleLog.positions[55];
    EXPECT_NEAR(e.blackX - e.redX, 24.0, 1e-9);
    EXPECT_NEAR(s().red.speed, 2.5, 1e-12);
}

TEST_F(RunControlTest, AfterTheTickLimitTheTimeLineRedrawsAsAfterStop)
{
    for (QAction* speed : {c().speedFast, c().speedMedium}) {
        c().Resetbt->click();
        c().cbfreq->setCurrentIndex(5);
        speed->trigger();
        runTicks(40);
        s().tick = 9999;
        window->runControl().timerEvent();
        ASSERT_FALSE(c().colltimer->isActive());
        const QImage atLimit = image().image();
        c().Timesb->setValue(10);
        EXPECT_EQ(s().viewTick, 10);
        const QImage atTen = image().image();
        EXPECT_NE(atTen, atLimit);
        // the same picture as after an ordinary Stop at that point
        c().Resetbt->click();
        runTicks(40);
        c().Startbt->click();
        c().Timesb->setValue(10);
        EXPECT_EQ(image().image(), atTen);
        // and the frequency list redraws too
        c().cbfreq->setCurrentIndex(0);
        EXPECT_NE(image().image(), atTen);
    }
}
