#pragma once
#include <QString>
#include <vector>

#include "engine/run.h"
#include "engine/sim_state.h"
#include "ui/controls.h"

// Start, Stop and Continue, and the run timer's event.
class RunControl : public sim::RunHost {
public:
    RunControl(sim::SimState& s, Controls& c, Operations& ops);

    void start();
    void timerEvent();

    // RunHost
    void renderTrace() override { ops_.renderTrace(); }
    int timeLinePosition() const override { return c_.Timesb->value(); }
    void circleStep() override { ops_.circleStep(); }
    void stopAtLimit() override { start(); }
    void showingTick(int viewTick) override { c_.Timesb->setMaximum(viewTick); }

private:
    const QString& timeText(int tick);
    void showSpringReading();

    sim::SimState& s_;
    Controls& c_;
    Operations& ops_;
    std::vector<QString> timeTexts_;   // one per tick, built once
    std::vector<QString> springTexts_;   // "Spring Compressed: 0.00 cm" to 10.00, built once
    QString springOutOfReach_;
};
