#pragma once
// A run with nobody watching: the export, the benchmarks and the golden
// tests step the physics through the same run events as the window, with
// only what a drawing pass writes into the state and the log.

#include "engine/run.h"
#include "engine/sim_state.h"

namespace sim {

class HeadlessRun : public RunHost {
public:
    // `arrowsShown`: the View menu's direction arrows, under which the 1-D
    // pass leaves the black puck's row alone. `timeLine`: the time line's
    // position, which the window keeps at 1 through a run.
    explicit HeadlessRun(SimState& s, bool arrowsShown = false, int timeLine = 1);

    // Start, Stop and Continue.
    void start();
    bool running() const { return running_; }
    // Run events until the run stops or `tick` passes `lastTick`.
    void runThrough(int lastTick);

    // RunHost
    void renderTrace() override;
    int timeLinePosition() const override { return timeLine_; }
    void circleStep() override {}   // the circle changes no state
    void stopAtLimit() override { start(); }
    void showingTick(int viewTick) override { lastShown_ = viewTick; }

    // The last tick shown: the time line's end, as the data window reads it.
    int lastShown() const { return lastShown_; }

private:
    SimState& s_;
    bool arrowsShown_;
    int timeLine_;
    bool running_ = false;
    int lastShown_ = 1;
};

}   // namespace sim
