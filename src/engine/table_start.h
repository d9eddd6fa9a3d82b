#pragma once
// The state's part of Reset, Recenter and the program's start: where the
// pucks stand and how they are aimed before a run.

#include "engine/setup_model.h"
#include "engine/setup_rules.h"
#include "engine/sim_state.h"

namespace sim {

// The table picture's size, in which Recenter places the pucks.
constexpr int kTableWidth = 759;
constexpr int kTableHeight = 367;

// Back to the start places, with the speeds of the bars and the directions
// of the handles; the log's first entries describe that.
void resetRun(SimState& s, const SetupModel& m);

// The pucks a quarter and a half of the way across the middle of the
// table, their handles 50 px out on either side.
void placeAtStart(SimState& s, const SetupModel& m);

// Recenter after its Reset: the pucks placed at the start and aimed at
// each other.
void recenterPlaces(SimState& s, const SetupModel& m);

// What the program does to the set-up when it starts, after the controls
// are laid out with their first positions.
void startUpSetup(SetupRules& rules, SimState& s, SetupHost& host);

}   // namespace sim
