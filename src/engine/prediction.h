#pragma once
// "Predict First": a run stops where the pucks begin to act on each other
// and hides what follows until the class has predicted each puck's speed
// and direction after it and pressed "Reveal". The prediction lives here,
// apart from any window, so the table, its panel and the data window show
// the same one.

#include <array>
#include <iterator>

#include "engine/setup_model.h"
#include "engine/sim_state.h"

namespace sim {

struct PredictedPuck {
    double speed = 0.0;   // units/s, as the log keeps speeds
    double direction = 0.0;   // degrees, anticlockwise from +x
    bool given = false;
};

struct Prediction {
    bool on = false;   // the View option
    int hideFrom = 0;   // the first sample that is hidden; 0 until the run reaches it
    bool revealed = false;
    PredictedPuck red, black;

    bool hiding() const { return on && hideFrom > 0 && !revealed; }
    // the first hidden sample, or 0 when everything is shown
    int hiddenFrom() const { return hiding() ? hideFrom : 0; }
    // A new run: nothing hidden yet; what was predicted stays for the next run.
    void newRun()
    {
        hideFrom = 0;
        revealed = false;
    }
};

// Whether a set-up has an outcome to predict: two pucks off the circle.
bool predictable(const SetupModel& m);

// The sample at which the pucks began to act on each other: the first
// contact; for the spring the first pressed sample; for electrostatic
// forces the first sample that felt one. 0 while they have not.
int outcomeStart(const SimState& s);

// Called after each step of a run: true when the hiding begins at this step.
bool watchOutcome(Prediction& p, const SimState& s, const SetupModel& m);

// Turns a copy of the state into what may be shown while the outcome from
// `hideFrom` on is hidden: the clock held at it, the pucks where the log has
// them then and moving as before it, and no contact answered yet.
void maskOutcome(SimState& copy, int hideFrom);

// Predicted against actual, the actual read at sample `after`.
enum PredictedValue {
    RedSpeed,
    RedDirection,
    RedMomentum,
    BlackSpeed,
    BlackDirection,
    BlackMomentum,
    TotalMomentum,
    EnergyKept,
    RedVx,   // each velocity's components, signed: in 1-D the way it goes
    RedVy,
    BlackVx,
    BlackVy,
    PredictedValueCount
};
// The decimals each is shown with.
inline constexpr int kPredictedDecimals[] = {2, 1, 2, 2, 1, 2, 2, 1, 2, 2, 2, 2};
static_assert(std::size(kPredictedDecimals) == PredictedValueCount);

struct PredictionLine {
    double predicted = 0.0, actual = 0.0, difference = 0.0;   // difference = predicted - actual
    bool hasPredicted = false, hasActual = false;   // a direction of nothing moving has none
    bool hasDifference() const { return hasPredicted && hasActual; }
};

using PredictionTable = std::array<PredictionLine, PredictedValueCount>;

// Directions in degrees from 0 to 360, their differences from -180 to 180;
// momenta in kg units/s; the energy kept in per cent of the energy before.
PredictionTable predictionTable(const Prediction& p, const SimState& s, int after);

// What a revealed run's class predicted and what happened: red speed, red
// direction, black speed, black direction after, as the table gives them.
struct RevealedRun {
    std::array<double, 4> predicted{}, actual{};
};
RevealedRun revealedRun(const Prediction& p, const SimState& s);

}   // namespace sim
