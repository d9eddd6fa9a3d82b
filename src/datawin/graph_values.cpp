#include "datawin/graph_values.h"

#include <algorithm>
#include <cmath>

#include "engine/numbers.h"

namespace dw {

namespace {
double factor(Component c, double angle)
{
    switch (c) {
    case XComponent: return std::cos(angle);
    case YComponent: return std::sin(angle);
    default: return 1.0;
    }
}
}   // namespace

double sampleValue(const RunData& run, Quantity q, Component c, Which w, int i, bool pushed)
{
    const sim::VelocitySample& v = run.log->velocities[static_cast<size_t>(i)];
    const double Ur = v.redSpeed * factor(c, v.redDirection);
    const double Ub = v.blackSpeed * factor(c, v.blackDirection);
    const double push = pushed ? (i - 1) * run.g : 0.0;
    const double red = q == Velocity ? Ur + push : q == Energy ? 0.5 * run.redMass * Ur * Ur : run.redMass * Ur;
    const double black = q == Velocity ? Ub : q == Energy ? 0.5 * run.blackMass * Ub * Ub : run.blackMass * Ub;
    switch (w) {
    case Red: return red;
    case Black: return black;
    default: return red + black;
    }
}

GraphExtremes computeGraphExtremes(const RunData& run, Component c, int P)
{
    GraphExtremes e;
    if (!run.log)
        return e;
    const int last = std::min(P, sim::kTickCeiling);
    // what a challenge keeps neither is drawn nor stretches the axes
    const double black = run.blackMassHidden ? 0.0 : 1.0;
    for (int i = shownFrom(run); i <= last; ++i) {
        const sim::VelocitySample& v = run.log->velocities[static_cast<size_t>(i)];
        const double push = (i - 1) * run.g;
        // the extremes add the push to every velocity and to both energies before squaring
        const double Ur = v.redSpeed * factor(c, v.redDirection);
        const double Ub = v.blackSpeed * factor(c, v.blackDirection);
        const double values[3][3] = {
            {Ur + push, Ub + push, Ur + Ub + push},
            {0.5 * run.redMass * (Ur + push) * (Ur + push), black * 0.5 * run.blackMass * (Ub + push) * (Ub + push),
             black * (0.5 * run.redMass * Ur * Ur + 0.5 * run.blackMass * Ub * Ub)},
            {run.redMass * Ur, black * run.blackMass * Ub, black * (run.redMass * Ur + run.blackMass * Ub)},
        };
        for (int q = 0; q < 3; ++q)
            for (int s = 0; s < 3; ++s) {
                e.max[q][s] = std::max(e.max[q][s], values[q][s]);
                e.min[q][s] = std::min(e.min[q][s], values[q][s]);
            }
    }
    for (int q = 0; q < 3; ++q) {
        e.maxRB[q] = std::max(e.max[q][Red], e.max[q][Black]);
        e.maxAll[q] = std::max(e.max[q][Total], e.maxRB[q]);
        e.minRB[q] = std::min(e.min[q][Red], e.min[q][Black]);
        e.minAll[q] = std::min(e.min[q][Total], e.minRB[q]);
    }
    return e;
}

void widenExtremes(GraphExtremes& into, const GraphExtremes& other)
{
    for (size_t q = 0; q < 3; ++q) {
        for (size_t s = 0; s < 3; ++s) {
            into.max[q][s] = std::max(into.max[q][s], other.max[q][s]);
            into.min[q][s] = std::min(into.min[q][s], other.min[q][s]);
        }
        into.maxRB[q] = std::max(into.maxRB[q], other.maxRB[q]);
        into.maxAll[q] = std::max(into.maxAll[q], other.maxAll[q]);
        into.minRB[q] = std::min(into.minRB[q], other.minRB[q]);
        into.minAll[q] = std::min(into.minAll[q], other.minAll[q]);
    }
}

int GraphAxes::x(int i) const
{
    return X0 + num::Round((i - 1) * sx);
}

int GraphAxes::y(double v) const
{
    return Y0 - num::Round((v - bottom) * sy);
}

namespace {
// 1000, 2000, 5000, 10000, ... until the value labels (13 px high on their
// white ground) no longer cover each other.
int tallStep(double sy)
{
    int step = 1000;
    for (int decade = 1000; decade <= 100000000; decade *= 10)
        for (int m : {1, 2, 5}) {
            step = m * decade;
            if (step * sy >= kLabelSpacing)
                return step;
        }
    return step;
}
}   // namespace

GraphAxes graphAxes(const GraphExtremes& e, Quantity q, Series s, int W, int H, int P)
{
    GraphAxes a;
    switch (s) {
    case RedPuck:
        a.top = e.max[q][Red];
        a.bottom = e.min[q][Red];
        break;
    case BlackPuck:
        a.top = e.max[q][Black];
        a.bottom = e.min[q][Black];
        break;
    case RedAndBlack:
        a.top = e.maxRB[q];
        a.bottom = e.minRB[q];
        break;
    default:
        a.top = e.maxAll[q];
        a.bottom = e.minAll[q];
        break;
    }
    a.top = std::max(a.top, 0.0);
    a.bottom = std::min(a.bottom, 0.0);
    a.range = a.top - a.bottom;
    if (a.range < 2.0)
        a.range = 5.0;
    a.X0 = 40;
    a.Y0 = H - 25;
    a.sx = (W - 50) / static_cast<double>(std::max(P, 1));
    a.sy = (H - 35) / a.range;
    a.yz = a.Y0 + num::Round(a.sy * a.bottom);
    const double R = a.range;
    a.n = num::Round((H - 35) / a.sy) + 1;
    a.step = R > 2500 ? 500
        : R > 1000    ? 100
        : R > 500     ? 50
        : R > 200     ? 20
        : R > 100     ? 20
        : R > 50      ? 10
        : R > 20      ? 5
                      : 1;
    if (R > 5000)
        a.step = tallStep(a.sy);
    if (a.step != 1)
        a.n = a.n / a.step + 1;
    return a;
}

}   // namespace dw
