#pragma once
// The Energy page's picture: bars for each store of energy before the run,
// at the time bar and after it, drawn from the run's numbers and what the
// class may see of them.

#include <QString>

#include "datawin/run_data.h"
#include "engine/run_physics.h"

class Canvas;

namespace dw {

struct EnergyBarsData {
    sim::Energies before, now, after;
    bool nowShown = true, afterShown = true;   // not while an outcome or a launch is hidden
    bool blackKnown = true;   // the black puck's mass, and so its energy and the total
    bool spring = false, field = false, heat = false;   // the stores this run has
    int nowSample = 1, lastSample = 1;
};

// The run's energies at sample `now` (the time bar) and `last` (its end).
EnergyBarsData energyBarsOf(const RunData& run, int now, int last);

// `unit` as "cm"; `seconds` the time bar's time.
void drawEnergyBars(Canvas& cv, const EnergyBarsData& d, const QString& unit);

}   // namespace dw
