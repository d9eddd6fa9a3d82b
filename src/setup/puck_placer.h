#pragma once
#include <QObject>
#include <QRect>

#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "setup/controls.h"

// Dragging the pucks and their velocity handles in the set-up state, and
// the circle-speed handle's launch.
class PuckPlacer {
public:
    PuckPlacer(const sim::SetupModel& m, sim::SimState& s, Controls& c, Operations& ops);

    void connectAll();

    void buttonDown();
    void buttonUp();
    void puckDrag(int tag, int x, int y);
    void handleDrag(int tag, int x, int y);
    void launch(int y);
    // Shows a handle's marker for its remembered position: there when it
    // lies on the table, else where the mouse can reach it on its ray.
    void showHandle(int tag);
    bool dragging() const { return dragging_; }

private:
    QRect tableRect() const;

    const sim::SetupModel& m_;
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    bool dragging_ = false;   // a puck or handle is held by the mouse
    QObject context_;   // its connections end with this concern
};
