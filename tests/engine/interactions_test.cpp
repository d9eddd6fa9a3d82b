// The spring, the electrostatic law and the circle, without a window.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/circle.h"
#include "engine/collisions.h"
#include "engine/electrostatics.h"
#include "engine/motion.h"
#include "engine/run.h"
#include "engine/spring.h"

using namespace sim;

namespace {
// 1-D spring set-up: 48-px blocks, red at left 100, black `gap` px beyond it.
SimState springState(double gap, int kind = 3)
{
    SimState s;
    s.dimension = 1;
    s.interactionMode = Interaction::Spring1D;
    s.elasticPercent = 100;
    s.springKind = kind;
    s.red.radius = s.black.radius = 24;
    s.red.x = 100;
    s.red.y = 150;
    s.black.x = 100 + 48 + gap;
    s.black.y = 150;
    s.red.speed = 5.0;
    s.black.direction = kPi;
    s.sampleLog.velocities[1] = {5.0, 0.0, 0.0, kPi};
    s.tick = s.viewTick = 30;   // a run under way: entry 1 keeps the start velocities
    return s;
}

bool finite(const PuckState& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.speed) && std::isfinite(p.direction);
}
}   // namespace

TEST(Spring, ReachBeginsAtItsLengthWithNoCompression)
{
    SimState s = springState(50);
    s.sampleLog.compression[30] = 99.0;
    springStep(s);
    EXPECT_TRUE(s.springReading.colon);
    EXPECT_DOUBLE_EQ(s.springReading.cm, 0.0);
    EXPECT_DOUBLE_EQ(s.sampleLog.compression[30], 0.0);
    EXPECT_DOUBLE_EQ(s.minSpringGap, 50.0);

    SimState far = springState(51);
    far.sampleLog.compression[30] = 99.0;
    springStep(far);
    EXPECT_FALSE(far.springReading.colon);
    EXPECT_DOUBLE_EQ(far.sampleLog.compression[30], 0.0);
    EXPECT_DOUBLE_EQ(far.red.speed, 5.0);   // plain motion
}

TEST(Spring, FullyCompressedPutsThePucksOnePixelApartAndStillPushes)
{
    for (double gap : {0.0, -6.0}) {
        SimState s = springState(gap);
        s.red.speed = 0.0;
        const double blackX = s.black.x;
        springStep(s);
        EXPECT_DOUBLE_EQ(s.sampleLog.compression[30], 2.5);
        EXPECT_DOUBLE_EQ(s.springReading.cm, 2.5);
        // J = -5e-5 * (10 * 10) * 50 = -0.25: 0.125 cm/s each, apart
        EXPECT_NEAR(s.red.speed, 0.125, 1e-12);
        EXPECT_NEAR(std::cos(s.red.direction), -1.0, 1e-12);
        EXPECT_NEAR(std::cos(s.black.direction), 1.0, 1e-12);
        EXPECT_NEAR(s.red.x, blackX - 48 - 1.0 - 0.025, 1e-9);
    }
}

TEST(Spring, InelasticSpringLocksAtTheStoredCompression)
{
    SimState s = springState(20, 4);
    s.minSpringGap = 10.0;   // the gap stopped shrinking
    s.black.direction = 0.0;   // as the spring's push left it
    const double blackX = s.black.x;
    springStep(s);
    EXPECT_NEAR(s.sampleLog.compression[30], std::sqrt(2.5), 1e-12);   // 1.58 cm
    EXPECT_DOUBLE_EQ(s.minSpringGap, 0.0);
    EXPECT_DOUBLE_EQ(s.red.speed, 2.5);
    EXPECT_DOUBLE_EQ(s.black.speed, 2.5);
    // locked gap 50 - 31.62 = 18.38, cut to 18, then both move alike
    const double d = 20 * 0.01 * 2.5;
    EXPECT_NEAR(s.red.x, blackX - 18 - 48 + d, 1e-9);
    EXPECT_NEAR(s.black.x, blackX + d, 1e-9);
    EXPECT_NEAR(s.black.x - s.red.x - 48, 18.0, 1e-9);
    // every later step keeps the lock
    for (int i = 0; i < 50; ++i)
        springStep(s);
    EXPECT_NEAR(s.black.x - s.red.x - 48, 18.0, 1e-9);
}

TEST(Spring, InelasticLockBeyondTheSpringsLengthAndWhenOverlapping)
{
    SimState weak = springState(20, 4);
    weak.springK = 1;   // X = 5 cm > 2.5 cm
    weak.minSpringGap = 10.0;
    weak.black.direction = 0.0;
    springStep(weak);
    EXPECT_DOUBLE_EQ(weak.sampleLog.compression[30], 2.5);
    EXPECT_NEAR(weak.black.x - weak.red.x - 48, 0.0, 1e-9);

    // overlapping pucks: the inelastic spring locks, the elastic one pushes
    SimState locks = springState(-4, 4);
    springStep(locks);
    EXPECT_DOUBLE_EQ(locks.minSpringGap, 0.0);
    SimState pushes = springState(-4, 3);
    springStep(pushes);
    EXPECT_DOUBLE_EQ(pushes.minSpringGap, -4.0);
}

