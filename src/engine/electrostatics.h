#pragma once
#include "engine/sim_state.h"

namespace sim {

// Electrostatic mode: an impulse along the line joining the pucks, from
// their positions before the move, then the ordinary motion step.
void electrostaticStep(SimState& s);

// The impulse of one timer event (0 out of range and at zero distance).
double electrostaticImpulse(const SimState& s);

}   // namespace sim
