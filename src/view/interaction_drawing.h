#pragma once
// The spring of 1-D Spring mode and the pushing force of 1-D one-mass
// mode, drawn for a tick over the trace or the set-up picture. They read
// the state and write nothing.
#include "engine/sim_state.h"
#include "view/view_settings.h"

class Canvas;

// From the black block's left edge (x, y), leftwards as far as the spring
// reaches at `tick`.
void drawSpring(Canvas& cv, const sim::SimState& s, int tick, int x, int y);
// The force arrow and the block trace up to `tick`.
void drawForce(Canvas& cv, const sim::SimState& s, int tick, const ViewSettings& v);
