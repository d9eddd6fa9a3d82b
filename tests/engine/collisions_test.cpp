#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/collisions.h"
#include "engine/motion.h"

using namespace sim;

namespace {
// Pucks with radius 12 placed by centre.
PuckState puckAt(double cx, double cy, double speed, double dir, double mass = 2.0)
{
    PuckState p;
    p.radius = 12;
    p.x = cx - 12;
    p.y = cy - 12;
    p.speed = speed;
    p.direction = dir;
    p.mass = mass;
    return p;
}

double vx(const PuckState& p)
{
    return p.speed * std::cos(p.direction);
}
double vy(const PuckState& p)
{
    return p.speed * std::sin(p.direction);
}
}   // namespace

TEST(LineOfCentres, DirectionsAndTheVerticalCase)
{
    EXPECT_DOUBLE_EQ(lineOfCentres(puckAt(0, 0, 0, 0), puckAt(24, 0, 0, 0)), 0.0);
    EXPECT_DOUBLE_EQ(lineOfCentres(puckAt(24, 0, 0, 0), puckAt(0, 0, 0, 0)), 3.1415926);
    // dx = 0 gives pi/2 + 3.1415926 whichever puck is on top
    EXPECT_DOUBLE_EQ(lineOfCentres(puckAt(0, 0, 0, 0), puckAt(0, 24, 0, 0)), kPi / 2 + 3.1415926);
    EXPECT_DOUBLE_EQ(lineOfCentres(puckAt(0, 24, 0, 0), puckAt(0, 0, 0, 0)), kPi / 2 + 3.1415926);
}

TEST(ElasticCollision, HeadOnEqualMassesSwapsMotion)
{
    PuckState p = puckAt(100, 100, 5.0, 0.0), q = puckAt(124, 100, 0.0, kPi);
    elasticCollision(p, q);
    EXPECT_NEAR(p.speed, 0.0, 1e-12);
    EXPECT_NEAR(q.speed, 5.0, 1e-12);
    EXPECT_NEAR(std::cos(q.direction), 1.0, 1e-12);
}

TEST(ElasticCollision, OffCentreEqualMassesLeaveAtRightAngles)
{
    // black centre 12 px below the red path: contact at 30 degrees
    PuckState p = puckAt(100, 100, 5.0, 0.0), q = puckAt(100 + 24 * std::cos(kPi / 6), 112, 0.0, 0.0);
    elasticCollision(p, q);
    const double dot = vx(p) * vx(q) + vy(p) * vy(q);
    EXPECT_NEAR(dot, 0.0, 1e-9);
    // energy and momentum kept
    EXPECT_NEAR(p.speed * p.speed + q.speed * q.speed, 25.0, 1e-9);
    EXPECT_NEAR(vx(p) + vx(q), 5.0, 1e-9);
    EXPECT_NEAR(vy(p) + vy(q), 0.0, 1e-9);
}

TEST(ElasticCollision, VerticalLineOfCentresActsLikeItsReverse)
{
    PuckState p = puckAt(100, 100, 5.0, -kPi / 2), q = puckAt(100, 124, 0.0, 0.0);
    elasticCollision(p, q);
    EXPECT_NEAR(p.speed, 0.0, 1e-6);
    EXPECT_NEAR(q.speed, 5.0, 1e-12);
    EXPECT_NEAR(vy(q), -5.0, 1e-6);   // black goes on down the screen
}

TEST(ElasticCollision, UnequalMassesKeepMomentumAndEnergy)
{
    PuckState p = puckAt(100, 100, 5.0, 0.3, 1.0), q = puckAt(120, 110, 2.0, 2.0, 3.5);
    const double px0 = 1.0 * vx(p) + 3.5 * vx(q), py0 = 1.0 * vy(p) + 3.5 * vy(q);
    const double e0 = 1.0 * p.speed * p.speed + 3.5 * q.speed * q.speed;
    elasticCollision(p, q);
    EXPECT_NEAR(1.0 * vx(p) + 3.5 * vx(q), px0, 1e-6);
    EXPECT_NEAR(1.0 * vy(p) + 3.5 * vy(q), py0, 1e-6);
    EXPECT_NEAR(1.0 * p.speed * p.speed + 3.5 * q.speed * q.speed, e0, 1e-6);
}

TEST(PartialCollision, FiftyPercentHeadOn)
{
    PuckState p = puckAt(100, 100, 5.0, 0.0), q = puckAt(124, 100, 0.0, 0.0);
    partialCollision(p, q, 50);
    EXPECT_NEAR(vx(p), 1.25, 1e-12);
    EXPECT_NEAR(vx(q), 3.75, 1e-12);
}

TEST(PartialCollision, HundredIsElasticAndTwoHundredAddsEnergy)
{
    PuckState p = puckAt(100, 100, 5.0, 0.0), q = puckAt(124, 100, 0.0, 0.0);
    PuckState p2 = p, q2 = q;
    partialCollision(p, q, 100);
    elasticCollision(p2, q2);
    EXPECT_NEAR(p.speed, p2.speed, 1e-12);
    EXPECT_NEAR(q.speed, q2.speed, 1e-12);
    PuckState p3 = puckAt(100, 100, 5.0, 0.0, 1.0), q3 = puckAt(124, 100, 0.0, 0.0, 3.0);
    partialCollision(p3, q3, 200);
    EXPECT_GT(1.0 * p3.speed * p3.speed + 3.0 * q3.speed * q3.speed, 25.0);
    EXPECT_NEAR(1.0 * vx(p3) + 3.0 * vx(q3), 5.0, 1e-9);
}

