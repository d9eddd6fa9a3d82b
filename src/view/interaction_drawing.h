#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"

class Canvas;

// The spring of 1-D Spring mode and the pushing force of 1-D one-mass
// mode, drawn for `viewTick` over the trace or the set-up picture.
class InteractionDrawing {
public:
    InteractionDrawing(sim::SimState& s, Controls& c, Canvas& table);

    // From the black block's left edge (x, y), leftwards as far as the
    // spring reaches at `viewTick`.
    void drawSpring(int x, int y);
    // The force arrow and the block trace.
    void drawForce();

private:
    sim::SimState& s_;
    Controls& c_;
    Canvas& cv_;
};