TEST(Spring, InelasticLockMovesThePairAlongItsMomentum)
{
    // 3 kg at 10 cm/s to the right against 7 kg at 6 cm/s to the left: -12 before
    for (int mirror : {1, -1}) {
        SimState s = springState(20, 4);
        s.red.mass = mirror > 0 ? 3 : 7;
        s.black.mass = mirror > 0 ? 7 : 3;
        const double redSpeed = mirror > 0 ? 10 : 6, blackSpeed = mirror > 0 ? 6 : 10;
        s.sampleLog.velocities[1] = {redSpeed, 0.0, blackSpeed, kPi};
        s.red.speed = redSpeed;
        s.red.direction = 0.0;
        s.black.speed = blackSpeed;
        s.black.direction = kPi;
        s.minSpringGap = 10.0;   // the gap stopped shrinking
        const double before = s.red.mass * redSpeed - s.black.mass * blackSpeed;
        ASSERT_DOUBLE_EQ(before, -12.0 * mirror);
        springStep(s);
        const double lockedGap = s.black.x - s.red.x;
        for (int i = 0; i < 20; ++i)
            springStep(s);
        EXPECT_NEAR(s.black.x - s.red.x, lockedGap, 1e-9);
        const double after = s.red.mass * s.red.speed * std::cos(s.red.direction)
            + s.black.mass * s.black.speed * std::cos(s.black.direction);
        EXPECT_NEAR(after, before, 1e-9) << "mirror " << mirror;
        EXPECT_DOUBLE_EQ(s.red.speed, 1.2);
    }
}

TEST(Spring, PassedPucksMoveFreely)
{
    SimState s = springState(0);
    s.black.x = 30;   // left of red, clear of it
    s.sampleLog.compression[30] = 3.0;
    springStep(s);
    EXPECT_DOUBLE_EQ(s.sampleLog.compression[30], 0.0);
    EXPECT_FALSE(s.springReading.colon);
    EXPECT_DOUBLE_EQ(s.red.speed, 5.0);
}

TEST(Spring, ElasticSpringHandsOverMomentumAndKeepsTheEnergy)
{
    SimState s = springState(60);
    double maxCompression = 0.0;
    for (int i = 0; i < 2000; ++i) {
        s.tick = s.viewTick = 2 + i / 5;
        springStep(s);
        maxCompression = std::max(maxCompression, s.sampleLog.compression[static_cast<size_t>(s.viewTick)]);
        ASSERT_TRUE(finite(s.red) && finite(s.black));
    }
    const double px = s.red.mass * s.red.speed * std::cos(s.red.direction)
        + s.black.mass * s.black.speed * std::cos(s.black.direction);
    EXPECT_NEAR(px, 2.0 * 5.0, 1e-9);
    const double e = 0.5 * s.red.mass * s.red.speed * s.red.speed + 0.5 * s.black.mass * s.black.speed * s.black.speed;
    EXPECT_NEAR(e, 25.0, 0.5);
    EXPECT_GT(s.black.speed, 4.5);   // equal masses swap speeds
    EXPECT_LT(s.red.speed, 0.5);
    EXPECT_GT(maxCompression, 0.5);
    EXPECT_FALSE(s.springReading.colon);   // out of reach again
}

namespace {
SimState chargedState(int q1, int q2, int range = 1000)
{
    SimState s;
    s.interactionMode = Interaction::Electrostatic;
    s.elasticPercent = 100;
    s.redCharge = q1;
    s.blackCharge = q2;
    s.electroRange = range;
    s.red.x = 200;
    s.red.y = 200;
    s.black.x = 300;
    s.black.y = 200;
    s.red.speed = s.black.speed = 0.0;
    return s;
}
}   // namespace

