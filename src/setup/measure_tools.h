#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"

class Canvas;

// The ruler and the protractor drawn over the trace, driven by clicks.
class MeasureTools {
public:
    MeasureTools(sim::SimState& s, Controls& c, Operations& ops, Canvas& table);

    void connectAll();

    void measureToggled();
    void rulerChosen();
    void protractorChosen();
    void mouseMove(int x, int y);
    void release(int x, int y);
    void mouseLeft();

    void drawRuler();
    void drawProtractor();

    // Direction from the vertex to the moving point, screen y down.
    double theta() const;

private:
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    Canvas& cv_;
};
