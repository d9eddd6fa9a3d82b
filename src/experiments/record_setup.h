#pragma once
// An experiment's record and the set-up, both ways, without a window: the
// table window, the Experiment box and the export all apply records here.

#include <functional>

#include "engine/setup_model.h"
#include "engine/setup_rules.h"
#include "engine/sim_state.h"
#include "experiments/experiment_record.h"

namespace exper {

// The record of the set-up: the settings, the start places, and the
// remembered handles (they, not a marker pulled onto the table, aim the pucks).
ExperimentRecord recordOf(const sim::SetupModel& m, const sim::SimState& s);

// A file's record goes in after "Yes" and the catalogue's after "Ok"; they
// differ in when the percent is set.
enum class RecordSource { File, Catalogue };

// Applies a record through the set-up rules, in the order whose side effects
// the outcome depends on. `afterViewSettings` runs once the view marks, the
// circle size and the scale are in (a file's box hides there).
void applyRecord(sim::SetupRules& rules, sim::SimState& s, sim::SetupHost& host, const ExperimentRecord& r,
                 RecordSource source, const std::function<void()>& afterViewSettings = {});

// Places further than 2^20 px from the table pulled in, each handle kept on
// its own ray from its puck: the window's pixel sums stay far inside the
// integer range, whatever a file says.
ExperimentRecord withinReach(ExperimentRecord r);

}   // namespace exper