TEST(Electrostatics, UnlikeChargesAttractAndBounceAtEveryContact)
{
    SimState s = chargedState(-100, 100);
    EXPECT_DOUBLE_EQ(electrostaticImpulse(s), -0.1);   // 10 ms * 1e-4 * -10000 / 100
    electrostaticStep(s);
    EXPECT_NEAR(s.red.speed, 0.05, 1e-12);
    EXPECT_NEAR(std::cos(s.red.direction), 1.0, 1e-12);   // towards black
    EXPECT_NEAR(std::cos(s.black.direction), -1.0, 1e-12);
    int contacts = 0;
    double closest = 1e9;
    for (int i = 0; i < 20000; ++i) {
        s.tick = 1 + i / 5;
        const int before = s.collisionTick;
        s.collisionTick = kNoCollisionTick;
        electrostaticStep(s);
        if (s.collisionTick != kNoCollisionTick)
            ++contacts;
        else
            s.collisionTick = before;
        closest = std::min(closest, std::hypot(s.red.x - s.black.x, s.red.y - s.black.y));
        ASSERT_TRUE(finite(s.red) && finite(s.black)) << i;
    }
    EXPECT_GE(contacts, 2);
    EXPECT_FALSE(s.collided);
    EXPECT_GT(closest, 12.0);   // they bounce rather than pass through
}

TEST(Electrostatics, ZeroChargeRangeAndZeroDistance)
{
    SimState none = chargedState(0, 100);
    none.red.speed = 5.0;
    electrostaticStep(none);
    EXPECT_DOUBLE_EQ(none.red.speed, 5.0);
    EXPECT_DOUBLE_EQ(none.black.speed, 0.0);

    SimState near = chargedState(100, 100, 20);
    near.black.x = near.red.x + 39;
    EXPECT_GT(electrostaticImpulse(near), 0.0);
    near.black.x = near.red.x + 40;
    EXPECT_DOUBLE_EQ(electrostaticImpulse(near), 0.0);
    SimState unset = chargedState(100, 100, 0);   // no range chosen yet
    EXPECT_DOUBLE_EQ(electrostaticImpulse(unset), 0.0);

    SimState same = chargedState(100, 100);
    same.black.x = same.red.x;
    electrostaticStep(same);
    EXPECT_TRUE(finite(same.red) && finite(same.black));
    EXPECT_DOUBLE_EQ(same.red.speed, 0.0);
}

TEST(Electrostatics, EqualChargesAtRestFlyApartSymmetrically)
{
    SimState s = chargedState(50, 50);
    s.black.y = 260;   // along a slant
    const double mx = s.red.x + s.black.x, my = s.red.y + s.black.y;
    for (int i = 0; i < 500; ++i)
        electrostaticStep(s);
    EXPECT_NEAR(s.red.x + s.black.x, mx, 1e-9);
    EXPECT_NEAR(s.red.y + s.black.y, my, 1e-9);
    EXPECT_NEAR(s.red.speed, s.black.speed, 1e-12);
    EXPECT_GT(s.red.speed, 0.0);
    EXPECT_NEAR(std::remainder(s.red.direction - s.black.direction, 2 * kPi), kPi, 1e-9);
    // red is above and left of black, so it moves up and left
    EXPECT_LT(s.red.x, 200.0);
    EXPECT_LT(s.red.y, 200.0);
}

namespace {
CircleOrbit orbit(double speed, int friction, double R = 65.0)
{
    SimState s;
    s.red.speed = speed;
    s.circleFriction = friction;
    // puck marker 24 px at (189, 183), centre (201, 195); a 6-px pivot R to the right
    return circleOrbit(s, 189, 183, 24, static_cast<int>(201 + R - 3), 192, 6);
}
double turn(const CircleOrbit& o, int i)
{
    return circleAngle(o, i + 1) - circleAngle(o, i);
}
}   // namespace

TEST(Circle, UniformWithoutFrictionAndClockwiseForAPositiveSpeed)
{
    const CircleOrbit o = orbit(5.0, 0);
    EXPECT_NEAR(o.R, 65.0, 1e-9);
    EXPECT_NEAR(turn(o, 0), -20 * 5.0 / 65.0 * 0.05, 1e-12);
    for (int i = 1; i < 9000; i += 997)
        EXPECT_NEAR(turn(o, i), turn(o, 0), 1e-9);
}

TEST(Circle, FrictionSlowsThenTurnsThePuckBack)
{
    const CircleOrbit o = orbit(1.0, 4);
    EXPECT_LT(turn(o, 0), 0.0);
    EXPECT_LT(std::fabs(turn(o, 50)), std::fabs(turn(o, 0)));
    EXPECT_GT(turn(o, 2000), 0.0);   // past the stop it runs the other way

    const CircleOrbit still = orbit(0.0, 2);   // sgn is +1: anticlockwise
    EXPECT_GT(turn(still, 0), 0.0);
    EXPECT_GT(turn(still, 10), turn(still, 0));

    const CircleOrbit back = orbit(-3.0, 1);   // anticlockwise, slowed first
    EXPECT_GT(turn(back, 0), 0.0);
    EXPECT_LT(turn(back, 100), turn(back, 0));
}

