#include "engine/circle.h"

#include <cmath>

namespace sim {

CircleOrbit circleOrbit(const SimState& s, int pl, int pt, int pw, int hl, int ht, int hw)
{
    CircleOrbit o;
    const double dx = (hl + hw / 2.0) - (pl + pw / 2.0);
    const double dy = (ht + hw / 2.0) - (pt + pw / 2.0);
    o.R = std::sqrt(dx * dx + dy * dy);
    // a pivot on the puck's centre gives no motion rather than a division by zero
    o.omega0 = o.R > 0.0 ? s.scale * s.red.speed / o.R * s.eventsPerTick : 0.0;
    o.sgn = o.omega0 < 0.0 ? -1.0 : 1.0;
    o.direction = s.red.direction;
    o.friction = o.R > 0.0 ? s.circleFriction : 0.0;
    o.intervalMs = s.intervalMs;
    return o;
}

double circleAngle(const CircleOrbit& o, int i)
{
    return o.direction - (o.omega0 - o.sgn * 0.001 * o.friction * i) * i * o.intervalMs * 0.001;
}

}   // namespace sim
