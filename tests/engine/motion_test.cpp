#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/motion.h"

using namespace sim;

namespace {
std::unique_ptr<SimState> standardState()
{
    // the start-up set-up: pucks at 189 and 379, top 183, handles 50 px out
    auto s = std::make_unique<SimState>();
    s->red.x = 189;
    s->red.y = 183;
    s->black.x = 379;
    s->black.y = 183;
    s->red.speed = 5.0;
    s->redHandleLeft = 263;
    s->redHandleTop = 192;
    s->blackHandleLeft = 329;
    s->blackHandleTop = 192;
    return s;
}
}   // namespace

TEST(Directions, StartUpHandlesGiveZeroAndPi)
{
    auto s = standardState();
    computeDirections(*s, 7);
    EXPECT_DOUBLE_EQ(s->red.direction, 0.0);
    EXPECT_DOUBLE_EQ(s->black.direction, kPi);
    EXPECT_DOUBLE_EQ(s->redStartDirection, 0.0);
    EXPECT_DOUBLE_EQ(s->blackStartDirection, kPi);
}

TEST(Directions, QuadrantsAndVerticals)
{
    PuckState p;
    p.x = 189;
    p.y = 183;
    p.radius = 12;   // centre (201, 195)
    // handle centre = left/top + 3
    EXPECT_DOUBLE_EQ(directionFromHandle(p, 198, 100, 3), kPi / 2);   // straight above
    EXPECT_DOUBLE_EQ(directionFromHandle(p, 198, 300, 3), 3 * kPi / 2);   // straight below
    EXPECT_DOUBLE_EQ(directionFromHandle(p, 198, 192, 3), kPi / 2);   // on the centre
    EXPECT_LT(directionFromHandle(p, 250, 250, 3), 0.0);   // lower right
    EXPECT_NEAR(directionFromHandle(p, 148, 142, 3), 3 * kPi / 4, 1e-12);   // upper left
    EXPECT_NEAR(directionFromHandle(p, 148, 242, 3), 5 * kPi / 4, 1e-12);   // lower left
}

TEST(Directions, OneMassGivesBlackTheRedDirection)
{
    auto s = standardState();
    s->massCount = 1;
    s->redHandleLeft = 198;
    s->redHandleTop = 100;
    computeDirections(*s, 7);
    EXPECT_DOUBLE_EQ(s->black.direction, kPi / 2);
    EXPECT_DOUBLE_EQ(s->blackStartDirection, kPi / 2);
}

TEST(MoveStep, MovesByScaleSpeedAndInterval)
{
    auto s = standardState();
    s->red.direction = kPi / 2;   // up the screen
    s->black.speed = 2.0;
    s->black.direction = kPi;
    moveStep(*s);
    // 20 px/cm * 5 cm/s * 10 ms = 1 px
    EXPECT_NEAR(s->red.x, 189.0, 1e-12);
    EXPECT_NEAR(s->red.y, 182.0, 1e-12);
    EXPECT_NEAR(s->black.x, 378.6, 1e-12);
    EXPECT_NEAR(s->black.y, 183.0, 1e-12);
    EXPECT_EQ(s->sampleLog.velocities[1].redSpeed, 5.0);
    EXPECT_EQ(s->sampleLog.velocities[1].blackDirection, kPi);
}

TEST(MoveStep, OneDMovesOnlyAlongX)
{
    auto s = standardState();
    s->dimension = 1;
    s->red.direction = kPi / 3;
    moveStep(*s);
    EXPECT_NEAR(s->red.x, 189.0 + std::cos(kPi / 3), 1e-12);
    EXPECT_EQ(s->red.y, 183.0);
}

TEST(MoveStep, SpeedZeroStaysAndStillRecords)
{
    auto s = standardState();
    s->red.speed = 0.0;
    s->red.direction = 1.25;
    s->tick = 7;
    moveStep(*s);
    EXPECT_EQ(s->red.x, 189.0);
    EXPECT_EQ(s->sampleLog.velocities[7].redDirection, 1.25);
}

TEST(MoveStep, OverlapAtStartIsCheckedAtFirstStep)
{
    auto s = standardState();
    s->red.speed = 0.0;
    s->black.x = 200;   // overlapping the red puck
    moveStep(*s);
    EXPECT_EQ(s->collisionTick, 1);
    EXPECT_TRUE(s->collided);
}

TEST(DisplayOffset, TiltBendsSampleElevenBy213Pixels)
{
    auto s = standardState();
    s->tiltAccel = tiltAccelFor(500, 20.0);
    EXPECT_NEAR(s->tiltAccel, 1708.23, 0.01);
    const Offset o = displayOffset(*s, 11);
    EXPECT_NEAR(o.y, 213.53, 0.01);
    EXPECT_EQ(o.x, 0.0);
    EXPECT_EQ(displayOffset(*s, 1).y, 0.0);
}

TEST(DisplayOffset, TenDegreesOneSecondIsAbout1701Pixels)
{
    auto s = standardState();
    s->tiltAccel = tiltAccelFor(1000, 20.0);
    EXPECT_NEAR(displayOffset(*s, 21).y, 1701.7, 0.05);
}

TEST(DisplayOffset, SameTimeAtEveryComputerSpeed)
{
    auto s = standardState();
    s->pushAccel = pushAccelFor(25, 20.0, 20);
    EXPECT_DOUBLE_EQ(s->pushAccel, 25.0);
    const double fast = displayOffset(*s, 21).x;
    s->intervalMs = 50;
    s->eventsPerTick = 1;
    EXPECT_DOUBLE_EQ(displayOffset(*s, 21).x, fast);
    EXPECT_DOUBLE_EQ(fast, 12.5);
}

TEST(RecordSample, CentresInImageCoordinates)
{
    auto s = standardState();
    s->tick = 3;
    recordSample(*s);
    const PositionSample& e = s->sampleLog.positions[3];
    EXPECT_EQ(e.redX, 194.0);
    EXPECT_EQ(e.redY, 188.0);
    EXPECT_EQ(e.blackX, 384.0);
    EXPECT_EQ(e.blackY, 188.0);
}

TEST(RecordSample, StuckPairSitsAroundItsCentreOfMass)
{
    auto s = standardState();
    s->collided = true;
    s->elasticPercent = 0;
    s->red.x = 307;
    s->red.y = 107;   // centre of mass, panel
    s->red.mass = 1.0;
    s->black.mass = 3.0;
    s->black.direction = kPi / 2;   // black straight above red
    recordSample(*s);
    const PositionSample& e = s->sampleLog.positions[1];
    // D = 24: red 18 below the centre, black 6 above
    EXPECT_NEAR(e.redX, 300.0, 1e-9);
    EXPECT_NEAR(e.redY, 118.0, 1e-9);
    EXPECT_NEAR(e.blackX, 300.0, 1e-9);
    EXPECT_NEAR(e.blackY, 94.0, 1e-9);
}
