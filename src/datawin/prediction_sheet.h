#pragma once
// Predict First's table in the Before-and-After sheet: what the class
// predicted, what happened, and the difference, for Copy and the export.

#include "datawin/data_sheet.h"
#include "engine/prediction.h"

namespace dw {

// Whether a run has a prediction to report: revealed, with a puck predicted.
bool hasPrediction(const sim::Prediction& p);

// Appends the table under its own header row; "-" where a value has none.
void appendPrediction(Sheet& sheet, const sim::PredictionTable& t, const char* unit);

}   // namespace dw
