#pragma once
// "Slow Motion at Contact": the ticks a run goes through at a quarter of its
// pace, a short while either side of where the pucks act on each other.
// Only the pace changes; the run is stepped exactly as without it.

#include "engine/run_physics.h"

namespace sim {

inline constexpr int kSlowMargin = 10;   // ticks, half a second either side
inline constexpr int kSlowFactor = 4;

struct SlowSpan {
    int from = 0, to = -1;   // empty when from > to
    bool contains(int tick) const { return tick >= from && tick <= to; }
    bool operator==(const SlowSpan&) const = default;
};

// From a run's log: the first hard contact, the spring's whole first
// compression, or the charged pucks' closest approach; each with its margin.
SlowSpan slowSpanOf(const RunPhysics& p, const SampleLog& log, int last);

// The same for a run not made yet: a copy of the table run from where it stands.
SlowSpan foreseeSlowSpan(const SimState& s, const SetupModel& m, int ticks = 2000);

}   // namespace sim