TEST(Circle, PivotOnThePuckStaysPut)
{
    SimState s;
    s.red.speed = 5.0;
    s.circleFriction = 3;
    const CircleOrbit o = circleOrbit(s, 189, 183, 24, 189 + 12 - 3, 183 + 12 - 3, 6);
    EXPECT_DOUBLE_EQ(o.R, 0.0);
    for (int i : {0, 1, 100, 9998}) {
        EXPECT_TRUE(std::isfinite(circleAngle(o, i)));
        EXPECT_DOUBLE_EQ(circleAngle(o, i), s.red.direction);
    }
}

TEST(Circle, DotsFollowTheStrobeWithTickZeroOnlyAtTwentyHertz)
{
    EXPECT_TRUE(circleDotShown(0, 1));
    EXPECT_FALSE(circleDotShown(0, 2));
    EXPECT_FALSE(circleDotShown(0, 20));
    EXPECT_TRUE(circleDotShown(1, 20));
    EXPECT_TRUE(circleDotShown(21, 20));
    EXPECT_FALSE(circleDotShown(20, 20));
}

TEST(WholeRuns, EveryNewModeStaysFiniteToTheTickLimit)
{
    // the engine's share of a whole run: every step to tick 9998, at Fast
    auto check = [](SimState s, const char* mode) {
        s.intervalMs = 10;
        s.eventsPerTick = 5;
        for (s.tick = 2; s.tick <= kMaxTick; ++s.tick) {
            s.viewTick = s.tick;
            recordSample(s);
            for (int e = 0; e < 5; ++e)
                interactionStep(s);
            const PositionSample& p = s.sampleLog.positions[static_cast<size_t>(s.tick)];
            const VelocitySample& v = s.sampleLog.velocities[static_cast<size_t>(s.tick)];
            ASSERT_TRUE(std::isfinite(p.redX) && std::isfinite(p.redY) && std::isfinite(p.blackX)
                        && std::isfinite(p.blackY) && std::isfinite(v.redSpeed) && std::isfinite(v.redDirection)
                        && std::isfinite(v.blackSpeed) && std::isfinite(v.blackDirection)
                        && std::isfinite(s.sampleLog.compression[static_cast<size_t>(s.tick)]))
                << mode << " at tick " << s.tick;
        }
    };
    SimState elastic = springState(80, 3);
    elastic.tick = 1;
    check(elastic, "elastic spring");
    SimState locking = springState(80, 4);
    locking.black.speed = 5.0;   // head on
    locking.sampleLog.velocities[1] = {5.0, 0.0, 5.0, kPi};
    check(locking, "inelastic spring");
    SimState attract = chargedState(-100, 100, 1000);
    check(attract, "unlike charges");
    SimState repel = chargedState(100, 100, 50);
    repel.black.x = repel.red.x;   // on top of each other
    check(repel, "like charges at one place");
    CircleOrbit o = orbit(12.5, 4);
    for (int i = 0; i <= kMaxTick; ++i)
        ASSERT_TRUE(std::isfinite(circleAngle(o, i)));
}

// Each product grouped as written, left to right: the other grouping differs
// in the last bit for these values, and a chaotic run amplifies it.
TEST(WrittenOrder, StepLengthPairMoveAndLockEnergyToTheLastBit)
{
    const struct {
        double speed, stepX, pairX;   // one event from x = 0 at scale 20, 10 ms
    } steps[] = {{0.7, 0.14, 0.1337471084775848}, {0.9, 0.18, 0.1719605680426091}};
    for (const auto& c : steps) {
        SimState s;
        s.red.speed = c.speed;
        s.red.x = 0;
        s.black.x = 1000;
        moveStep(s);
        EXPECT_EQ(s.red.x, c.stepX) << c.speed;

        SimState pair;
        pair.red.speed = c.speed;
        pair.red.direction = 0.3;
        movePair(pair);
        EXPECT_EQ(pair.red.x, c.pairX) << c.speed;
    }
    // a product-sum a fused multiply-add would round the other way
    SimState fma;
    fma.red.x = 126.4;
    fma.red.speed = 0.9;
    fma.red.direction = 3.479;
    fma.black.x = 1000;
    moveStep(fma);
    EXPECT_EQ(fma.red.x, 126.23014909974296);

    const struct {
        double m1, m2, speed, cm;
    } locks[] = {{0.1, 2.0, 1.3, 0.12686700948330934}, {0.3, 2.0, 0.7, 0.11306019943221474}};
    for (const auto& c : locks) {
        SimState s = springState(20, 4);
        s.minSpringGap = 10.0;
        s.red.mass = c.m1;
        s.black.mass = c.m2;
        s.sampleLog.velocities[1] = {c.speed, 0.0, 0.0, kPi};
        springStep(s);
        EXPECT_EQ(s.springReading.cm, c.cm) << c.m1;
    }
}
