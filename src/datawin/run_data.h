#pragma once
// What the data window reads of a run, gathered once per activation so the
// table, graph and momentum work stay free of the window.

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/run_physics.h"
#include "engine/setup_model.h"
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
    bool contactResolved = false;   // a contact was answered along `contactLine`
    double contactLine = 0.0;   // radians, y up, from the red centre to the black
    bool shapeMarks = false;   // series told apart by marker and line, not colour alone
    std::array<int32_t, 6> divisors{1, 2, 4, 5, 10, 20};
    // Predict First: the samples from this one on are not shown; 0 when all are
    int hiddenFrom = 0;
    // A challenge, while its unknown is kept: the samples up to this one are
    // not shown (a launch speed); the black puck's momentum and energy are
    // not (its mass); the Before-and-After page shows no number at all.
    int hiddenUpTo = 0;
    bool blackMassHidden = false;
    bool challengeHiding = false;
    // what the energy and force columns need beyond the log
    sim::RunPhysics physics;
};

// The first sample that may be shown.
inline int shownFrom(const RunData& r)
{
    return r.hiddenUpTo + 1;
}

// The last sample of 1 .. `last` that may be shown.
inline int shownUpTo(const RunData& r, int last)
{
    return r.hiddenFrom > 0 && last >= r.hiddenFrom ? std::max(1, r.hiddenFrom - 1) : last;
}

// Whether sample `i`'s numbers are hidden.
inline bool hiddenSample(const RunData& r, int i)
{
    return (r.hiddenFrom > 0 && i >= r.hiddenFrom) || i <= r.hiddenUpTo;
}

// What the data pages read of a run and its set-up.
inline RunData runDataOf(const sim::SimState& s, const sim::SetupModel& m)
{
    RunData r;
    r.log = &s.sampleLog;
    r.redMass = s.red.mass;
    r.blackMass = s.black.mass;
    r.g = m.pushGain();
    r.springShown = m.springBoxShown;
    r.springK = m.springK;
    r.massCount = m.massCount;
    r.interaction = s.interactionMode;
    r.tilted = m.dimension == 2 && s.tiltAccel != 0.0;
    r.collided = s.collided || s.collisionTick != s.noCollisionTick;
    r.collisionTick = s.collisionTick;
    r.contactResolved = s.contactResolved;
    r.contactLine = s.contactLine;
    r.shapeMarks = m.letterMarks;
    for (size_t i = 0; i < 6; ++i)
        r.divisors[i] = s.frequencyDivisors[i];
    r.physics = sim::runPhysicsOf(s, m);
    return r;
}

}   // namespace dw
