#pragma once
#include "engine/sim_state.h"

namespace sim {

// 1-D Spring mode: the black puck carries a spring of length
// `springLength` px on its left side.
void springStep(SimState& s);
void springContactStep(SimState& s);

// The set-up reading from positions entry `viewTick`: in reach when the
// spring is at least as long as the gap and black is right of red.
SimState::SpringReading setupSpringReading(const SimState& s);

// The spring's drawn length for sample n (the full length, or the gap
// less one pixel when the pucks are closer).
int springDrawnLength(const SimState& s, int n);

}   // namespace sim
