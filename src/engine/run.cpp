#include "engine/run.h"

#include <algorithm>

#include "engine/collisions.h"
#include "engine/electrostatics.h"
#include "engine/motion.h"
#include "engine/spring.h"

namespace sim {

void interactionStep(SimState& s)
{
    switch (s.interactionMode) {
    case Interaction::Elastic: moveStep(s); break;
    case Interaction::SemiElastic:
        if (s.collided && s.elasticPercent == 0)
            movePair(s);
        else
            moveStep(s);
        break;
    case Interaction::Inelastic:
        if (s.collided)
            movePair(s);
        else
            moveStep(s);
        break;
    case Interaction::Spring1D: springStep(s); break;
    case Interaction::Electrostatic: electrostaticStep(s); break;
    case Interaction::Circle:   // drawn in closed form by the host; no state changes
    case Interaction::None: break;
    }
}

int eventsPerTickFor(int intervalMs)
{
    if (intervalMs >= 50)
        return 1;
    if (intervalMs >= 25)
        return 2;
    return 5;
}

namespace {
int plotJitter(SimState& s)
{
    // uniform over {-1, 0, +1}
    std::uniform_int_distribution<int> d(-1, 1);
    return d(s.rng);
}
}   // namespace

void runStep(SimState& s, RunHost& host)
{
    host.renderTrace();
    if (s.interactionMode == Interaction::Circle)
        host.circleStep();
    else
        interactionStep(s);
    s.stepPhase = (s.stepPhase + 1) % s.eventsPerTick;
    if (s.stepPhase == 0 && s.timeLine < s.noCollisionTick - 1)
        s.tick = s.tick + 1;
    if (s.plottingError) {
        PositionSample& e = s.sampleLog.positions[s.viewTick];
        e.redX += plotJitter(s);
        e.blackX += plotJitter(s);
        if (s.dimension != 1) {
            e.redY += plotJitter(s);
            e.blackY += plotJitter(s);
        }
    }
}

void setTimeLine(SimState& s, int position)
{
    s.timeLine = std::clamp(position, 1, std::max(1, s.timeLineEnd));
}

void startPressed(SimState& s)
{
    s.stepPhase = 0;
    s.minSpringGap = 1000.0;
}

void runEvent(SimState& s, RunHost& host)
{
    const bool atLimit = s.tick > kMaxTick;
    if (atLimit) {
        host.stopAtLimit();
        s.tick = kMaxTick;
    }
    s.viewTick = s.tick;
    s.timeLineEnd = s.viewTick;
    host.showingTick(s.viewTick);
    runStep(s, host);
    if (atLimit)
        s.stepPhase = 0;
}

}   // namespace sim
