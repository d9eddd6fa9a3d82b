#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"

class Canvas;

// Back to a clean set-up (Reset), back to the standard places (Recenter),
// and the table-angle bar.
class TableReset {
public:
    TableReset(sim::SimState& s, Controls& c, Operations& ops, Canvas& table, Canvas& grid);

    void reset();
    void recenter();
    void tableAngleChanged();

    // Pucks and handles at the start-up places, with radii, positions and
    // start positions taken from the shapes.
    void placeAtStart();

private:
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    Canvas& cv_;
    Canvas& grid_;
};
