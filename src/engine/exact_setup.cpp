#include "engine/exact_setup.h"

#include <charconv>
#include <cmath>
#include <string>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "engine/placing.h"
#include "engine/table_start.h"

namespace sim {

namespace {
using F = ExactField;

int idx(ExactField f)
{
    return static_cast<int>(f);
}

bool isRed(ExactField f)
{
    return idx(f) <= idx(F::RedY);
}

// A bar field's position for its value: the value over the step, a typed
// decimal's half going away from zero as a person rounds it.
int positionOf(double v, double step)
{
    const double p = v / step;
    return static_cast<int>(std::lround(p + (p >= 0 ? 1e-9 : -1e-9)));
}

// Pixels per length unit, as the ruler measures.
int perUnit(const SetupModel& m)
{
    return m.scale;
}

int sideOf(const SetupModel& m, bool red)
{
    return red ? m.redSide() : m.blackSide();
}

// A shape of `side` pixels wholly on the table picture, along one axis.
int lastLeft(int side)
{
    return kImageLeft + kTableWidth - side;
}
int lastTop(int side)
{
    return kImageTop + kTableHeight - side;
}

double wrapped(double a)
{
    return std::remainder(a, 2 * num::kPi);
}
}   // namespace

ExactSpec exactSpec(ExactField f, const SetupModel& m)
{
    const bool red = isRed(f);
    const bool black = m.blackOnTable();
    const double k = perUnit(m);
    const int side = sideOf(m, red);
    const double r = side / 2;
    const char* length = m.lengthUnit();
    const bool pushed = m.pushed();
    switch (f) {
    case F::RedMass: return {0.1, 20.0, 0.1, 1, "kg", true};
    case F::BlackMass: return {0.1, 20.0, 0.1, 1, "kg", black};
    case F::RedSpeed: return {0.0, 50.0, 0.1, 1, pushed ? "m/s" : "cm/s", m.redSpeedShown};
    case F::BlackSpeed: return {0.0, 50.0, 0.1, 1, "cm/s", black && m.blackBarsShown};
    case F::RedDirection: return {-360.0, 360.0, 0.0, 1, "deg", true};
    case F::BlackDirection: return {-360.0, 360.0, 0.0, 1, "deg", black};
    case F::RedX:
    case F::BlackX: return {r / k, (kTableWidth - side + r) / k, 1.0 / k, 2, length, red || black};
    case F::RedY:
    case F::BlackY: return {r / k, (kTableHeight - side + r) / k, 1.0 / k, 2, length, red || black, m.dimension == 1};
    case F::Percent: return {0.0, 200.0, 1.0, 0, "%", m.percentShown};
    case F::TableAngle:
        if (m.dimension == 1)
            return {0.0, m.tableAngleMaximum / 10.0, 0.1, 1, "N", m.tableAngleShown};
        return {0.0, m.tableAngleMaximum / 100.0, 0.01, 2, "deg", m.tableAngleShown};
    case F::SpringK: return {1.0, 200.0, 1.0, 0, "N/m", m.springBoxShown};
    case F::SpringLength: return {0.5, 10.0, 0.05, 2, "cm", m.springBoxShown};
    case F::RedCharge: return {-10.0, 10.0, 0.1, 1, "", m.chargesShown};
    case F::BlackCharge: return {0.0, 10.0, 0.1, 1, "", m.chargesShown && black};
    }
    return {};
}

ExactNumbers exactNumbers(const SetupModel& m, const SimState& s)
{
    ExactNumbers n{};
    const double k = perUnit(m);
    auto put = [&n](ExactField f, double v) { n[static_cast<size_t>(idx(f))] = v; };
    put(F::RedMass, m.redMass / 10.0);
    put(F::BlackMass, m.blackMass / 10.0);
    put(F::RedSpeed, m.redSpeed / 10.0);
    put(F::BlackSpeed, m.blackSpeed / 10.0);
    put(F::RedDirection, s.redStartDirection * 180.0 / num::kPi);
    put(F::BlackDirection, s.blackStartDirection * 180.0 / num::kPi);
    put(F::RedX, (s.red.startLeft + s.red.radius - kImageLeft) / k);
    put(F::RedY, (s.red.startTop + s.red.radius - kImageTop) / k);
    put(F::BlackX, (s.black.startLeft + s.black.radius - kImageLeft) / k);
    put(F::BlackY, (s.black.startTop + s.black.radius - kImageTop) / k);
    put(F::Percent, m.elasticPercent);
    put(F::TableAngle, m.tableAngle / (m.dimension == 1 ? 10.0 : 100.0));
    put(F::SpringK, m.springK);
    put(F::SpringLength, m.springLength / 20.0);
    put(F::RedCharge, m.redCharge / 10.0);
    put(F::BlackCharge, m.blackCharge / 10.0);
    return n;
}

bool parseTyped(std::string_view text, bool comma, double* value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    std::string plain;
    bool digits = false, point = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '-' || c == '+') && i == 0)
            plain += c;
        else if (c >= '0' && c <= '9')
            plain += c, digits = true;
        else if ((c == '.' || (comma && c == ',')) && !point)
            plain += '.', point = true;
        else
            return false;
    }
    if (!digits || plain.size() > 40)
        return false;
    // from_chars reads no "+" and no locale
    const char* first = plain.data() + (plain[0] == '+' ? 1 : 0);
    return std::from_chars(first, plain.data() + plain.size(), *value).ec == std::errc();
}

