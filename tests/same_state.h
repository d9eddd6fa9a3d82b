#pragma once
// Two states field by field: the pucks, the settings the run reads, the
// handles and start places, and the log's first entries.
#include <gtest/gtest.h>

#include "engine/sim_state.h"

inline void expectSameState(const sim::SimState& a, const sim::SimState& b, int round)
{
    const auto puck = [&](const sim::PuckState& p, const sim::PuckState& q, const char* name) {
        EXPECT_EQ(p.x, q.x) << name << " x, round " << round;
        EXPECT_EQ(p.y, q.y) << name << " y, round " << round;
        EXPECT_EQ(p.speed, q.speed) << name << " speed, round " << round;
        EXPECT_EQ(p.direction, q.direction) << name << " direction, round " << round;
        EXPECT_EQ(p.mass, q.mass) << name << " mass, round " << round;
        EXPECT_EQ(p.radius, q.radius) << name << " radius, round " << round;
    };
    puck(a.red, b.red, "red");
    puck(a.black, b.black, "black");
    EXPECT_EQ(a.tick, b.tick) << round;
    EXPECT_EQ(a.tiltAccel, b.tiltAccel) << round;
    EXPECT_EQ(a.pushAccel, b.pushAccel) << round;
    EXPECT_EQ(a.scale, b.scale) << round;
    EXPECT_EQ(a.elasticPercent, b.elasticPercent) << round;
    EXPECT_EQ(a.interactionMode, b.interactionMode) << round;
    EXPECT_EQ(a.dimension, b.dimension) << round;
    EXPECT_EQ(a.massCount, b.massCount) << round;
    EXPECT_EQ(a.redCharge, b.redCharge) << round;
    EXPECT_EQ(a.blackCharge, b.blackCharge) << round;
    EXPECT_EQ(a.springK, b.springK) << round;
    EXPECT_EQ(a.springLength, b.springLength) << round;
    EXPECT_EQ(a.eventsPerTick, b.eventsPerTick) << round;
    EXPECT_EQ(a.redStartDirection, b.redStartDirection) << round;
    EXPECT_TRUE(a.redHandleLeft == b.redHandleLeft && a.redHandleTop == b.redHandleTop) << round;
    EXPECT_TRUE(a.blackHandleLeft == b.blackHandleLeft && a.blackHandleTop == b.blackHandleTop) << round;
    EXPECT_TRUE(a.red.startLeft == b.red.startLeft && a.red.startTop == b.red.startTop) << round;
    EXPECT_TRUE(a.black.startLeft == b.black.startLeft && a.black.startTop == b.black.startTop) << round;
    EXPECT_EQ(a.blackStartDirection, b.blackStartDirection) << round;
    const sim::PositionSample &p = a.sampleLog.positions[1], &q = b.sampleLog.positions[1];
    EXPECT_TRUE(p.redX == q.redX && p.redY == q.redY && p.blackX == q.blackX && p.blackY == q.blackY) << round;
    const sim::VelocitySample &v = a.sampleLog.velocities[1], &w = b.sampleLog.velocities[1];
    EXPECT_TRUE(v.redSpeed == w.redSpeed && v.redDirection == w.redDirection && v.blackSpeed == w.blackSpeed
                && v.blackDirection == w.blackDirection)
        << round;
}
