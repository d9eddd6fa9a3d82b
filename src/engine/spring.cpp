#include "engine/spring.h"

#include <algorithm>
#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"

namespace sim {

namespace {
void outOfReach(SimState& s)
{
    s.sampleLog.compression[static_cast<size_t>(s.viewTick)] = 0.0;
    s.springReading = {false, 0.0};
}
}   // namespace

void springStep(SimState& s)
{
    const double D = 2.0 * s.red.radius;
    if (s.black.x < s.red.x) {
        moveStep(s);   // they have passed each other
        outOfReach(s);
    } else if (s.black.x - s.red.x > s.springLength + D) {
        outOfReach(s);
        moveStep(s);
    } else {
        springContactStep(s);
    }
}

void springContactStep(SimState& s)
{
    const double L = s.springLength;
    const double D = 2.0 * s.red.radius;
    const double g = s.black.x - s.red.x - D;
    double c = L - g;
    double& entry = s.sampleLog.compression[static_cast<size_t>(s.viewTick)];
    entry = c >= L ? L / 20.0 : c / 20.0;   // touching or overlapping: fully compressed
    s.springReading = {true, entry};
    const double K = s.springK * s.intervalMs;

    double J = 0.0;
    const bool shrinking = g < s.minSpringGap && g >= 0.0;
    if (shrinking || s.springKind != 4) {
        s.minSpringGap = g;
        if (std::fabs(c) >= L) {
            s.red.x = s.black.x - D - 1.0;
            c = L;
        }
        c = std::fabs(c);
        J = -5e-05 * K * c;
    } else {
        // Lock at the compression that the lost kinetic energy would store.
        const VelocitySample& v0 = s.sampleLog.velocities[1];
        const double m1 = s.red.mass, m2 = s.black.mass;
        const double p =
            m1 * v0.redSpeed * std::cos(v0.redDirection) + m2 * v0.blackSpeed * std::cos(v0.blackDirection);
        const double V = std::fabs(p) / (m1 + m2);
        // the locked pair moves along its momentum, never against it
        s.red.speed = V;
        s.black.speed = V;
        s.red.direction = s.black.direction = p >= 0.0 ? 0.0 : kPi;
        // never below zero, where rounding would make the root NaN
        const double E = std::max(0.0,
                                  0.5 * m1 * (v0.redSpeed * v0.redSpeed) + 0.5 * m2 * (v0.blackSpeed * v0.blackSpeed)
                                      - 0.5 * (m1 + m2) * (V * V));
        const double X = std::sqrt(2.0 * E / s.springK);
        const bool fits = L / 20.0 >= X;
        const int G = fits ? num::Trunc(L - 20.0 * X) : 0;
        entry = fits ? X : L / 20.0;
        s.springReading = {true, entry};
        s.red.x = s.black.x - G - D;
        s.minSpringGap = 0.0;
    }
    applyImpulse(s.red, 0.0, J);
    applyImpulse(s.black, kPi, J);
    moveStep(s);
}

SimState::SpringReading setupSpringReading(const SimState& s)
{
    const PositionSample& e = s.sampleLog.positions[static_cast<size_t>(s.viewTick)];
    const double gap = e.blackX - e.redX - 2.0 * s.red.radius;
    if (s.springLength >= gap && e.blackX > e.redX)
        return {true, (s.springLength - num::Trunc(gap)) / 20.0};
    return {true, 0.0};
}

int springDrawnLength(const SimState& s, int n)
{
    const PositionSample& e = s.sampleLog.positions[static_cast<size_t>(n)];
    const double gap = e.blackX - e.redX - 2.0 * s.red.radius;
    if (s.springLength > gap && e.blackX > e.redX)
        return num::Trunc(gap - 1.0);
    return s.springLength;
}

}   // namespace sim
