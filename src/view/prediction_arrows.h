#pragma once
// The class's prediction on the table: a dashed arrow per predicted puck
// from its centre at the contact, reaching where the puck would be a second
// later at the predicted speed and direction.

#include "engine/prediction.h"
#include "engine/sim_state.h"

class Canvas;

// Nothing before the run reached its outcome or for a puck not predicted.
void drawPrediction(Canvas& cv, const sim::SimState& s, const sim::Prediction& p);
