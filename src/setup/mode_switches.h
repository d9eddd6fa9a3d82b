#pragma once
#include "engine/sim_state.h"
#include "ui/controls.h"
#include <QObject>

class ViewOptions;

// "&Type: 2-D" (2-D / 1-D) and "2 Masses" (2 Masses / 1 Mass).
class ModeSwitches {
public:
    ModeSwitches(sim::SimState& s, Controls& c, Operations& ops, ViewOptions& view);

    void connectAll();
    void dimensionChosen(QAction* entry);
    void massCountChosen(QAction* entry);

    // Set while an experiment waits for confirmation: no Recenter then.
    void setConfirmationShowing(bool on) { confirmationShowing_ = on; }

private:
    void applyUnitAndForceEntries();
    void sizePucks();

    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    ViewOptions& view_;
    bool confirmationShowing_ = false;
    QObject context_;   // its connections end with this concern
};
