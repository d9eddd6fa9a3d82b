#pragma once
#include "engine/sim_state.h"

namespace sim {

// What a run step needs from the window: the drawing pass and what it shows.
// Kept abstract so the engine stays toolkit-free.
class RunHost {
public:
    virtual ~RunHost() = default;
    // Records (at phase 0) and draws; at other phases only what must still
    // be drawn in between ticks.
    virtual void renderTrace() = 0;
    // Circle mode's step: it redraws the whole circle up to `viewTick`.
    virtual void circleStep() = 0;
    // The tick limit was reached: the run stops as if Start were pressed.
    virtual void stopAtLimit() = 0;
    // The tick about to be shown, before anything is drawn for it; the
    // time line's end has moved to it.
    virtual void showingTick(int /*viewTick*/) {}
};

// What pressing Start, Stop or Continue does to the state; the host turns
// its run timer on or off. The spring's shrinking-gap watch starts afresh.
void startPressed(SimState& s);

// One run-timer event: at the tick limit the host stops the run first, then
// the tick is shown and stepped; a run stopped at the limit ends back at a
// tick's start.
void runEvent(SimState& s, RunHost& host);

// Moves the time line to `position`, kept between 1 and its end: the one
// way the window changes the run's clock.
void setTimeLine(SimState& s, int position);

// One step of the checked interaction (nothing when none is checked).
void interactionStep(SimState& s);

// Steps 1 to 4 and 6 of a timer event's run step; the caller updates the
// time label afterwards from `tick`.
void runStep(SimState& s, RunHost& host);

// Timer events per tick for a timer interval (50 -> 1, 25 -> 2, 10 -> 5).
int eventsPerTickFor(int intervalMs);

}   // namespace sim
