#pragma once
// The spring of 1-D Spring mode and the pushing force of 1-D one-mass
// mode, drawn for `viewTick` over the trace or the set-up picture. They read
// the state and write nothing.
#include "engine/sim_state.h"
#include "view/view_settings.h"

class Canvas;

// From the black block's left edge (x, y), leftwards as far as the spring
// reaches at `viewTick`.
void drawSpring(Canvas& cv, const sim::SimState& s, int x, int y);
// The force arrow and the block trace.
void drawForce(Canvas& cv, const sim::SimState& s, const ViewSettings& v);
