#pragma once
// The set-up with nobody watching: the export and the tests set the table
// up through the same rules as the window, from the same start.

#include "engine/setup_model.h"
#include "engine/setup_rules.h"
#include "engine/sim_state.h"

namespace sim {

class HeadlessSetup : public SetupHost {
public:
    // Lays the set-up out as the program starts.
    explicit HeadlessSetup(SimState& s);
    // Takes over a set-up as it stands: `s` holds its state, `m` its settings.
    HeadlessSetup(SimState& s, const SetupModel& m);

    SetupRules& rules() { return rules_; }
    const SetupModel& model() const { return model_; }

    // SetupHost: only what a drawing pass writes into the state.
    void renderTrace() override;
    void reset() override;
    void recenter() override;

private:
    SimState& s_;
    SetupModel model_;
    SetupRules rules_;
};

}   // namespace sim
