#include "datawin/ledger.h"

#include <algorithm>
#include <cmath>

#include "engine/motion.h"
#include "engine/numbers.h"
#include "engine/translatable.h"

namespace dw {

namespace {

PuckLine lineOf(double mass, double speed, double direction)
{
    PuckLine l;
    l.mass = mass;
    l.speed = speed;
    l.direction = direction;
    l.px = mass * speed * std::cos(direction);
    l.py = mass * speed * std::sin(direction);
    l.p = mass * speed;
    l.energy = 0.5 * mass * speed * speed;
    return l;
}

PuckLine totalOf(const PuckLine& a, const PuckLine& b)
{
    PuckLine t;
    t.mass = a.mass + b.mass;
    t.px = a.px + b.px;
    t.py = a.py + b.py;
    t.p = std::hypot(t.px, t.py);
    t.speed = t.mass > 0.0 ? t.p / t.mass : 0.0;   // the centre of mass's speed
    t.direction = t.p > 0.0 ? sim::directionOf(t.px, t.py) : 0.0;
    t.energy = a.energy + b.energy;
    return t;
}

// Whether the pucks met by the chosen sample: a contact, or the spring pressed.
bool touchedBy(const RunData& run, int after)
{
    if (run.interaction == sim::Interaction::Spring1D) {
        for (int i = 1; i <= after; ++i)
            if (run.log->compression[static_cast<size_t>(i)] > 0.0)
                return true;
    }
    const int k = run.collisionTick;
    return run.collided && k >= 1 && k <= sim::kTickCeiling && k <= after;
}

// Separation after over approach before, along the line of centres the
// collision step itself used at the contact.
void restitution(const RunData& run, Ledger& l)
{
    if (run.interaction == sim::Interaction::Electrostatic || run.interaction == sim::Interaction::Spring1D) {
        l.restitutionGap = TRANSLATABLE("Ledger", "no single contact");
        return;
    }
    if (!l.touched || !run.contactResolved) {
        l.restitutionGap = TRANSLATABLE("Ledger", "no contact");
        return;
    }
    const double nx = std::cos(run.contactLine), ny = std::sin(run.contactLine);
    auto along = [&](const PuckLine& p) {
        return (p.speed * std::cos(p.direction)) * nx + (p.speed * std::sin(p.direction)) * ny;
    };
    const double approach = along(l.before[0]) - along(l.before[1]);
    if (!(approach > 0.0)) {
        l.restitutionGap = TRANSLATABLE("Ledger", "not approaching");
        return;
    }
    l.restitution = (along(l.after[1]) - along(l.after[0])) / approach;
}

const char* noteFor(const RunData& run)
{
    if (run.tilted)
        return TRANSLATABLE("Ledger",
                            "The tilt pulls both pucks alike: it bends the trace on the picture but leaves these "
                            "speeds as on a level table.");
    if (run.interaction == sim::Interaction::Electrostatic)
        return TRANSLATABLE("Ledger",
                            "Electrostatic forces act over a stretch of the run: \"before\" is the run's "
                            "start and \"after\" the chosen time.");
    if (run.interaction == sim::Interaction::Spring1D)
        return TRANSLATABLE("Ledger",
                            "The spring acts over a stretch of the run: \"before\" is the run's start and "
                            "\"after\" the chosen time.");
    return "";
}

}   // namespace

const char* verdictWord(Verdict v)
{
    switch (v) {
    case Verdict::NoCollision: return TRANSLATABLE("Ledger", "no collision");
    case Verdict::Elastic: return TRANSLATABLE("Ledger", "elastic");
    case Verdict::Inelastic: return TRANSLATABLE("Ledger", "inelastic");
    case Verdict::Sticking: return TRANSLATABLE("Ledger", "sticking");
    default: return TRANSLATABLE("Ledger", "super-elastic");
    }
}

Ledger computeLedger(const RunData& run, int after)
{
    Ledger l;
    if (!run.log || run.massCount != 2 || run.interaction == sim::Interaction::Circle) {
        l.note = run.massCount != 2 ? TRANSLATABLE("Ledger", "With one puck there is nothing to compare.")
                                    : TRANSLATABLE("Ledger", "In circle mode there is nothing to compare.");
        return l;
    }
    l.comparable = true;
    l.note = noteFor(run);
    after = std::clamp(after, 1, sim::kTickCeiling);
    l.concealed = run.challengeHiding;
    if (l.concealed)
        l.note = TRANSLATABLE("Ledger", "A challenge is on: these numbers are shown once it is solved or revealed.");
    l.hidden = hiddenSample(run, after) || l.concealed;
    if (l.hidden)
        after = 1;
    const sim::VelocitySample& v1 = run.log->velocities[1];
    const sim::VelocitySample& vN = run.log->velocities[static_cast<size_t>(after)];
    l.before[0] = lineOf(run.redMass, v1.redSpeed, v1.redDirection);
    l.before[1] = lineOf(run.blackMass, v1.blackSpeed, v1.blackDirection);
    l.after[0] = lineOf(run.redMass, vN.redSpeed + (after - 1) * run.g, vN.redDirection);
    l.after[1] = lineOf(run.blackMass, vN.blackSpeed, vN.blackDirection);
    l.before[2] = totalOf(l.before[0], l.before[1]);
    l.after[2] = totalOf(l.after[0], l.after[1]);
    l.dPx = l.after[2].px - l.before[2].px;
    l.dPy = l.after[2].py - l.before[2].py;
    l.dP = std::hypot(l.dPx, l.dPy);
    l.impulseRed[0] = l.after[0].px - l.before[0].px;
    l.impulseRed[1] = l.after[0].py - l.before[0].py;
    l.impulseBlack[0] = l.after[1].px - l.before[1].px;
    l.impulseBlack[1] = l.after[1].py - l.before[1].py;
    // equal and opposite as far as the page shows them (2 decimals)
    l.impulsesBalance = std::fabs(l.impulseRed[0] + l.impulseBlack[0]) < 0.005
        && std::fabs(l.impulseRed[1] + l.impulseBlack[1]) < 0.005;
    l.energyKept = l.before[2].energy > 0.0 ? 100.0 * l.after[2].energy / l.before[2].energy : 0.0;
    l.touched = touchedBy(run, after);
    restitution(run, l);
    if (!l.touched)
        l.verdict = Verdict::NoCollision;
    else if (run.interaction == sim::Interaction::Inelastic)
        l.verdict = Verdict::Sticking;
    else if (std::fabs(l.energyKept - 100.0) <= 0.5)
        l.verdict = Verdict::Elastic;
    else
        l.verdict = l.energyKept > 100.0 ? Verdict::SuperElastic : Verdict::Inelastic;
    return l;
}

Sheet ledgerSheet(const Ledger& l, bool radians, const char* unit)
{
    const std::string u = unit;
    const std::string angle = radians ? "radians" : "degrees";
    Sheet sheet;
    sheet.header = {"puck", "mass (kg)"};
    for (const char* when : {"before", "after"})
        for (const std::string& h :
             {"speed " + std::string(when) + " (" + u + "/s)", "direction " + std::string(when) + " (" + angle + ")",
              "momentum x " + std::string(when) + " (kg " + u + "/s)",
              "momentum y " + std::string(when) + " (kg " + u + "/s)",
              "momentum " + std::string(when) + " (kg " + u + "/s)",
              "energy " + std::string(when) + " (kg " + u + "^2/s^2)"})
            sheet.header.push_back(h);
    if (!l.comparable) {
        sheet.rows.push_back({Cell::word(l.note)});
        return sheet;
    }
    const char* names[3] = {"red", "black", "total (speed of the centre of mass)"};
    auto direction = [&](const PuckLine& p) {
        if (!(p.speed > 0.0))
            return Cell::word("-");   // nothing moving has no direction
        return radians ? Cell::of(p.direction, 5, 3) : Cell::of(p.direction * 180.0 / num::kPi, 4, 1);
    };
    for (int i = 0; i < 3; ++i) {
        std::vector<Cell>& row = sheet.rows.emplace_back();
        row.push_back(Cell::word(names[i]));
        row.push_back(beforeCell(l, Cell::of(l.before[i].mass)));
        for (const PuckLine* p : {&l.before[i], &l.after[i]})
            for (const Cell& c : {Cell::of(p->speed), direction(*p), Cell::of(p->px), Cell::of(p->py), Cell::of(p->p),
                                  Cell::of(p->energy)})
                row.push_back(p == &l.after[i] ? afterCell(l, c) : beforeCell(l, c));
    }
    // the summary's own header, so no spreadsheet files it under "mass (kg)"
    sheet.rows.push_back({Cell::word("quantity"), Cell::word("value or x"), Cell::word("y"), Cell::word("size")});
    auto a = [&](Cell c) { return afterCell(l, c); };
    sheet.rows.push_back({Cell::word("change of total momentum (x, y, size)"), a(Cell::of(l.dPx)), a(Cell::of(l.dPy)),
                          a(Cell::of(l.dP))});
    sheet.rows.push_back(
        {Cell::word("impulse on red (x, y)"), a(Cell::of(l.impulseRed[0])), a(Cell::of(l.impulseRed[1]))});
    sheet.rows.push_back(
        {Cell::word("impulse on black (x, y)"), a(Cell::of(l.impulseBlack[0])), a(Cell::of(l.impulseBlack[1]))});
    sheet.rows.push_back(
        {Cell::word("red's impulse is minus black's"), a(Cell::word(l.impulsesBalance ? "yes" : "no"))});
    sheet.rows.push_back({Cell::word("kinetic energy after / before (%)"), a(Cell::of(l.energyKept, 4, 1))});
    if (l.restitutionGap && !l.hidden)
        sheet.rows.push_back({Cell::word("coefficient of restitution"), Cell::word("-"), Cell::word(l.restitutionGap)});
    else
        sheet.rows.push_back({Cell::word("coefficient of restitution"), a(Cell::of(l.restitution))});
    sheet.rows.push_back({Cell::word("collision"), a(Cell::word(verdictWord(l.verdict)))});
    if (!l.note.empty())
        sheet.rows.push_back({Cell::word(l.note)});
    return sheet;
}

}   // namespace dw
