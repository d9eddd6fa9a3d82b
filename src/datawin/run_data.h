#pragma once
// What the data window reads of a run, gathered once per activation so the
// table, graph and momentum work stay free of the window.

#include <array>
#include <cstdint>

#include "engine/sim_state.h"

namespace dw {

struct RunData {
    const sim::SampleLog* log = nullptr;
    double redMass = 2.0, blackMass = 2.0;
    // the speed the 1-D push adds per tick (one mass in 1-D), else 0
    double g = 0.0;
    bool springShown = false;
    int springK = 10;
    // what the Before-and-After page needs of the set-up and the run
    int massCount = 2;
    sim::Interaction interaction = sim::Interaction::Elastic;
    bool tilted = false;   // a 2-D table at an angle
    bool collided = false;
    int collisionTick = 0;   // the tick of the first contact, when collided
    std::array<int32_t, 6> divisors{1, 2, 4, 5, 10, 20};
};

// g = force-bar position x 0.05 / red mass-bar position, with one mass in 1-D.
inline double pushGain(bool oneMassOneD, int forceBar, int redMassBar)
{
    return oneMassOneD ? forceBar * 0.05 / redMassBar : 0.0;
}

}   // namespace dw
