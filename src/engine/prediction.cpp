#include "engine/prediction.h"

#include <algorithm>
#include <cmath>

#include "engine/electrostatics.h"

namespace sim {

bool predictable(const SetupModel& m)
{
    return m.massCount == 2 && m.interaction != Interaction::Circle && m.interaction != Interaction::None;
}

int outcomeStart(const SimState& s)
{
    if (s.interactionMode == Interaction::Spring1D) {
        for (int k = 1; k <= std::min(s.tick, kTickCeiling); ++k)
            if (s.sampleLog.compression[static_cast<size_t>(k)] > 0.0)
                return k;
    }
    if (s.interactionMode == Interaction::Electrostatic && electrostaticImpulse(s) != 0.0)
        return std::max(1, s.viewTick);
    if (s.collided || s.collisionTick != s.noCollisionTick)
        return s.collisionTick;
    return 0;
}

bool watchOutcome(Prediction& p, const SimState& s, const SetupModel& m)
{
    if (!p.on || p.hideFrom > 0 || p.revealed || !predictable(m))
        return false;
    p.hideFrom = outcomeStart(s);
    return p.hideFrom > 0;
}

void maskOutcome(SimState& copy, int hideFrom)
{
    const int h = std::clamp(hideFrom, 1, kTickCeiling);
    copy.viewTick = std::min(copy.viewTick, h);
    copy.tick = std::min(copy.tick, h);
    copy.timeLineEnd = std::min(copy.timeLineEnd, h);
    copy.timeLine = std::min(copy.timeLine, h);
    copy.stepPhase = 0;
    const PositionSample& at = copy.sampleLog.positions[static_cast<size_t>(h)];
    const VelocitySample& was = copy.sampleLog.velocities[static_cast<size_t>(std::max(1, h - 1))];
    copy.red.x = at.redX - copy.red.radius + kImageLeft;
    copy.red.y = at.redY - copy.red.radius + kImageTop;
    copy.black.x = at.blackX - copy.black.radius + kImageLeft;
    copy.black.y = at.blackY - copy.black.radius + kImageTop;
    copy.red.speed = was.redSpeed;
    copy.red.direction = was.redDirection;
    copy.black.speed = was.blackSpeed;
    copy.black.direction = was.blackDirection;
    copy.collided = false;
    copy.contactResolved = false;
    copy.collisionTick = h;
    // what the log holds from the hidden sample on reads as the last one shown
    for (size_t k = static_cast<size_t>(h); k < copy.sampleLog.velocities.size(); ++k) {
        copy.sampleLog.velocities[k] = was;
        copy.sampleLog.positions[k] = at;
        copy.sampleLog.compression[k] = copy.sampleLog.compression[static_cast<size_t>(h)];
    }
}

namespace {
double degrees360(double radians)
{
    const double d = std::fmod(radians * 180.0 / kPi, 360.0);
    return d < 0.0 ? d + 360.0 : d;
}

double turn180(double d)
{
    double r = std::fmod(d, 360.0);
    if (r > 180.0)
        r -= 360.0;
    if (r <= -180.0)
        r += 360.0;
    return r;
}

PredictionLine lineOf(double predicted, bool hasPredicted, double actual, bool hasActual)
{
    return {predicted, actual, predicted - actual, hasPredicted, hasActual};
}

struct Motion {
    double speed, direction;   // units/s, radians
};

void puckLines(PredictionTable& t, int first, const PredictedPuck& p, Motion a, double mass)
{
    t[first] = lineOf(p.speed, p.given, a.speed, true);
    t[first + 1] = lineOf(p.direction, p.given && p.speed != 0.0, degrees360(a.direction), a.speed != 0.0);
    t[first + 1].difference = turn180(t[first + 1].difference);
    t[first + 2] = lineOf(mass * p.speed, p.given, mass * a.speed, true);
}
}   // namespace

PredictionTable predictionTable(const Prediction& p, const SimState& s, int after)
{
    const SampleLog& log = s.sampleLog;
    const VelocitySample& v0 = log.velocities[1];
    const VelocitySample& vN = log.velocities[static_cast<size_t>(std::clamp(after, 1, kTickCeiling))];
    const double m1 = s.red.mass, m2 = s.black.mass;
    PredictionTable t;
    puckLines(t, RedSpeed, p.red, {vN.redSpeed, vN.redDirection}, m1);
    puckLines(t, BlackSpeed, p.black, {vN.blackSpeed, vN.blackDirection}, m2);

    auto total = [&](double s1, double a1, double s2, double a2) {
        return std::hypot(m1 * s1 * std::cos(a1) + m2 * s2 * std::cos(a2),
                          m1 * s1 * std::sin(a1) + m2 * s2 * std::sin(a2));
    };
    const double rad = kPi / 180.0;
    const bool both = p.red.given && p.black.given;
    t[TotalMomentum] = lineOf(total(p.red.speed, p.red.direction * rad, p.black.speed, p.black.direction * rad), both,
                              total(vN.redSpeed, vN.redDirection, vN.blackSpeed, vN.blackDirection), true);

    auto energy = [&](double s1, double s2) { return 0.5 * m1 * s1 * s1 + 0.5 * m2 * s2 * s2; };
    const double before = energy(v0.redSpeed, v0.blackSpeed);
    const bool moving = before > 0.0;
    t[EnergyKept] = lineOf(moving ? 100.0 * energy(p.red.speed, p.black.speed) / before : 0.0, both && moving,
                           moving ? 100.0 * energy(vN.redSpeed, vN.blackSpeed) / before : 0.0, moving);
    auto components = [&](int first, const PredictedPuck& q, double speed, double direction) {
        t[first] = lineOf(q.speed * std::cos(q.direction * rad), q.given, speed * std::cos(direction), true);
        t[first + 1] = lineOf(q.speed * std::sin(q.direction * rad), q.given, speed * std::sin(direction), true);
    };
    components(RedVx, p.red, vN.redSpeed, vN.redDirection);
    components(BlackVx, p.black, vN.blackSpeed, vN.blackDirection);
    return t;
}

RevealedRun revealedRun(const Prediction& p, const SimState& s)
{
    const PredictionTable t = predictionTable(p, s, s.timeLineEnd);
    RevealedRun r;
    const PredictedValue kept[] = {RedSpeed, RedDirection, BlackSpeed, BlackDirection};
    for (size_t i = 0; i < 4; ++i) {
        r.predicted[i] = t[kept[i]].predicted;
        r.actual[i] = t[kept[i]].actual;
    }
    return r;
}

}   // namespace sim
