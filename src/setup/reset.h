#pragma once
#include "engine/classroom.h"
#include "engine/setup_model.h"
#include "engine/sim_state.h"
#include "setup/controls.h"
#include "ui/classroom_hub.h"
#include <QCoreApplication>

class Canvas;

// Back to a clean set-up (Reset) and back to the standard places (Recenter):
// the run's controls and the pucks' shapes; the state's part is the engine's.
class TableReset {
    Q_DECLARE_TR_FUNCTIONS(TableReset)

public:
    TableReset(ClassroomHub& hub, Controls& c, Operations& ops, Canvas& table, Canvas& grid);
    // The time label back at the start, as Reset shows it.
    static QString startTime() { return tr("Time: 0.00 s"); }

    void reset();
    void recenter();

private:
    const sim::SetupModel& m_;
    sim::SimState& s_;
    ClassroomHub& hub_;
    Controls& c_;
    Operations& ops_;
    Canvas& cv_;
    Canvas& grid_;
};
