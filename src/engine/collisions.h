#pragma once
#include "engine/sim_state.h"

namespace sim {

double lineOfCentres(const PuckState& p, const PuckState& q);

void elasticCollision(PuckState& p, PuckState& q);
void partialCollision(PuckState& p, PuckState& q, double percent);
void stickCollision(PuckState& p, PuckState& q);

void contactCheck(SimState& s);
void movePair(SimState& s);

}   // namespace sim