bool ExactPlan::ok() const
{
    for (bool r : refused)
        if (r)
            return false;
    return !overlap;
}

namespace {
// A bar field: the typed value to its bar's position, held to the range.
struct BarField {
    ExactField field;
    int SetupModel::*bar;
};

// The handle's pixel whose drag gives the direction nearest `degrees`, on
// the table and clear of the puck; in 1-D only along the track.
bool aimAt(double degrees, const SetupModel& m, const PuckState& p, int handleTop, PuckTarget* t)
{
    const int hs = m.dotSize, h = hs / 2;
    const double cx = p.x + p.radius, cy = p.y + p.radius;
    const double want = degrees * num::kPi / 180.0;
    const int lo = kImageLeft, hiLeft = lastLeft(hs), hiTop = lastTop(hs);
    if (m.dimension == 1) {
        // forwards unless the wish points backwards; the drag keeps the handle's row
        const bool back = std::cos(want) < -1e-12;
        for (int d = p.radius + 20; d > h; --d) {
            const int left = static_cast<int>(std::floor(cx + (back ? -d : d))) - h;
            if (left >= lo && left <= hiLeft) {
                t->handleLeft = left;
                t->handleTop = handleTop;
                return true;
            }
        }
        return false;
    }
    bool found = false;
    double bestError = 0.0, bestRing = 0.0;
    const int inner = p.radius + 10, outer = p.radius + 40;
    for (int top = std::max(kImageTop, static_cast<int>(cy) - outer - h);
         top <= std::min(hiTop, static_cast<int>(cy) + outer); ++top)
        for (int left = std::max(lo, static_cast<int>(cx) - outer - h);
             left <= std::min(hiLeft, static_cast<int>(cx) + outer); ++left) {
            const double dist = std::hypot(left + h - cx, top + h - cy);
            if (dist < inner || dist > outer)
                continue;
            const double error = std::fabs(wrapped(directionFromHandle(p, left, top, h, 2) - want));
            const double ring = std::fabs(dist - (p.radius + 20));
            if (!found || error < bestError - 1e-12 || (std::fabs(error - bestError) <= 1e-12 && ring < bestRing)) {
                found = true;
                bestError = error;
                bestRing = ring;
                t->handleLeft = left;
                t->handleTop = top;
            }
        }
    return found;
}

// The places and then the aims: a puck's handle is sought around its new place.
void placePlan(ExactPlan& plan, const ExactNumbers& typed, const SetupModel& m, const SimState& s)
{
    const double k = perUnit(m);
    for (const bool red : {true, false}) {
        const PuckState& now = red ? s.red : s.black;
        PuckTarget& t = red ? plan.red : plan.black;
        t = {now.startLeft, now.startTop, red ? s.redHandleLeft : s.blackHandleLeft,
             red ? s.redHandleTop : s.blackHandleTop};
        const ExactField fx = red ? F::RedX : F::BlackX, fy = red ? F::RedY : F::BlackY;
        const ExactField fd = red ? F::RedDirection : F::BlackDirection;
        if (!exactSpec(fx, m).shown)
            continue;
        const int side = sideOf(m, red), r = side / 2;
        for (const ExactField f : {fx, fy}) {
            const ExactSpec spec = exactSpec(f, m);
            if (spec.fixed)
                continue;
            const int place = positionOf(typed[static_cast<size_t>(idx(f))] * k, 1.0);
            const bool across = f == fx;
            const int corner = place - r + (across ? kImageLeft : kImageTop);
            const bool inside =
                corner >= (across ? kImageLeft : kImageTop) && corner <= (across ? lastLeft(side) : lastTop(side));
            plan.refused[static_cast<size_t>(idx(f))] = !inside;
            if (!inside)
                continue;
            (across ? t.left : t.top) = corner;
            plan.used[static_cast<size_t>(idx(f))] = place / k;
        }
        // the handle rides along with its puck, then is dragged to the aim
        const int handleTop = t.handleTop + (t.top - now.startTop);
        PuckState placed = now;
        placed.x = t.left;
        placed.y = t.top;
        const double degrees = typed[static_cast<size_t>(idx(fd))];
        // an aim left as it was keeps its handle, wherever the puck goes
        const bool same = degrees == plan.used[static_cast<size_t>(idx(fd))];
        if (same) {
            t.handleLeft += t.left - now.startLeft;
            t.handleTop = handleTop;
        }
        const bool aimed = same || (std::fabs(degrees) <= 360.0 && aimAt(degrees, m, placed, handleTop, &t));
        plan.refused[static_cast<size_t>(idx(fd))] = !aimed;
        if (aimed) {
            const double got = directionFromHandle(placed, t.handleLeft, t.handleTop, m.dotSize / 2, m.dimension);
            const double deg = got * 180.0 / num::kPi;
            plan.used[static_cast<size_t>(idx(fd))] = deg + 360.0 * std::round((degrees - deg) / 360.0);
        }
    }
    if (m.blackOnTable()) {
        const int w = m.redSide();
        plan.overlap =
            std::abs(plan.red.left - plan.black.left) < w + 2 && std::abs(plan.red.top - plan.black.top) < w + 2;
    }
}
}   // namespace

