#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"

class Canvas;

// The spring of 1-D Spring mode and the pushing force of 1-D one-mass
// mode, drawn for `viewTick` over the trace or the set-up picture.
class InteractionDrawing {
public:
    InteractionDrawing(sim::SimState& s, Controls& c, Canvas& table);

    // From `springDrawX`, `springDrawY`, which the caller sets first.
    void drawSpring();
    // The force arrow and the block trace.
    void drawForce();

private:
    sim::SimState& s_;
    Controls& c_;
    Canvas& cv_;
};
