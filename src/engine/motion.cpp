#include "engine/motion.h"

#include <cmath>

#include "engine/collisions.h"

namespace sim {

Offset displayOffset(const SimState& s, int n)
{
    const double t = (n - 1) * s.intervalMs * s.eventsPerTick / 1000.0;
    return {0.5 * s.pushAccel * t * t, 0.5 * s.tiltAccel * t * t};
}

double tiltAccelFor(int p, double scale)
{
    // 3.14156 and g = 980 cm/s^2 as the table has always used them.
    return std::sin(p * 3.14156 / 18000.0) * 980.0 * scale;
}

double pushAccelFor(int p, double scale, int redMassBar)
{
    return 1.0 * scale * p / redMassBar;
}

double directionOf(double dx, double dy)
{
    if (dx == 0.0)
        return dy >= 0.0 ? kPi / 2.0 : 3.0 * kPi / 2.0;
    double a = std::atan(dy / dx);
    if (dx < 0.0)
        a += kPi;
    return a;
}

double directionFromHandle(const PuckState& p, int hl, int ht, int h, int dimension)
{
    double dx = (hl + h) - (p.radius + p.x);
    // In 1-D a handle on the puck's own column aims along the track, as
    // when it was dragged there; never straight up, where the puck stalls.
    if (dimension == 1 && dx == 0.0)
        dx = 1.0;
    return directionOf(dx, (p.radius + p.y) - (ht + h));
}

void applyImpulse(PuckState& p, double theta, double J)
{
    const double vx = std::cos(p.direction) * p.speed + std::cos(theta) * J / p.mass;
    const double vy = std::sin(p.direction) * p.speed - std::sin(theta) * J / p.mass;
    p.speed = std::sqrt(vx * vx + vy * vy);
    p.direction = directionOf(vx, vy);
}

void computeDirections(SimState& s, int handleWidth)
{
    const int h = handleWidth / 2;
    s.red.direction = directionFromHandle(s.red, s.redHandleLeft, s.redHandleTop, h, s.dimension);
    s.black.direction = directionFromHandle(s.black, s.blackHandleLeft, s.blackHandleTop, h, s.dimension);
    s.redStartDirection = s.red.direction;
    if (s.massCount == 1)
        s.black.direction = s.red.direction;
    s.blackStartDirection = s.black.direction;
}

void moveStep(SimState& s)
{
    for (PuckState* p : {&s.red, &s.black}) {
        // grouped as d = scale x speed x interval x 0.001: a chaotic run shows the last bit
        const double d = s.scale * p->speed * s.intervalMs * 0.001;
        p->x += std::cos(p->direction) * d;
        if (s.dimension != 1)
            p->y -= std::sin(p->direction) * d;
    }
    const double rr = s.red.radius + s.black.radius;
    const double cdx = (s.red.x + s.red.radius) - (s.black.x + s.black.radius);
    const double cdy = (s.red.y + s.red.radius) - (s.black.y + s.black.radius);
    if (std::fabs(cdx) < rr && std::fabs(cdy) < rr)
        contactCheck(s);
    s.sampleLog.velocities[s.tick] = {s.red.speed, s.red.direction, s.black.speed, s.black.direction};
}

void recordSample(SimState& s)
{
    PositionSample& e = s.sampleLog.positions[s.tick];
    if (s.elasticPercent == 0 && s.collided) {
        const double th = s.black.direction;
        const double D = s.red.radius + s.black.radius;
        const double M = s.red.mass + s.black.mass;
        const double X = s.red.x - kImageLeft;
        const double Y = s.red.y - kImageTop;
        e.redX = X - std::cos(th) * D * s.black.mass / M;
        e.redY = Y + std::sin(th) * D * s.black.mass / M;
        e.blackX = X + std::cos(th) * D * s.red.mass / M;
        e.blackY = Y - std::sin(th) * D * s.red.mass / M;
    } else {
        e.redX = s.red.x + s.red.radius - kImageLeft;
        e.redY = s.red.y + s.red.radius - kImageTop;
        e.blackX = s.black.x + s.black.radius - kImageLeft;
        e.blackY = s.black.y + s.black.radius - kImageTop;
    }
}

void recordPass(SimState& s, PassModes modes)
{
    if (s.stepPhase != 0 || modes.circle)
        return;
    recordSample(s);
    if (!modes.arrowsShown && modes.oneD)
        s.black.y = s.red.y;
}

}   // namespace sim
