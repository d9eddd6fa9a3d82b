#include "table_fixture.h"

#include "view/time_line.h"

class TimeLineTest : public TableTest {};

TEST_F(TimeLineTest, TimeLineLabelsAndTheShownTick)
{
    c().speedSlow->trigger();
    runAndPause(205);
    c().Timesb->setValue(21);
    EXPECT_EQ(c().Timelb->text(), "Time:  1.00 s");
    EXPECT_EQ(s().viewTick, 21);
    c().Timesb->setValue(201);
    EXPECT_EQ(c().Timelb->text(), "Time: 10.00 s");
    c().Timesb->setValue(1);
    EXPECT_EQ(c().Timelb->text(), "Time:  0.00 s");
    EXPECT_EQ(s().viewTick, 1);
    EXPECT_EQ(s().tick, 206);   // the log is untouched
}

TEST_F(TimeLineTest, SpringLabelFollowsTheTimeLine)
{
    c().springElastic->trigger();
    runAndPause(10);
    s().sampleLog.compression[4] = 0.35;
    c().Timesb->setValue(5);
    EXPECT_EQ(c().slb->text(), "Spring Compressed: 0.35 cm");
    c().Timesb->setValue(1);
    EXPECT_EQ(c().slb->text(), "Spring Compressed: 0.00 cm");
}

TEST_F(TimeLineTest, MovingOrEnteringTheTimeLinePausesARun)
{
    runTicks(10);
    c().Timesb->setValue(4);
    EXPECT_FALSE(c().colltimer->isActive());
    EXPECT_EQ(c().Startbt->text(), "&Continue");
    c().Startbt->click();
    window->timeLine().timeLineEntered();
    EXPECT_FALSE(c().colltimer->isActive());
}

TEST_F(TimeLineTest, ReplayRunsToTheEndAndReturnsToTickOne)
{
    c().dstartbt->click();   // nothing recorded yet: nothing happens
    EXPECT_FALSE(c().delaytimer1->isActive());
    EXPECT_EQ(c().dstartbt->text(), "Replay");
    runAndPause(6);
    c().dstartbt->click();
    EXPECT_TRUE(c().delaytimer1->isActive());
    EXPECT_EQ(c().dstartbt->text(), "Stop");
    for (int i = 0; i < 5; ++i)
        window->timeLine().replayTimerEvent();
    EXPECT_FALSE(c().delaytimer1->isActive());
    EXPECT_EQ(c().Timesb->value(), 1);
    EXPECT_EQ(s().viewTick, 1);
    EXPECT_EQ(c().dstartbt->text(), "Replay");
}

TEST_F(TimeLineTest, StopFreezesAReplayAndStartEndsIt)
{
    runAndPause(8);
    c().dstartbt->click();
    window->timeLine().replayTimerEvent();
    window->timeLine().replayTimerEvent();
    c().dstartbt->click();
    EXPECT_FALSE(c().delaytimer1->isActive());
    EXPECT_EQ(c().Timesb->value(), 3);
    c().dstartbt->click();
    c().Startbt->click();   // continuing the run stops the replay
    EXPECT_FALSE(c().delaytimer1->isActive());
    EXPECT_EQ(c().dstartbt->text(), "Replay");
    EXPECT_TRUE(c().colltimer->isActive());
    c().Startbt->click();
    c().dstartbt->click();
    c().Resetbt->click();   // Reset stops it too
    EXPECT_FALSE(c().delaytimer1->isActive());
}

TEST_F(TimeLineTest, ReplayPaceAndFrequencyList)
{
    c().replaysb->setValue(25);
    EXPECT_EQ(c().delaytimer1->interval(), 300);
    c().replaysb->setValue(0);
    EXPECT_EQ(c().delaytimer1->interval(), 50);
    runAndPause(30);
    const QImage oneHz = image().image().copy();
    c().cbfreq->setCurrentIndex(0);
    EXPECT_NE(image().image(), oneHz);
}
