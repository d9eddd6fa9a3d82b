#pragma once
// The Before-and-After page's numbers: each puck's mass, speed, direction,
// momentum and kinetic energy at the start of the run and at a chosen
// sample, the totals, and what they say about the collision.

#include <string>

#include "datawin/data_sheet.h"
#include "datawin/run_data.h"

namespace dw {

struct PuckLine {
    double mass = 0.0, speed = 0.0, direction = 0.0;   // kg, units/s, radians (y up)
    double px = 0.0, py = 0.0, p = 0.0;   // kg units/s
    double energy = 0.0;   // kg units^2/s^2
};

enum class Verdict { NoCollision, Elastic, Inelastic, Sticking, SuperElastic };

struct Ledger {
    bool comparable = false;   // two pucks off the circle
    std::string note;   // what the numbers mean here, or why nothing is compared
    PuckLine before[3], after[3];   // red, black, total
    double dPx = 0.0, dPy = 0.0, dP = 0.0;   // change of the total momentum
    double impulseRed[2] = {}, impulseBlack[2] = {};   // each puck's change of momentum (x, y)
    bool impulsesBalance = false;   // red's equals minus black's, to the shown rounding
    double energyKept = 0.0;   // after / before, per cent; 0 when nothing moved
    bool touched = false;   // the pucks met, or the spring was pressed, by the chosen time
    // Separation over approach along the line of centres of the contact;
    // `restitutionGap` says why there is none (then null means there is one).
    double restitution = 0.0;
    const char* restitutionGap = nullptr;
    Verdict verdict = Verdict::NoCollision;
    // Predict First: "after" is not shown yet; its numbers are the before's,
    // and every view writes "?" for them
    bool hidden = false;
    // A challenge's unknown is kept: "before" and the masses are "?" too.
    bool concealed = false;
};

// A cell of "after", or "?" while it is hidden.
inline Cell afterCell(const Ledger& l, Cell c)
{
    return l.hidden ? Cell::word("?") : c;
}

// A cell of "before" or a mass, or "?" while a challenge keeps them.
inline Cell beforeCell(const Ledger& l, Cell c)
{
    return l.concealed ? Cell::word("?") : c;
}

// "before" is velocities entry 1, "after" entry `after` (1 .. 9999); a
// hidden sample is not read.
Ledger computeLedger(const RunData& run, int after);

const char* verdictWord(Verdict v);

// The page: the puck table with a row each for red, black and the total,
// then the summary under a header line of its own; a direction of nothing
// moving is "-"; numbers as the data table shows them (width 4,
// 2 decimals; directions in degrees to 1 decimal or radians to 3). `unit`
// is the table window's length unit, "cm" or "m".
Sheet ledgerSheet(const Ledger& l, bool radians, const char* unit);

}   // namespace dw
