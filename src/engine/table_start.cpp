#include "engine/table_start.h"

#include "engine/motion.h"
#include "engine/numbers.h"

namespace sim {

void resetRun(SimState& s, const SetupModel& m)
{
    s.tick = 1;
    s.viewTick = 1;
    s.timeLine = 1;
    s.timeLineEnd = 1;
    s.collisionTick = s.noCollisionTick;
    s.collided = false;
    s.contactResolved = false;
    s.stepPhase = 0;
    s.red.x = s.red.startLeft;
    s.red.y = s.red.startTop;
    s.black.x = s.black.startLeft;
    s.black.y = s.black.startTop;
    s.red.speed = m.redSpeed / 10.0;
    s.black.speed = m.blackSpeed / 10.0;
    recordSample(s);   // tick is 1 and nothing is stuck: entry 1 from the pucks
    computeDirections(s, m.dotSize);
    s.sampleLog.velocities[1] = {s.red.speed, s.red.direction, s.black.speed, s.black.direction};
    s.startVelocities = s.sampleLog.velocities[1];   // the run's first step writes over entry 1
}

void placeAtStart(SimState& s, const SetupModel& m)
{
    const int redSide = m.redSide(), blackSide = m.blackSide(), hw = m.dotSize;
    const int redLeft = kTableWidth / 4, blackLeft = (2 * kTableWidth) / 4, top = kTableHeight / 2;
    s.redHandleLeft = redLeft + 50 + redSide;
    s.redHandleTop = top + redSide / 2 - hw / 2;
    s.blackHandleLeft = blackLeft - 50;
    s.blackHandleTop = top + blackSide / 2 - hw / 2;
    s.red.radius = redSide / 2;
    s.black.radius = blackSide / 2;
    s.red.x = redLeft;
    s.red.y = top;
    s.black.x = blackLeft;
    s.black.y = top;
    s.red.startLeft = num::Round(s.red.x);
    s.red.startTop = num::Round(s.red.y);
    s.black.startLeft = num::Round(s.black.x);
    s.black.startTop = num::Round(s.black.y);
}

void recenterPlaces(SimState& s, const SetupModel& m)
{
    placeAtStart(s, m);
    s.red.direction = 0.0;
    s.black.direction = m.massCount == 2 ? kPi : 0.0;
    // the recentred set-up is recorded: the next run starts where the pucks
    // are shown, and its arrows point as they are aimed
    s.redStartDirection = s.red.direction;
    s.blackStartDirection = s.black.direction;
    recordSample(s);
    s.sampleLog.velocities[1] = {s.red.speed, s.red.direction, s.black.speed, s.black.direction};
    s.startVelocities = s.sampleLog.velocities[1];   // the run's first step writes over entry 1
}

void startUpSetup(SetupRules& rules, SimState& s, SetupHost& host)
{
    rules.setFrequencyIndex(5);
    s.noCollisionTick = kNoCollisionTick;
    s.scale = 20.0;
    s.tiltAccel = 0.0;
    s.pushAccel = 0.0;
    resetRun(s, rules.model());   // no contact yet, the clock at its start
    rules.setPercent(50);
    placeAtStart(s, rules.model());
    host.placeShapes();
    rules.setSpeed(1, 50);
    rules.setSpeed(2, 0);
    rules.setMass(1, 20);
    rules.setMass(2, 20);
    rules.chooseComputerSpeed(10);
    computeDirections(s, rules.model().dotSize);
    host.reset();
}

}   // namespace sim
