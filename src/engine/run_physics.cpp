#include "engine/run_physics.h"

#include <algorithm>
#include <cmath>

#include "engine/motion.h"

namespace sim {

namespace {

constexpr double kTick = 0.05;   // s

double kinetic(double m, double speed)
{
    return 0.5 * m * speed * speed;
}

// The electrostatic step's distance between the stored corners, from two centres.
double cornerDistance(const RunPhysics& p, const PositionSample& s)
{
    const double dx = (s.redX - p.r1) - (s.blackX - p.r2);
    const double dy = (s.redY - p.r1) - (s.blackY - p.r2);
    return std::sqrt(dx * dx + dy * dy);
}

// The potential whose gradient gives the step's impulses, 0.1 q1 q2 / d per
// unit of speed and mass: zero at the range's edge and beyond it.
double fieldEnergy(const RunPhysics& p, const PositionSample& s)
{
    const double reach = 2.0 * p.electroRange;
    const double d = cornerDistance(p, s);
    if (d <= 0.0 || d >= reach)
        return 0.0;
    return 0.1 * p.q1 * p.q2 / p.scale * std::log(reach / d);
}

Energies sum(Energies e)
{
    e.total = e.red + e.black + e.spring + e.field + e.heat;
    return e;
}

Energies energiesOf(const RunPhysics& p, const VelocitySample& v, double compressionCm, const PositionSample& at)
{
    Energies e;
    e.red = kinetic(p.m1, v.redSpeed);
    e.black = p.twoPucks ? kinetic(p.m2, v.blackSpeed) : 0.0;
    if (p.mode == Interaction::Spring1D)
        e.spring = 0.5 * p.springK * compressionCm * compressionCm;   // X in cm, as the lock branch stores it
    if (p.mode == Interaction::Electrostatic && p.twoPucks)
        e.field = fieldEnergy(p, at);
    return e;
}

}   // namespace

Vec2 velocityOf(double speed, double direction)
{
    return {std::cos(direction) * speed, std::sin(direction) * speed};
}

void polarOf(Vec2 v, double* speed, double* direction)
{
    *speed = std::sqrt(v.x * v.x + v.y * v.y);
    *direction = directionOf(v.x, v.y);
}

RunPhysics runPhysicsOf(const SimState& s, const SetupModel& m)
{
    RunPhysics p;
    p.twoPucks = m.blackOnTable();
    p.m1 = s.red.mass;
    p.m2 = s.black.mass;
    p.r1 = s.red.radius;
    p.r2 = s.black.radius;
    p.mode = s.interactionMode;
    p.springK = s.springK;
    p.q1 = s.redCharge;
    p.q2 = s.blackCharge;
    p.electroRange = s.electroRange;
    p.scale = s.scale;
    p.metresPerUnit = m.pushed() ? 1.0 : 0.01;
    p.start = s.startVelocities;
    p.lastSample = std::min(s.tick, s.timeLineEnd);
    return p;
}

bool hasCmFrame(const SetupModel& m)
{
    return m.blackOnTable();
}

VelocitySample cmVelocities(const VelocitySample& v, double m1, double m2)
{
    const Vec2 a = velocityOf(v.redSpeed, v.redDirection), b = velocityOf(v.blackSpeed, v.blackDirection);
    const Vec2 cm{(m1 * a.x + m2 * b.x) / (m1 + m2), (m1 * a.y + m2 * b.y) / (m1 + m2)};
    VelocitySample out;
    polarOf({a.x - cm.x, a.y - cm.y}, &out.redSpeed, &out.redDirection);
    polarOf({b.x - cm.x, b.y - cm.y}, &out.blackSpeed, &out.blackDirection);
    return out;
}

PositionSample cmPosition(const PositionSample& p, const PositionSample& first, double m1, double m2)
{
    const double m = m1 + m2;
    const double dx = (m1 * p.redX + m2 * p.blackX) / m - (m1 * first.redX + m2 * first.blackX) / m;
    const double dy = (m1 * p.redY + m2 * p.blackY) / m - (m1 * first.redY + m2 * first.blackY) / m;
    return {p.redX - dx, p.redY - dy, p.blackX - dx, p.blackY - dy};
}

void toCmFrame(SampleLog& log, int last, RunPhysics& p)
{
    const PositionSample first = log.positions[1];
    for (int i = 1; i <= last && i < int(log.positions.size()); ++i) {
        log.positions[size_t(i)] = cmPosition(log.positions[size_t(i)], first, p.m1, p.m2);
        log.velocities[size_t(i)] = cmVelocities(log.velocities[size_t(i)], p.m1, p.m2);
    }
    p.start = cmVelocities(p.start, p.m1, p.m2);
}

void seeFromCentreOfMass(SimState& s, int last)
{
    RunPhysics p;
    p.m1 = s.red.mass;
    p.m2 = s.black.mass;
    p.start = s.startVelocities;
    toCmFrame(s.sampleLog, last, p);
    s.startVelocities = p.start;
    s.tiltAccel = 0.0;
}

Energies energiesBefore(const RunPhysics& p, const SampleLog& log)
{
    return sum(energiesOf(p, p.start, 0.0, log.positions[1]));
}

Energies energiesAt(const RunPhysics& p, const SampleLog& log, int i)
{
    const size_t at = size_t(i + 1 <= p.lastSample && i + 1 < int(log.positions.size()) ? i + 1 : i);
    Energies e = energiesOf(p, log.velocities[size_t(i)], log.compression[size_t(i)], log.positions[at]);
    // what the contact took: partly elastic and sticking collisions keep no other store
    if (p.mode == Interaction::Inelastic || p.mode == Interaction::SemiElastic) {
        const Energies before = energiesBefore(p, log);
        e.heat = before.red + before.black - e.red - e.black;
    }
    return sum(e);
}

Forces forcesAt(const RunPhysics& p, const SampleLog& log, int i)
{
    const VelocitySample& now = log.velocities[size_t(i)];
    const VelocitySample& was = i > 1 ? log.velocities[size_t(i - 1)] : p.start;
    const auto force = [&](double m, double s1, double d1, double s0, double d0) {
        const Vec2 a = velocityOf(s1, d1), b = velocityOf(s0, d0);
        const double k = m * p.metresPerUnit / kTick;
        return Vec2{k * (a.x - b.x), k * (a.y - b.y)};
    };
    Forces f;
    f.red = force(p.m1, now.redSpeed, now.redDirection, was.redSpeed, was.redDirection);
    if (p.twoPucks)
        f.black = force(p.m2, now.blackSpeed, now.blackDirection, was.blackSpeed, was.blackDirection);
    return f;
}

}   // namespace sim
