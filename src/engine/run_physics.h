#pragma once
// What a teacher draws on the board beside a run: the run as seen from the
// centre of mass, each kind of energy, and the force on each puck. All are
// worked out from the run's log afterwards; the run itself is untouched.

#include "engine/setup_model.h"
#include "engine/sim_state.h"

namespace sim {

struct Vec2 {
    double x = 0.0, y = 0.0;   // y up, as the directions are measured
};

Vec2 velocityOf(double speed, double direction);
// A velocity as the engine writes it: its speed and its direction, pi/2 or
// 3 pi/2 straight up or down, else the arctangent, plus pi when vx < 0.
void polarOf(Vec2 v, double* speed, double* direction);

// What the log alone does not say about a run.
struct RunPhysics {
    bool twoPucks = true;
    double m1 = 2.0, m2 = 2.0;   // kg
    double r1 = 12.0, r2 = 12.0;   // px
    Interaction mode = Interaction::Elastic;
    int springK = 10;   // N/m
    int q1 = 100, q2 = 100;   // tenths of a charge unit
    int electroRange = 1000;
    double scale = 20.0;   // px per unit
    double metresPerUnit = 0.01;
    VelocitySample start;   // before the first step wrote over entry 1
    int lastSample = 1;   // the last position written: later entries may be an earlier run's
};
RunPhysics runPhysicsOf(const SimState& s, const SetupModel& m);

// Whether the run can be seen from its centre of mass: two pucks off the circle.
bool hasCmFrame(const SetupModel& m);

// Seen from the centre of mass: each velocity less its velocity, each
// position less its displacement since `first`.
VelocitySample cmVelocities(const VelocitySample& v, double m1, double m2);
PositionSample cmPosition(const PositionSample& p, const PositionSample& first, double m1, double m2);
// The log's samples 1 .. last, and `start`, turned so, in place.
void toCmFrame(SampleLog& log, int last, RunPhysics& p);

// The whole run so, samples 1 .. last and the start: the log, and no tilt
// (the table's slope carries the centre of mass with the pucks).
void seeFromCentreOfMass(SimState& s, int last);

// kg unit^2/s^2, the data table's unit of energy.
struct Energies {
    double red = 0.0, black = 0.0, spring = 0.0, field = 0.0, heat = 0.0, total = 0.0;
};
// Before the run; at the end of tick i (velocities and compression entry i,
// positions entry i + 1).
Energies energiesBefore(const RunPhysics& p, const SampleLog& log);
Energies energiesAt(const RunPhysics& p, const SampleLog& log, int i);

// The mean force on each puck during tick i, in newtons (y up): its change
// of momentum over the tick, which is the sum of the engine's impulses.
struct Forces {
    Vec2 red, black;
};
Forces forcesAt(const RunPhysics& p, const SampleLog& log, int i);

}   // namespace sim
