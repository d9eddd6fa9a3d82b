#include "datawin/investigation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <thread>

#include "datawin/ledger.h"
#include "engine/exact_setup.h"
#include "engine/headless_run.h"
#include "engine/headless_setup.h"
#include "engine/numbers.h"

namespace dw {

namespace {
using sim::ExactField;
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
constexpr int kRanges[] = {20, 50, 100, 1000};

struct VaryInfo {
    const char* name;
    const char* header;   // before its unit
    ExactField field;   // where Set Up Exactly takes it
};
const VaryInfo kVary[kVaryCount] = {
    {"mass1", "red mass", ExactField::RedMass},
    {"mass2", "black mass", ExactField::BlackMass},
    {"speed1", "red speed", ExactField::RedSpeed},
    {"speed2", "black speed", ExactField::BlackSpeed},
    {"direction1", "red direction", ExactField::RedDirection},
    {"direction2", "black direction", ExactField::BlackDirection},
    {"offset", "impact offset", ExactField::BlackY},
    {"percent", "percent", ExactField::Percent},
    {"angle", "table angle", ExactField::TableAngle},
    {"spring-k", "spring k", ExactField::SpringK},
    {"spring-length", "spring length", ExactField::SpringLength},
    {"charge1", "red charge", ExactField::RedCharge},
    {"charge2", "black charge", ExactField::BlackCharge},
    {"range", "electrostatic range", ExactField::BlackCharge},
};
const char* const kMeasureNames[kMeasureCount] = {
    "speed1",   "speed2",      "direction1",  "direction2",    "px1",          "py1",         "px2",     "py2",
    "momentum", "energy-kept", "restitution", "angle-between", "contact-time", "compression", "closest", "vx1",
    "vy1",      "vx2",         "vy2"};

// A point's own table, reset to the base's start.
struct PointTable {
    std::unique_ptr<sim::SimState> s;
    std::unique_ptr<sim::HeadlessSetup> setup;
    explicit PointTable(const BaseSetUp& base)
        : s(std::make_unique<sim::SimState>(*base.state)), setup(std::make_unique<sim::HeadlessSetup>(*s, base.model))
    {
        setup->reset();
    }
};

// Where the black puck stands `d` cm to the left of the red puck's path
// (y up), from its foot on that path.
void offsetPlace(sim::ExactNumbers& n, double d)
{
    auto at = [&](ExactField f) -> double& { return n[static_cast<size_t>(f)]; };
    const double a = at(ExactField::RedDirection) * num::kPi / 180.0;
    const double rx = at(ExactField::RedX), ry = -at(ExactField::RedY);
    const double px = at(ExactField::BlackX), py = -at(ExactField::BlackY);
    const double t = (px - rx) * std::cos(a) + (py - ry) * std::sin(a);
    at(ExactField::BlackX) = rx + t * std::cos(a) - d * std::sin(a);
    at(ExactField::BlackY) = -(ry + t * std::sin(a) + d * std::cos(a));
}

double offsetOf(const sim::ExactNumbers& n)
{
    auto at = [&](ExactField f) { return n[static_cast<size_t>(f)]; };
    const double a = at(ExactField::RedDirection) * num::kPi / 180.0;
    const double dx = at(ExactField::BlackX) - at(ExactField::RedX);
    const double dy = -(at(ExactField::BlackY) - at(ExactField::RedY));
    return -dx * std::sin(a) + dy * std::cos(a);
}

int nearestRange(double v)
{
    int best = kRanges[0];
    for (int r : kRanges)
        if (std::fabs(r - v) < std::fabs(best - v))
            best = r;
    return best;
}

// The plan that puts `value` into the point's table; false when refused.
bool planFor(PointTable& t, Vary v, double value, sim::ExactPlan* plan)
{
    const sim::SetupModel& m = t.setup->model();
    sim::ExactNumbers n = sim::exactNumbers(m, *t.s);
    int entry = m.electroEntry;
    if (v == Vary::Offset)
        offsetPlace(n, value);
    else if (v == Vary::Range)
        entry = nearestRange(value);
    else
        n[static_cast<size_t>(kVary[static_cast<int>(v)].field)] = value;
    *plan = sim::planExact(n, entry, m, *t.s);
    return plan->ok();
}

double usedValue(Vary v, const sim::ExactPlan& p)
{
    if (v == Vary::Offset)
        return offsetOf(p.used);
    if (v == Vary::Range)
        return p.bars.electroEntry;
    return p.used[static_cast<size_t>(kVary[static_cast<int>(v)].field)];
}

bool usedHere(Vary v, const sim::SetupModel& m)
{
    if (v == Vary::Range)
        return m.interaction == sim::Interaction::Electrostatic;
    const sim::ExactSpec spec = sim::exactSpec(kVary[static_cast<int>(v)].field, m);
    if (v == Vary::Offset)
        return spec.shown && !spec.fixed && m.blackOnTable();
    return spec.shown && !spec.fixed;
}
}   // namespace

const char* varyName(Vary v)
{
    return kVary[static_cast<int>(v)].name;
}

const char* measureName(Measure m)
{
    return kMeasureNames[static_cast<int>(m)];
}

bool varyNamed(std::string_view name, Vary* v)
{
    for (int i = 0; i < kVaryCount; ++i)
        if (name == kVary[i].name)
            return *v = static_cast<Vary>(i), true;
    return false;
}

bool measureNamed(std::string_view name, Measure* m)
{
    for (int i = 0; i < kMeasureCount; ++i)
        if (name == kMeasureNames[i])
            return *m = static_cast<Measure>(i), true;
    return false;
}

std::string varyHeader(Vary v, const sim::SetupModel& m)
{
    const VaryInfo& info = kVary[static_cast<int>(v)];
    if (v == Vary::Range)
        return "electrostatic range";
    if (v == Vary::Offset)
        return "impact offset (cm)";
    if (v == Vary::TableAngle && m.dimension == 1)
        return "push (N)";
    const std::string unit = sim::exactSpec(info.field, m).unit;
    return std::string(info.header)
        + (unit.empty() ? "" : " (" + (unit == "deg" ? std::string("degrees") : unit) + ")");
}

std::string measureHeader(Measure m, const char* unit)
{
    const std::string u = unit, v = u + "/s", p = "kg " + u + "/s";
    switch (m) {
    case Measure::RedSpeed: return "red speed after (" + v + ")";
    case Measure::BlackSpeed: return "black speed after (" + v + ")";
    case Measure::RedDirection: return "red direction after (degrees)";
    case Measure::BlackDirection: return "black direction after (degrees)";
    case Measure::RedPx: return "red momentum x after (" + p + ")";
    case Measure::RedPy: return "red momentum y after (" + p + ")";
    case Measure::BlackPx: return "black momentum x after (" + p + ")";
    case Measure::BlackPy: return "black momentum y after (" + p + ")";
    case Measure::TotalMomentum: return "total momentum after (" + p + ")";
    case Measure::EnergyKept: return "kinetic energy kept (%)";
    case Measure::Restitution: return "coefficient of restitution";
    case Measure::AngleBetween: return "angle between the directions after (degrees)";
    case Measure::ContactTime: return "time of contact (s)";
    case Measure::MostCompression: return "largest spring compression (cm)";
    case Measure::RedVx: return "red velocity x after (" + v + ")";
    case Measure::RedVy: return "red velocity y after (" + v + ")";
    case Measure::BlackVx: return "black velocity x after (" + v + ")";
    case Measure::BlackVy: return "black velocity y after (" + v + ")";
    default: return "closest approach (cm)";
    }
}

std::optional<sim::ExactSpec> varyRange(Vary v, const sim::SetupModel& m)
{
    const sim::ExactSpec spec = sim::exactSpec(kVary[static_cast<int>(v)].field, m);
    if (v == Vary::Offset || v == Vary::Range || spec.step == 0.0)
        return std::nullopt;   // these follow from the table's edges or a list
    return spec;
}

std::string sweepErrorText(SweepError e, Vary v, double refused, const sim::SetupModel& m)
{
    const std::string name = varyName(v);
    switch (e) {
    case SweepError::NotUsed: return name + " is not used in this set-up";
    case SweepError::BadRange: return "a sweep needs FROM <= TO and a STEP above 0";
    case SweepError::TooMany: return "at most " + std::to_string(kMostPoints) + " points";
    case SweepError::OutOfRange:
        if (const auto r = varyRange(v, m)) {
            const std::string unit = *r->unit ? std::string(" ") + r->unit : std::string();
            return name + " = " + num::F(refused, 1, r->decimals) + " is out of its range: " + name + " takes "
                + num::F(r->min, 1, r->decimals) + unit + " to " + num::F(r->max, 1, r->decimals) + unit;
        }
        return name + " = " + num::F(refused, 1, 2) + " is out of its range here";
    default: return {};
    }
}

std::vector<double> sweepValues(const Sweep& sw, const BaseSetUp& base, SweepError* error, double* refused)
{
    std::vector<double> out;
    *error = SweepError::None;
    if (!usedHere(sw.vary, base.model)) {
        *error = SweepError::NotUsed;
        return out;
    }
    if (!(sw.step > 0.0) || !std::isfinite(sw.step) || !std::isfinite(sw.from) || !std::isfinite(sw.to)
        || sw.to < sw.from) {
        *error = SweepError::BadRange;
        return out;
    }
    const double count = std::floor((sw.to - sw.from) / sw.step + 1e-9) + 1.0;
    if (count > kMostPoints) {
        *error = SweepError::TooMany;
        return out;
    }
    PointTable t(base);
    for (int k = 0; k < static_cast<int>(count); ++k) {
        const double raw = sw.from + k * sw.step;
        sim::ExactPlan plan;
        if (!planFor(t, sw.vary, raw, &plan)) {
            *error = SweepError::OutOfRange;
            if (refused)
                *refused = raw;
            out.clear();
            return out;
        }
        const double used = usedValue(sw.vary, plan);
        if (out.empty() || std::fabs(used - out.back()) > 1e-9)
            out.push_back(used);
    }
    return out;
}

namespace {
double measured(Measure m, const Ledger& l, const sim::SimState& s, int end)
{
    const bool moved[2] = {l.after[0].speed > 0.0, l.after[1].speed > 0.0};
    auto degrees = [](double a) { return std::fmod(std::fmod(a * 180.0 / num::kPi, 360.0) + 360.0, 360.0); };
    switch (m) {
    case Measure::RedSpeed: return l.after[0].speed;
    case Measure::BlackSpeed: return l.after[1].speed;
    case Measure::RedDirection: return moved[0] ? degrees(l.after[0].direction) : kNone;
    case Measure::BlackDirection: return moved[1] ? degrees(l.after[1].direction) : kNone;
    case Measure::RedPx: return l.after[0].px;
    case Measure::RedPy: return l.after[0].py;
    case Measure::BlackPx: return l.after[1].px;
    case Measure::BlackPy: return l.after[1].py;
    case Measure::TotalMomentum: return l.after[2].p;
    case Measure::RedVx: return l.after[0].speed * std::cos(l.after[0].direction);
    case Measure::RedVy: return l.after[0].speed * std::sin(l.after[0].direction);
    case Measure::BlackVx: return l.after[1].speed * std::cos(l.after[1].direction);
    case Measure::BlackVy: return l.after[1].speed * std::sin(l.after[1].direction);
    case Measure::EnergyKept: return l.energyKept;
    case Measure::Restitution: return l.restitutionGap ? kNone : l.restitution;
    case Measure::AngleBetween: {
        if (!moved[0] || !moved[1])
            return kNone;
        const double d = std::fabs(degrees(l.after[0].direction) - degrees(l.after[1].direction));
        return d > 180.0 ? 360.0 - d : d;
    }
    case Measure::ContactTime:
        return l.touched && s.collisionTick != s.noCollisionTick ? sim::secondsAt(s.collisionTick) : kNone;
    case Measure::MostCompression: {
        double most = 0.0;
        for (int k = 1; k <= end; ++k)
            most = std::max(most, s.sampleLog.compression[static_cast<size_t>(k)]);
        return most;
    }
    default: {
        double least = std::numeric_limits<double>::infinity();
        for (int k = 1; k <= end; ++k) {
            const sim::PositionSample& e = s.sampleLog.positions[static_cast<size_t>(k)];
            least = std::min(least, std::hypot(e.blackX - e.redX, e.blackY - e.redY));
        }
        return least / s.scale;
    }
    }
}
}   // namespace

std::vector<double> runPoint(const BaseSetUp& base, Vary v, double value, const std::vector<Measure>& measures,
                             int ticks)
{
    PointTable t(base);
    sim::ExactPlan plan;
    std::vector<double> out(measures.size(), kNone);
    if (!planFor(t, v, value, &plan))
        return out;
    sim::applyExact(plan, t.setup->rules(), *t.s);
    sim::HeadlessRun run(*t.s, t.setup->model().mark(sim::ArrowsMark));
    run.start();
    run.runThrough(ticks);
    const int end = run.lastShown();
    const Ledger l = computeLedger(runDataOf(*t.s, t.setup->model()), end);
    for (size_t i = 0; i < measures.size(); ++i)
        out[i] = measured(measures[i], l, *t.s, end);
    return out;
}

Investigation investigate(const BaseSetUp& base, Vary v, const std::vector<double>& values,
                          const std::vector<Measure>& measures, int ticks, int threads, std::atomic<int>* done,
                          const std::atomic<bool>* cancel)
{
    Investigation inv;
    inv.x = values;
    inv.values.assign(values.size(), std::vector<double>(measures.size(), kNone));
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < values.size(); i = next++) {
            if (cancel && cancel->load())
                return;
            inv.values[i] = runPoint(base, v, values[i], measures, ticks);
            if (done)
                ++*done;
        }
    };
    std::vector<std::thread> pool;
    for (int k = 1; k < std::max(1, threads); ++k)
        pool.emplace_back(work);
    work();
    for (std::thread& t : pool)
        t.join();
    inv.cancelled = cancel && cancel->load();
    return inv;
}

Sheet investigationSheet(const Investigation& inv, Vary v, const std::vector<Measure>& measures,
                         const sim::SetupModel& m)
{
    Sheet sheet;
    sheet.header.push_back(varyHeader(v, m));
    for (Measure q : measures)
        sheet.header.push_back(measureHeader(q, m.lengthUnit()));
    for (size_t i = 0; i < inv.x.size(); ++i) {
        std::vector<Cell>& row = sheet.rows.emplace_back();
        row.push_back(Cell::of(inv.x[i], 4, 2));
        for (double value : inv.values[i])
            row.push_back(std::isnan(value) ? Cell::word("-") : Cell::of(value, 4, 2));
    }
    return sheet;
}

}   // namespace dw