TEST(StickCollision, HeadOnPairMovesAtHalfSpeedWithoutTurning)
{
    PuckState p = puckAt(100, 100, 5.0, 0.0), q = puckAt(124, 100, 0.0, kPi);
    stickCollision(p, q);
    EXPECT_NEAR(p.speed, 2.5, 1e-12);
    EXPECT_NEAR(p.direction, 0.0, 1e-12);
    EXPECT_NEAR(q.speed, 0.0, 1e-12);   // angular speed
    EXPECT_DOUBLE_EQ(p.x, 112.0);   // centre of mass, a centre not an edge
    EXPECT_DOUBLE_EQ(p.y, 100.0);
    EXPECT_DOUBLE_EQ(q.direction, 0.0);   // line from red to black
}

TEST(StickCollision, OffCentreHitTurnsThePair)
{
    PuckState p = puckAt(100, 100, 5.0, 0.0), q = puckAt(100 + 24 * std::cos(kPi / 6), 112, 0.0, 0.0);
    stickCollision(p, q);
    EXPECT_GT(std::fabs(q.speed), 0.0);
    EXPECT_NEAR(p.speed, 2.5, 1e-12);
}

namespace {
std::unique_ptr<SimState> approaching(Interaction mode, int percent)
{
    auto s = std::make_unique<SimState>();
    s->interactionMode = mode;
    s->elasticPercent = percent;
    s->red = puckAt(100, 100, 5.0, 0.0);
    s->black = puckAt(123, 100, 0.0, kPi);   // already touching
    s->tick = 40;
    return s;
}
}   // namespace

TEST(ContactCheck, ElasticAnswersOnlyTheFirstContact)
{
    auto s = approaching(Interaction::Elastic, 100);
    contactCheck(*s);
    EXPECT_TRUE(s->collided);
    EXPECT_EQ(s->collisionTick, 40);
    EXPECT_NEAR(s->black.speed, 5.0, 1e-12);
    // a later overlap moves the collision tick but changes no velocity
    s->red.speed = 3.0;
    s->tick = 90;
    contactCheck(*s);
    EXPECT_EQ(s->collisionTick, 90);
    EXPECT_EQ(s->red.speed, 3.0);
}

TEST(ContactCheck, TouchingCountsAndApartDoesNot)
{
    auto s = approaching(Interaction::Elastic, 100);
    s->black.x = s->red.x + 24;   // centres exactly 24 apart
    contactCheck(*s);
    EXPECT_TRUE(s->collided);
    auto t = approaching(Interaction::Elastic, 100);
    t->black.x = t->red.x + 24.001;
    contactCheck(*t);
    EXPECT_FALSE(t->collided);
    EXPECT_EQ(t->collisionTick, kNoCollisionTick);
}

TEST(ContactCheck, SemiElasticUsesThePercentAndZeroSticks)
{
    auto s = approaching(Interaction::SemiElastic, 50);
    contactCheck(*s);
    EXPECT_NEAR(vx(s->red), 1.25, 1e-12);
    auto z = approaching(Interaction::SemiElastic, 0);
    contactCheck(*z);
    EXPECT_NEAR(z->red.speed, 2.5, 1e-12);
    EXPECT_TRUE(z->collided);
}

TEST(ContactCheck, ElectrostaticBouncesEveryTimeAndNeverSetsCollided)
{
    auto s = approaching(Interaction::Electrostatic, 100);
    contactCheck(*s);
    EXPECT_FALSE(s->collided);
    EXPECT_NEAR(s->black.speed, 5.0, 1e-12);
    // pucks left overlapping do not recurse without end
    auto t = approaching(Interaction::Electrostatic, 100);
    t->red.speed = 0.0;
    t->black.x = t->red.x;   // fully overlapped, nobody moving
    contactCheck(*t);
    EXPECT_FALSE(t->collided);
}

TEST(MovePair, InelasticPairMovesAtHalfSpeedAndRecordsTwice)
{
    auto s = approaching(Interaction::Inelastic, 0);
    contactCheck(*s);
    const double x0 = s->red.x;
    movePair(*s);
    EXPECT_NEAR(s->red.x - x0, 0.5, 1e-12);   // 20 px * 2.5 cm/s * 10 ms
    const VelocitySample& v = s->sampleLog.velocities[40];
    EXPECT_EQ(v.redSpeed, v.blackSpeed);
    EXPECT_EQ(v.redDirection, v.blackDirection);
    EXPECT_NEAR(v.redSpeed, 2.5, 1e-12);
}

TEST(MovePair, OneDPairOnOneLineDoesNotTurn)
{
    auto s = approaching(Interaction::Inelastic, 0);
    s->dimension = 1;
    contactCheck(*s);
    const double dir0 = s->black.direction;
    for (int i = 0; i < 10; ++i)
        movePair(*s);
    EXPECT_NEAR(s->black.direction, dir0, 1e-12);
}
