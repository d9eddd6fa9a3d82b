#include "datawin/textbook.h"

#include <cmath>

#include "engine/exact_setup.h"
#include "engine/numbers.h"

namespace dw {

namespace {
bool velocityMeasure(Measure m)
{
    return m == Measure::RedSpeed || m == Measure::BlackSpeed || m == Measure::RedVx || m == Measure::RedVy
        || m == Measure::BlackVx || m == Measure::BlackVy;
}
}   // namespace

HeadOnSetUp headOnOf(const BaseSetUp& base)
{
    using sim::ExactField;
    HeadOnSetUp h;
    const sim::SetupModel& m = base.model;
    const sim::ExactNumbers n = sim::exactNumbers(m, *base.state);
    auto at = [&](ExactField f) { return n[static_cast<size_t>(f)]; };
    const double a = at(ExactField::RedDirection) * num::kPi / 180.0;
    const double b = at(ExactField::BlackDirection) * num::kPi / 180.0;
    const double dx = at(ExactField::BlackX) - at(ExactField::RedX);
    const double dy = -(at(ExactField::BlackY) - at(ExactField::RedY));
    const double across = -dx * std::sin(a) + dy * std::cos(a);   // the black puck off the red one's path
    h.m1 = at(ExactField::RedMass);
    h.m2 = at(ExactField::BlackMass);
    h.u1 = at(ExactField::RedSpeed);
    h.u2 = at(ExactField::BlackSpeed) * std::cos(b - a);
    h.mode = m.interaction;
    h.path = a;
    const bool along = at(ExactField::BlackSpeed) == 0.0 || std::fabs(std::sin(b - a)) < 1e-6;
    h.headOn = m.blackOnTable() && std::fabs(across) < 0.01 && along && !m.pushed();
    return h;
}

bool textbookValue(const HeadOnSetUp& base, Vary v, Measure m, double x, double* y)
{
    if (!base.headOn)
        return false;
    HeadOnSetUp h = base;
    double e = h.mode == sim::Interaction::Elastic ? 1.0 : 0.0;
    switch (v) {
    case Vary::RedMass: h.m1 = x; break;
    case Vary::BlackMass: h.m2 = x; break;
    case Vary::RedSpeed: h.u1 = x; break;
    case Vary::BlackSpeed: h.u2 = h.u2 < 0.0 ? -x : x; break;
    case Vary::Percent: e = x / 100.0; break;
    default: return false;
    }
    const bool energy = v == Vary::Percent;
    if (energy != (m == Measure::EnergyKept) || (energy && h.mode != sim::Interaction::SemiElastic)
        || (!energy && h.mode != sim::Interaction::Elastic && h.mode != sim::Interaction::Inelastic)
        || (!energy && !velocityMeasure(m)) || h.m1 + h.m2 <= 0.0)
        return false;
    const double M = h.m1 + h.m2, rel = h.u1 - h.u2;
    if (energy) {
        const double before = 0.5 * h.m1 * h.u1 * h.u1 + 0.5 * h.m2 * h.u2 * h.u2;
        if (!(before > 0.0))
            return false;
        const double lost = 0.5 * (1.0 - e * e) * h.m1 * h.m2 / M * rel * rel;
        *y = 100.0 * (before - lost) / before;
        return true;
    }
    // along the path: v1 = u1 - (1 + e) m2 / M rel, v2 = u2 + (1 + e) m1 / M rel
    const double v1 = h.u1 - (1.0 + e) * h.m2 / M * rel, v2 = h.u2 + (1.0 + e) * h.m1 / M * rel;
    switch (m) {
    case Measure::RedSpeed: *y = std::fabs(v1); break;
    case Measure::BlackSpeed: *y = std::fabs(v2); break;
    case Measure::RedVx: *y = v1 * std::cos(h.path); break;
    case Measure::RedVy: *y = v1 * std::sin(h.path); break;
    case Measure::BlackVx: *y = v2 * std::cos(h.path); break;
    default: *y = v2 * std::sin(h.path); break;
    }
    return true;
}

}   // namespace dw
