#pragma once
// The textbook's answer for a head-on collision, to draw over an
// investigation's points: the final speeds of an elastic or a sticking
// collision against a mass or a speed, and the kinetic energy kept against
// the percent.

#include "datawin/investigation.h"

namespace dw {

// A head-on set-up: the masses and the velocities along the red puck's path
// (the black one's signed), and how the pucks part.
struct HeadOnSetUp {
    bool headOn = false;   // the black puck on the red one's path, moving along it
    double m1 = 0.0, m2 = 0.0, u1 = 0.0, u2 = 0.0;
    double path = 0.0;   // the red puck's direction, radians (y up)
    sim::Interaction mode = sim::Interaction::Elastic;
};

HeadOnSetUp headOnOf(const BaseSetUp& base);

// The textbook's value of `m` with the setting `v` at `x`; false where it has
// no formula for this pair (or the set-up is not head-on).
bool textbookValue(const HeadOnSetUp& h, Vary v, Measure m, double x, double* y);

}   // namespace dw
