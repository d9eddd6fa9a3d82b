#include "datawin/ledger_compare.h"

#include "engine/numbers.h"
#include "engine/translatable.h"

namespace dw {

namespace {
// One of a puck line's seven quantities.
Cell quantity(const PuckLine& p, int q, bool radians)
{
    switch (q) {
    case 0: return Cell::of(p.mass);
    case 1: return Cell::of(p.speed);
    case 2:
        if (!(p.speed > 0.0))
            return Cell::word("-");   // nothing moving has no direction
        return radians ? Cell::of(p.direction, 5, 3) : Cell::of(p.direction * 180.0 / num::kPi, 4, 1);
    case 3: return Cell::of(p.px);
    case 4: return Cell::of(p.py);
    case 5: return Cell::of(p.p);
    default: return Cell::of(p.energy);
    }
}

// A summary row: one value per run, in its "after" column.
void summaryRow(Sheet& sheet, const std::string& name, const std::vector<NamedLedger>& runs,
                Cell (*value)(const Ledger&))
{
    std::vector<Cell>& row = sheet.rows.emplace_back();
    row.push_back(Cell::word(name));
    for (const NamedLedger& r : runs) {
        row.push_back(Cell::word(""));
        row.push_back(r.ledger.comparable ? afterCell(r.ledger, value(r.ledger)) : Cell::word("-"));
    }
}
}   // namespace

Sheet ledgersSideBySide(const std::vector<NamedLedger>& runs, bool radians, const char* unit)
{
    const std::string u = unit;
    Sheet sheet;
    sheet.header = {"quantity"};
    for (const NamedLedger& r : runs) {
        sheet.header.push_back(r.name + " before");
        sheet.header.push_back(r.name + " after");
    }
    std::vector<Cell>& from = sheet.rows.emplace_back();
    from.push_back(Cell::word("set-up"));
    for (const NamedLedger& r : runs) {
        from.push_back(Cell::word(r.setUp));
        from.push_back(Cell::word(r.ledger.comparable ? std::string() : r.ledger.note));
    }
    const std::string units[7] = {"kg",
                                  u + "/s",
                                  radians ? "radians" : "degrees",
                                  "kg " + u + "/s",
                                  "kg " + u + "/s",
                                  "kg " + u + "/s",
                                  "kg " + u + "^2/s^2"};
    const char* names[7] = {"mass", "speed", "direction", "momentum x", "momentum y", "momentum", "kinetic energy"};
    const char* pucks[3] = {"red", "black", "total"};
    for (int i = 0; i < 3; ++i)
        for (int q = 0; q < 7; ++q) {
            std::vector<Cell>& row = sheet.rows.emplace_back();
            const std::string what = i == 2 && q >= 1 && q <= 2 ? std::string("centre of mass ") + names[q]
                                                                : std::string(pucks[i]) + " " + names[q];
            row.push_back(Cell::word(what + " (" + units[q] + ")"));
            for (const NamedLedger& r : runs)
                for (const PuckLine* p : {&r.ledger.before[i], &r.ledger.after[i]}) {
                    const Cell c = r.ledger.comparable ? quantity(*p, q, radians) : Cell::word("-");
                    row.push_back(p == &r.ledger.after[i] && q > 0 ? afterCell(r.ledger, c) : beforeCell(r.ledger, c));
                }
        }
    summaryRow(sheet, "change of total momentum (kg " + u + "/s)", runs,
               [](const Ledger& l) { return Cell::of(l.dP); });
    // each puck's change of momentum, as the single ledger has it
    summaryRow(sheet, "impulse on red x (kg " + u + "/s)", runs,
               [](const Ledger& l) { return Cell::of(l.impulseRed[0]); });
    summaryRow(sheet, "impulse on red y (kg " + u + "/s)", runs,
               [](const Ledger& l) { return Cell::of(l.impulseRed[1]); });
    summaryRow(sheet, "impulse on black x (kg " + u + "/s)", runs,
               [](const Ledger& l) { return Cell::of(l.impulseBlack[0]); });
    summaryRow(sheet, "impulse on black y (kg " + u + "/s)", runs,
               [](const Ledger& l) { return Cell::of(l.impulseBlack[1]); });
    summaryRow(sheet, "red's impulse is minus black's", runs, [](const Ledger& l) {
        return Cell::word(l.impulsesBalance ? TRANSLATABLE("Ledger", "yes") : TRANSLATABLE("Ledger", "no"));
    });
    summaryRow(sheet, "kinetic energy after / before (%)", runs,
               [](const Ledger& l) { return Cell::of(l.energyKept, 4, 1); });
    summaryRow(sheet, "coefficient of restitution", runs, [](const Ledger& l) {
        return l.restitutionGap ? Cell::word(l.restitutionGap) : Cell::of(l.restitution);
    });
    summaryRow(sheet, "collision", runs, [](const Ledger& l) { return Cell::word(verdictWord(l.verdict)); });
    return sheet;
}

}   // namespace dw
