// The centre-of-mass frame, the energies and the forces, against hand-worked runs.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/run_physics.h"
#include "engine/slow_motion.h"
#include "head_on_run.h"

namespace {

using sim::Interaction;

struct Ran {
    HeadOn run;
    sim::RunPhysics p;
    int last = 0;
    Ran(Interaction mode, int springKind = 0, double blackMass = 2.0) : run(mode, blackMass)
    {
        if (springKind)
            run.setup.rules().chooseSpring(springKind);
        sim::HeadlessRun headless(*run.s);
        headless.start();
        headless.runThrough(400);
        last = run.s->timeLineEnd;
        p = sim::runPhysicsOf(*run.s, run.setup.model());
    }
    const sim::SampleLog& log() const { return run.s->sampleLog; }
};

sim::Vec2 momentum(double m, double speed, double direction)
{
    const sim::Vec2 v = sim::velocityOf(speed, direction);
    return {m * v.x, m * v.y};
}

TEST(RunPhysicsTest, FromTheCentreOfMassEqualMassesHeadOnMoveEquallyAndOppositely)
{
    Ran r(Interaction::Elastic);
    sim::SampleLog cm = r.log();
    sim::toCmFrame(cm, r.last, r.p);
    EXPECT_NEAR(r.p.start.redSpeed, 2.5, 1e-12);   // 5 cm/s less the centre's 2.5
    EXPECT_NEAR(r.p.start.blackSpeed, 2.5, 1e-12);
    for (int i = 1; i <= r.last; ++i) {
        const sim::VelocitySample& v = cm.velocities[size_t(i)];
        const sim::Vec2 a = momentum(r.p.m1, v.redSpeed, v.redDirection);
        const sim::Vec2 b = momentum(r.p.m2, v.blackSpeed, v.blackDirection);
        ASSERT_NEAR(a.x + b.x, 0.0, 1e-9 * std::max(1.0, std::fabs(a.x))) << i;
        ASSERT_NEAR(a.y + b.y, 0.0, 1e-9 * std::max(1.0, std::fabs(a.y))) << i;
        // the centre stays where it started
        const sim::PositionSample& q = cm.positions[size_t(i)];
        ASSERT_NEAR((q.redX + q.blackX) / 2, (cm.positions[1].redX + cm.positions[1].blackX) / 2, 1e-9) << i;
    }
    EXPECT_NEAR(cm.velocities[size_t(r.last)].redSpeed, 2.5, 1e-9);   // bounced back at the same speed
}

TEST(RunPhysicsTest, TheSpringsForceOverTheRunIsTheChangeOfMomentum)
{
    Ran r(Interaction::Spring1D, 3);
    double red = 0.0, black = 0.0;
    bool pushed = false;
    for (int i = 1; i <= r.last; ++i) {
        const sim::Forces f = sim::forcesAt(r.p, r.log(), i);
        red += f.red.x * 0.05;
        black += f.black.x * 0.05;
        pushed = pushed || f.black.x > 0.0;
    }
    ASSERT_TRUE(pushed);
    const sim::VelocitySample& end = r.log().velocities[size_t(r.last)];
    const double redChange = (momentum(2.0, end.redSpeed, end.redDirection).x - 2.0 * 5.0) * 0.01;
    const double blackChange = momentum(2.0, end.blackSpeed, end.blackDirection).x * 0.01;
    EXPECT_NEAR(red, redChange, 1e-9 * std::fabs(redChange));
    EXPECT_NEAR(black, blackChange, 1e-9 * std::fabs(blackChange));
    EXPECT_NEAR(red, -black, 1e-9 * std::fabs(black));   // equal and opposite
}

TEST(RunPhysicsTest, TheInelasticSpringStoresTheKineticEnergyItTook)
{
    Ran r(Interaction::Spring1D, 4);
    const sim::Energies before = sim::energiesBefore(r.p, r.log());
    EXPECT_DOUBLE_EQ(before.total, 25.0);   // 0.5 x 2 kg x (5 cm/s)^2
    const sim::Energies after = sim::energiesAt(r.p, r.log(), r.last);
    EXPECT_NEAR(after.red + after.black, 12.5, 1e-9);   // the pair at 2.5 cm/s
    EXPECT_NEAR(after.spring, before.total - after.red - after.black, 1e-9);
    EXPECT_NEAR(after.total, before.total, 1e-9);
}

TEST(RunPhysicsTest, WhatAStickingContactTakesGoesToHeat)
{
    Ran r(Interaction::Inelastic);
    const sim::Energies after = sim::energiesAt(r.p, r.log(), r.last);
    EXPECT_NEAR(after.heat, 12.5, 1e-9);
    EXPECT_NEAR(after.total, 25.0, 1e-9);
    EXPECT_DOUBLE_EQ(sim::energiesAt(r.p, r.log(), 1).heat, 0.0);   // nothing before the contact
}

}   // namespace

namespace {

// Slow motion is foreseen where the run's own log later shows the pucks acting on each other.
TEST(SlowMotionTest, TheRunSlowsAroundWhereThePucksActOnEachOther)
{
    const struct {
        Interaction mode;
        int springKind;
    } cases[] = {
        {Interaction::Elastic, 0}, {Interaction::Inelastic, 0}, {Interaction::Spring1D, 3}, {Interaction::Spring1D, 4}};
    for (const auto& c : cases) {
        HeadOn before(c.mode);
        if (c.springKind)
            before.setup.rules().chooseSpring(c.springKind);
        const sim::SlowSpan foreseen = sim::foreseeSlowSpan(*before.s, before.setup.model(), 400);
        Ran r(c.mode, c.springKind);
        const sim::SlowSpan span = sim::slowSpanOf(r.p, r.log(), r.last);
        EXPECT_EQ(foreseen, span) << int(c.mode);
        ASSERT_LE(span.from, span.to);
        if (c.mode == Interaction::Spring1D) {
            for (int i = 1; i <= 200; ++i) {   // the first compression, whole
                if (r.log().compression[size_t(i)] > 0.0 && i < span.to - sim::kSlowMargin) {
                    EXPECT_TRUE(span.contains(i)) << i;
                }
            }
        } else {
            EXPECT_EQ(span.from, r.run.s->collisionTick - sim::kSlowMargin) << int(c.mode);
            EXPECT_EQ(span.to, r.run.s->collisionTick + sim::kSlowMargin);
        }
        EXPECT_FALSE(span.contains(1));   // the start goes at full pace
    }
}

}   // namespace
