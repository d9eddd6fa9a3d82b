#include "engine/collisions.h"

#include <cmath>

#include "engine/motion.h"

namespace sim {

namespace {

// The constant of the line of centres is 3.1415926, kept as the table has it.
constexpr double kLinePi = 3.1415926;

struct Components {
    double phi, u1n, u1t, u2n, u2t;
};

Components components(const PuckState& p, const PuckState& q)
{
    Components c{};
    c.phi = lineOfCentres(p, q);
    c.u1n = p.speed * std::cos(p.direction - c.phi);
    c.u1t = p.speed * std::sin(p.direction - c.phi);
    c.u2n = q.speed * std::cos(q.direction - c.phi);
    c.u2t = q.speed * std::sin(q.direction - c.phi);
    return c;
}

double directionFrom(double phi, double n, double t)
{
    if (n == 0.0)
        return t > 0.0 ? phi + kPi / 2.0 : phi - kPi / 2.0;
    double a = phi + std::atan(t / n);
    if (n < 0.0)
        a += kLinePi;
    return a;
}

void setOutcome(PuckState& p, PuckState& q, double phi, double n1, double t1, double n2, double t2)
{
    p.speed = std::sqrt(n1 * n1 + t1 * t1);
    q.speed = std::sqrt(n2 * n2 + t2 * t2);
    p.direction = directionFrom(phi, n1, t1);
    q.direction = directionFrom(phi, n2, t2);
}

}   // namespace

double lineOfCentres(const PuckState& p, const PuckState& q)
{
    const double dx = (q.radius + q.x) - p.x - p.radius;
    const double dy = (p.radius + p.y) - q.y - q.radius;
    double phi = (dx == 0.0) ? kPi / 2.0 : std::atan(dy / dx);
    if (dx <= 0.0)
        phi += kLinePi;
    return phi;
}

void elasticCollision(PuckState& p, PuckState& q)
{
    const Components c = components(p, q);
    const double m1 = p.mass, m2 = q.mass;
    const double w = c.u1n - c.u2n;
    const double n1 = c.u2n + (m1 - m2) / (m1 + m2) * w;
    const double n2 = c.u2n + 2.0 * m1 / (m1 + m2) * w;
    setOutcome(p, q, c.phi, n1, c.u1t, n2, c.u2t);
}

void partialCollision(PuckState& p, PuckState& q, double percent)
{
    const Components c = components(p, q);
    const double m1 = p.mass, m2 = q.mass;
    const double w = c.u1n - c.u2n;
    const double e = (m1 - m2) / (m1 + m2) * w;
    const double common = m1 * w / (m1 + m2);
    const double r1 = e + (common - e) * (100.0 - percent) / 100.0;
    const double r2 = (m1 * w - m1 * r1) / m2;
    setOutcome(p, q, c.phi, r1 + c.u2n, c.u1t, r2 + c.u2n, c.u2t);
}

void stickCollision(PuckState& p, PuckState& q)
{
    const Components c = components(p, q);
    const double m1 = p.mass, m2 = q.mass;
    const double omega = (m2 * c.u2t - m1 * c.u1t) / (m1 + m2);
    const double vx = (m1 * p.speed * std::cos(p.direction) + m2 * q.speed * std::cos(q.direction)) / (m1 + m2);
    const double vy = (m1 * p.speed * std::sin(p.direction) + m2 * q.speed * std::sin(q.direction)) / (m1 + m2);
    const double cx = (m1 * (p.x + p.radius) + m2 * (q.x + q.radius)) / (m1 + m2);
    const double cy = (m1 * (p.y + p.radius) + m2 * (q.y + q.radius)) / (m1 + m2);
    q.speed = omega;
    p.speed = std::sqrt(vx * vx + vy * vy);
    p.x = cx;
    p.y = cy;
    p.direction = directionOf(vx, vy);
    q.direction = c.phi;
}

void contactCheck(SimState& s)
{
    static thread_local int nesting = 0;
    const double dx = (s.black.radius + s.black.x) - s.red.x - s.red.radius;
    const double dy = (s.red.radius + s.red.y) - s.black.y - s.black.radius;
    const double dist = std::sqrt(dx * dx + dy * dy);
    if (static_cast<double>(s.red.radius + s.black.radius) < dist)
        return;
    s.collisionTick = s.tick;
    const bool electro = s.interactionMode == Interaction::Electrostatic;
    if (!s.collided && !electro) {
        s.contactResolved = true;
        s.contactLine = lineOfCentres(s.red, s.black);
    }
    if (s.elasticPercent != 0) {
        if (!s.collided) {
            if (s.interactionMode == Interaction::SemiElastic)
                partialCollision(s.red, s.black, s.elasticPercent);
            else
                elasticCollision(s.red, s.black);
        }
        // Electrostatic pucks bounce at every contact; the extra step carries
        // them apart. Bounded, so pucks that stay overlapped cannot recurse.
        if (electro && nesting < 4) {
            ++nesting;
            moveStep(s);
            --nesting;
        }
    } else {
        stickCollision(s.red, s.black);
    }
    if (!electro)
        s.collided = true;
}

void movePair(SimState& s)
{
    // left to right as cos x scale x speed x interval x 0.001, to the last bit
    s.red.x += std::cos(s.red.direction) * s.scale * s.red.speed * s.intervalMs * 0.001;
    s.red.y -= std::sin(s.red.direction) * s.scale * s.red.speed * s.intervalMs * 0.001;
    s.black.direction += s.black.speed * s.intervalMs * 0.001;
    s.sampleLog.velocities[s.tick] = {s.red.speed, s.red.direction, s.red.speed, s.red.direction};
}

}   // namespace sim
