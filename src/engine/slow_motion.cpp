#include "engine/slow_motion.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "engine/headless_run.h"

namespace sim {

namespace {

// A velocity changed, not only the direction a puck at rest is said to have.
bool changed(const VelocitySample& a, const VelocitySample& b)
{
    const auto moved = [](double s1, double d1, double s0, double d0) {
        const Vec2 u = velocityOf(s1, d1), v = velocityOf(s0, d0);
        return std::fabs(u.x - v.x) + std::fabs(u.y - v.y) > 1e-12;
    };
    return moved(a.redSpeed, a.redDirection, b.redSpeed, b.redDirection)
        || moved(a.blackSpeed, a.blackDirection, b.blackSpeed, b.blackDirection);
}

SlowSpan around(int from, int to)
{
    return {std::max(1, from - kSlowMargin), to + kSlowMargin};
}

int closestApproach(const SampleLog& log, int last)
{
    int at = 1;
    double best = -1.0;
    for (int i = 1; i <= last; ++i) {
        const PositionSample& q = log.positions[size_t(i)];
        const double d = (q.redX - q.blackX) * (q.redX - q.blackX) + (q.redY - q.blackY) * (q.redY - q.blackY);
        if (best < 0.0 || d < best) {
            best = d;
            at = i;
        }
    }
    return at;
}

}   // namespace

SlowSpan slowSpanOf(const RunPhysics& p, const SampleLog& log, int last)
{
    last = std::min(last, int(log.positions.size()) - 2);
    if (!p.twoPucks || last < 1)
        return {};
    if (p.mode == Interaction::Electrostatic) {
        const int at = closestApproach(log, last);
        return around(at, at);
    }
    if (p.mode == Interaction::Spring1D) {
        int i = 1;
        while (i <= last && log.compression[size_t(i)] <= 0.0)
            ++i;
        if (i > last)
            return {};
        int j = i;
        while (j < last && j < i + 400 && log.compression[size_t(j + 1)] > 0.0)   // a locked spring stays pressed
            ++j;
        return around(i, j);
    }
    for (int i = 1; i <= last; ++i)
        if (changed(log.velocities[size_t(i)], i > 1 ? log.velocities[size_t(i - 1)] : p.start))
            return around(i, i);
    return {};
}

SlowSpan foreseeSlowSpan(const SimState& s, const SetupModel& m, int ticks)
{
    auto copy = std::make_unique<SimState>(s);
    HeadlessRun run(*copy);
    run.start();
    run.runThrough(std::min(ticks, kMaxTick));
    RunPhysics p = runPhysicsOf(*copy, m);
    return slowSpanOf(p, copy->sampleLog, copy->timeLineEnd);
}

}   // namespace sim
