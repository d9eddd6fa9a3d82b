#pragma once
#include "engine/sim_state.h"

namespace sim {

// Display offset of sample n: the tilt and the 1-D push never enter the
// pucks' state, they are added when a sample is drawn.
struct Offset {
    double x = 0.0, y = 0.0;
};
Offset displayOffset(const SimState& s, int sampleIndex);

// Accelerations from the table-angle bar (2-D: hundredths of a degree;
// 1-D: tenths of a newton on the red puck).
double tiltAccelFor(int barPosition, double scale);
double pushAccelFor(int barPosition, double scale, int redMassBar);

// Direction of an offset (dx right, dy up): pi/2 or 3 pi/2 when dx is 0,
// else arctan(dy/dx), plus pi when dx < 0. Not normalised.
double directionOf(double dx, double dy);

// Direction of a puck from its handle (handle left/top, half width h). In
// 1-D a handle on the puck's own column (dx = 0) aims along the track.
double directionFromHandle(const PuckState& p, int handleLeft, int handleTop, int h, int dimension = 2);

// A velocity impulse J along theta (y up) on a puck of its own mass:
// the new speed and direction from the summed components.
void applyImpulse(PuckState& p, double theta, double J);

// Both pucks aimed at their handles (of side `handleWidth`); with one mass
// the black puck keeps to the red one's course.
void computeDirections(SimState& s, int handleWidth);
void moveStep(SimState& s);

// Writes positions entry `tick` from the current puck state (the stuck pair
// is recorded on either side of its centre of mass).
void recordSample(SimState& s);

// What every pass over a tick writes, drawn or not: at a tick's start (and
// not in circle mode, whose puck is computed) the sample, and in 1-D the
// black puck back on the red one's row unless the direction arrows show.
struct PassModes {
    bool circle = false;
    bool oneD = false;
    bool arrowsShown = false;
};
void recordPass(SimState& s, PassModes modes);

}   // namespace sim
