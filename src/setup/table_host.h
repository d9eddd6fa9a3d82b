#pragma once
// The table window's side of a set-up change: the drawing, Reset and
// Recenter, and the pucks' shapes, each after the controls show the model.

#include "engine/setup_rules.h"
#include "setup/controls.h"

class ModelView;
class PuckPlacer;
class TableReset;

class TableHost : public sim::SetupHost {
public:
    TableHost(const sim::SetupModel& m, sim::SimState& s, Controls& c, Operations& ops, ModelView& view,
              PuckPlacer& placer, TableReset& reset);

    void renderTrace() override;
    void drawSetUp() override;
    void reset() override;
    void recenter() override;
    void placeShapes() override;
    void showShapesForInteraction() override;
    void showShapesForMassCount() override;

private:
    const sim::SetupModel& m_;
    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    ModelView& view_;
    PuckPlacer& placer_;
    TableReset& reset_;
};
