#pragma once
#include "engine/sim_state.h"

namespace sim {

// Circle mode: the red puck on a circle around its handle, the angle of
// every tick in closed form.
struct CircleOrbit {
    double R = 0.0;   // px between the puck's and the pivot's centres
    double omega0 = 0.0;   // rad per tick at the start
    double sgn = 1.0;
    double direction = 0.0;   // from the puck to the pivot at the start
    double friction = 0.0;
    double intervalMs = 10.0;
};

// From the puck marker's and the handle's left, top and width (panel px).
CircleOrbit circleOrbit(const SimState& s, int puckLeft, int puckTop, int puckWidth, int handleLeft, int handleTop,
                        int handleWidth);

// psi_i: the direction from the puck to the pivot at tick i (y up).
double circleAngle(const CircleOrbit& o, int i);

// Whether tick i gets a dot at this strobe divisor ((i - 1) mod divisor = 0,
// the remainder taking the dividend's sign).
inline bool circleDotShown(int i, int divisor)
{
    return (i - 1) % divisor == 0;
}

}   // namespace sim
