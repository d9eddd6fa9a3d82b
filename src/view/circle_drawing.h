#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"

class Canvas;

// Circle mode's picture: the whole circular strobe trace up to `viewTick`,
// computed in closed form each time, and the puck at `viewTick`.
class CircleDrawing {
public:
    CircleDrawing(sim::SimState& s, Controls& c, Canvas& table, Canvas& grid);

    void circleStep();
    void setDrawing(bool on) { drawing_ = on; }

private:
    sim::SimState& s_;
    Controls& c_;
    Canvas& cv_;
    Canvas& grid_;
    bool drawing_ = true;
};
