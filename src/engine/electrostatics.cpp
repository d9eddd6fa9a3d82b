#include "engine/electrostatics.h"

#include <cmath>

#include "engine/motion.h"

namespace sim {

double electrostaticImpulse(const SimState& s)
{
    const double dx = s.red.x - s.black.x, dy = s.red.y - s.black.y;
    const double d = std::sqrt(dx * dx + dy * dy);
    // at zero distance the law has no direction and no finite size
    if (d == 0.0 || !(2.0 * s.electroRange > d))
        return 0.0;
    return s.intervalMs * 0.0001 * s.redCharge * s.blackCharge / d;
}

void electrostaticStep(SimState& s)
{
    const double dx = s.red.x - s.black.x, dy = s.red.y - s.black.y;
    const double J = electrostaticImpulse(s);
    // screen axes here: dy grows downwards, as the impulse's sine expects
    const double theta = directionOf(dx, dy);
    applyImpulse(s.red, theta, J);
    applyImpulse(s.black, theta + kPi, J);
    moveStep(s);
}

}   // namespace sim
