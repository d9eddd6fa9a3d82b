#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/headless_run.h"
#include "engine/motion.h"
#include "engine/run.h"

using namespace sim;

namespace {
// Stands in for the window: records what the renderer would see.
class RecordingHost : public RunHost {
public:
    explicit RecordingHost(SimState& s) : s_(s) {}
    void renderTrace() override
    {
        if (s_.stepPhase == 0) {
            recordSample(s_);
            drawnTicks.push_back(s_.tick);
        }
    }
    void circleStep() override { ++circleSteps; }
    void stopAtLimit() override { ++stops; }
    std::vector<int> drawnTicks;
    int stops = 0;
    int circleSteps = 0;

private:
    SimState& s_;
};

std::unique_ptr<SimState> runningState(int intervalMs)
{
    auto s = std::make_unique<SimState>();
    s->red.x = 189;
    s->red.y = 183;
    s->red.speed = 5.0;
    s->black.x = 379;
    s->black.y = 183;
    s->black.direction = kPi;
    s->intervalMs = intervalMs;
    s->eventsPerTick = eventsPerTickFor(intervalMs);
    recordSample(*s);
    return s;
}

void timerEvent(SimState& s, RecordingHost& h)
{
    s.viewTick = s.tick;
    runStep(s, h);
}
}   // namespace

TEST(RunRhythm, EventsPerTickAtEachComputerSpeed)
{
    EXPECT_EQ(eventsPerTickFor(50), 1);
    EXPECT_EQ(eventsPerTickFor(25), 2);
    EXPECT_EQ(eventsPerTickFor(10), 5);
    for (int interval : {10, 25, 50}) {
        auto s = runningState(interval);
        RecordingHost h(*s);
        const int events = 20 * s->eventsPerTick;   // one simulated second
        for (int i = 0; i < events; ++i)
            timerEvent(*s, h);
        EXPECT_EQ(s->tick, 21) << interval;
        EXPECT_EQ(h.drawnTicks.size(), 20u) << interval;
        EXPECT_EQ(h.drawnTicks.front(), 1);
        EXPECT_EQ(h.drawnTicks.back(), 20);
        // 5 cm/s at 20 px/cm for one second, whatever the speed
        EXPECT_NEAR(s->red.x, 189.0 + 100.0, 1e-9) << interval;
    }
}

TEST(RunRhythm, SampleIsTakenAtTheStartOfItsTick)
{
    auto s = runningState(10);
    RecordingHost h(*s);
    for (int i = 0; i < 5 * 3; ++i)
        timerEvent(*s, h);
    // entry n is the state at time (n - 1) * 0.05 s: 5 px per tick
    EXPECT_NEAR(s->sampleLog.positions[1].redX, 194.0, 1e-9);
    EXPECT_NEAR(s->sampleLog.positions[2].redX, 199.0, 1e-9);
    EXPECT_NEAR(s->sampleLog.positions[3].redX, 204.0, 1e-9);
}

TEST(RunRhythm, ChangingSpeedMidTickKeepsTheTickLength)
{
    auto s = runningState(10);
    RecordingHost h(*s);
    for (int i = 0; i < 3; ++i)
        timerEvent(*s, h);
    EXPECT_EQ(s->stepPhase, 3);
    s->intervalMs = 25;
    s->eventsPerTick = 2;
    timerEvent(*s, h);   // (3 + 1) mod 2 = 0 ends the tick
    EXPECT_EQ(s->stepPhase, 0);
    EXPECT_EQ(s->tick, 2);
}

TEST(RunRhythm, TimeLineAt999HoldsTheTick)
{
    auto s = runningState(50);
    RecordingHost h(*s);
    s->timeLine = 999;   // the clock is the run's own, not a widget's
    for (int i = 0; i < 4; ++i)
        timerEvent(*s, h);
    EXPECT_EQ(s->tick, 1);
    EXPECT_NEAR(s->red.x, 189.0 + 4 * 5.0, 1e-9);   // pucks still move
    s->timeLine = 998;
    timerEvent(*s, h);
    EXPECT_EQ(s->tick, 2);
}

TEST(RunRhythm, NoModeMeansNoMotionButTimeGoesOn)
{
    auto s = runningState(50);
    s->interactionMode = Interaction::None;
    RecordingHost h(*s);
    for (int i = 0; i < 10; ++i)
        timerEvent(*s, h);
    EXPECT_EQ(s->red.x, 189.0);
    EXPECT_EQ(s->tick, 11);
}

