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
    // pass leaves the black puck's row alone. The time line stays where the
    // state has it (at 1 through a run, as the window keeps it).
    explicit HeadlessRun(SimState& s, bool arrowsShown = false);

    // Start, Stop and Continue.
    void start();
    bool running() const { return running_; }
    // Run events until the run stops or `tick` passes `lastTick`.
    void runThrough(int lastTick);

    // RunHost
    void renderTrace() override;
    void circleStep() override {}   // the circle changes no state
    void stopAtLimit() override { start(); }

    // The last tick shown: the time line's end, as the data window reads it.
    int lastShown() const { return s_.timeLineEnd; }

private:
    SimState& s_;
    bool arrowsShown_;
    bool running_ = false;
};

}   // namespace sim
