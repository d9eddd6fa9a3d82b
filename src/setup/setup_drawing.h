#pragma once
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "setup/controls.h"
#include "view/interaction_drawing.h"
#include <QCoreApplication>

class Canvas;

// The table as it looks before a run: aiming lines and arrows from the
// puck shapes, the scale bar, the 1-D track, the spring and the force.
class SetupDrawing {
    Q_DECLARE_TR_FUNCTIONS(SetupDrawing)

public:
    SetupDrawing(const sim::SetupModel& m, sim::SimState& s, Controls& c, Canvas& table, Canvas& grid);
    void drawSetUp();

private:
    const sim::SetupModel& m_;
    sim::SimState& s_;
    Controls& c_;
    Canvas& cv_;
    Canvas& grid_;
};