TEST(RunRhythm, HeadOnRunSplitsBeforeAndAfter)
{
    auto s = runningState(10);
    RecordingHost h(*s);
    for (int i = 0; i < 5 * 60; ++i)
        timerEvent(*s, h);
    // 166 px of gap at 5 px per tick: contact during tick 34
    EXPECT_EQ(s->collisionTick, 34);
    EXPECT_TRUE(s->collided);
    EXPECT_NEAR(s->red.speed, 0.0, 1e-12);
    EXPECT_NEAR(s->black.speed, 5.0, 1e-12);
    EXPECT_NEAR(s->sampleLog.velocities[59].blackSpeed, 5.0, 1e-12);
}

TEST(RunRhythm, InelasticRunMovesThePairAt2Point5)
{
    auto s = runningState(10);
    s->interactionMode = Interaction::Inelastic;
    s->elasticPercent = 0;
    RecordingHost h(*s);
    for (int i = 0; i < 5 * 60; ++i)
        timerEvent(*s, h);
    EXPECT_TRUE(s->collided);
    const PositionSample& a = s->sampleLog.positions[50];
    const PositionSample& b = s->sampleLog.positions[51];
    EXPECT_NEAR(b.redX - a.redX, 2.5, 1e-9);   // 2.5 cm/s = 2.5 px per tick
    EXPECT_NEAR(b.blackX - a.redX, 2.5 + 24.0, 1e-9);
}

TEST(RunRhythm, PlottingErrorPerturbsTheViewedSampleByAtMostOnePerEvent)
{
    auto s = runningState(10);
    s->plottingError = true;
    RecordingHost h(*s);
    for (int i = 0; i < 5 * 40; ++i)
        timerEvent(*s, h);
    bool moved = false;
    for (int n = 2; n < 30; ++n) {   // before the contact
        const double exact = 194.0 + 5.0 * (n - 1);
        const double d = s->sampleLog.positions[static_cast<size_t>(n)].redX - exact;
        EXPECT_LE(std::abs(d), 5.0) << n;
        EXPECT_EQ(d, std::floor(d));
        moved = moved || d != 0.0;
    }
    EXPECT_TRUE(moved);
}

TEST(HeadlessRun, StartsContinuesAndStopsAtTheTickLimitAsTheWindowDoes)
{
    std::unique_ptr<SimState> s = runningState(10);
    s->minSpringGap = 3.0;
    HeadlessRun run(*s);
    run.start();
    EXPECT_TRUE(run.running());
    EXPECT_EQ(s->minSpringGap, 1000.0);
    run.runThrough(40);
    EXPECT_EQ(s->tick, 41);
    EXPECT_EQ(s->stepPhase, 0);
    run.start();   // Stop
    EXPECT_FALSE(run.running());
    run.runThrough(100);
    EXPECT_EQ(s->tick, 41);   // nothing moves while stopped
    run.start();   // Continue
    run.runThrough(kTickCeiling);
    EXPECT_FALSE(run.running());   // the limit stopped it
    EXPECT_EQ(s->tick, kMaxTick);
    EXPECT_EQ(s->viewTick, kMaxTick);
    EXPECT_EQ(s->stepPhase, 0);   // back at a tick's start
    // every tick to the limit was recorded
    EXPECT_NEAR(s->sampleLog.positions[kMaxTick].redX, s->sampleLog.positions[kMaxTick - 1].redX, 1.0);
}

TEST(HeadlessRun, InOneDTheBlackPuckKeepsTheRedRowUnlessArrowsShow)
{
    for (bool arrows : {false, true}) {
        std::unique_ptr<SimState> s = runningState(50);
        s->dimension = 1;
        s->black.y = 150;
        HeadlessRun run(*s, arrows);
        run.start();
        run.runThrough(3);
        EXPECT_EQ(s->black.y, arrows ? 150 : s->red.y) << arrows;
    }
}

TEST(RunEvent, TheLimitStopsTheRunBeforeTheLastStep)
{
    std::unique_ptr<SimState> s = runningState(10);
    RecordingHost h(*s);
    s->tick = kMaxTick + 1;
    s->stepPhase = 3;
    runEvent(*s, h);
    EXPECT_EQ(h.stops, 1);
    EXPECT_EQ(s->tick, kMaxTick);
    EXPECT_EQ(s->stepPhase, 0);
}