ExactPlan planExact(const ExactNumbers& typed, int electroEntry, const SetupModel& m, const SimState& s)
{
    ExactPlan plan;
    plan.bars = m;
    plan.used = exactNumbers(m, s);
    auto at = [](ExactField f) { return static_cast<size_t>(idx(f)); };
    auto wanted = [&](ExactField f) {
        const ExactSpec spec = exactSpec(f, m);
        return spec.shown && !spec.fixed;
    };
    const BarField bars[] = {
        {F::RedMass, &SetupModel::redMass},        {F::BlackMass, &SetupModel::blackMass},
        {F::RedSpeed, &SetupModel::redSpeed},      {F::BlackSpeed, &SetupModel::blackSpeed},
        {F::Percent, &SetupModel::elasticPercent}, {F::TableAngle, &SetupModel::tableAngle},
        {F::SpringK, &SetupModel::springK},        {F::SpringLength, &SetupModel::springLength},
        {F::RedCharge, &SetupModel::redCharge},    {F::BlackCharge, &SetupModel::blackCharge},
    };
    for (const BarField& b : bars) {
        if (!wanted(b.field))
            continue;
        const ExactSpec spec = exactSpec(b.field, m);
        const int position = positionOf(typed[at(b.field)], spec.step);
        const int first = positionOf(spec.min, spec.step), last = positionOf(spec.max, spec.step);
        plan.refused[at(b.field)] = position < first || position > last;
        if (plan.refused[at(b.field)])
            continue;
        plan.bars.*b.bar = position;
        plan.used[at(b.field)] = position * spec.step;
    }
    if (wanted(F::RedCharge) && m.interaction == Interaction::Electrostatic)
        plan.bars.electroEntry = electroEntry;
    // with one mass the black bar follows the red one
    if (m.massCount == 1)
        plan.bars.blackSpeed = plan.bars.redSpeed;
    placePlan(plan, typed, m, s);
    return plan;
}

void applyExact(const ExactPlan& p, SetupRules& rules, SimState& s)
{
    const SetupModel& b = p.bars;
    rules.setMass(1, b.redMass);
    rules.setMass(2, b.blackMass);
    rules.setSpeed(1, b.redSpeed);
    rules.setSpeed(2, b.blackSpeed);
    rules.setCharge(1, b.redCharge);
    rules.setCharge(2, b.blackCharge);
    rules.setPercent(b.elasticPercent);
    rules.setSpringK(b.springK);
    rules.setSpringLength(b.springLength);
    rules.setTableAngle(b.tableAngle);
    const SetupModel& m = rules.model();
    if (m.interaction == Interaction::Electrostatic && b.electroEntry != m.electroEntry)
        rules.chooseInteraction(Interaction::Electrostatic, b.electroEntry);
    for (const int tag : {1, 2}) {
        const PuckTarget& t = tag == 1 ? p.red : p.black;
        if (tag == 2 && !m.blackOnTable())
            continue;
        placePuck(s, tag, t.left, t.top);
        aimPuck(s, tag, t.handleLeft, t.handleTop, m.dotSize);
    }
}

}   // namespace sim
