#pragma once
// "Keep This Run": up to three runs kept in memory, named "Run A", "Run B"
// and "Run C", to be laid beside the run on the table. They live with the
// table (a zoom or a language keeps them) and never go into a file.

#include <memory>
#include <vector>

#include "engine/setup_model.h"
#include "engine/sim_state.h"

namespace sim {

struct KeptRun {
    char letter = 'A';   // "Run A", "Run B", "Run C"
    std::shared_ptr<const SimState> state;   // the run and its log as kept
    SetupModel model;
    int end = 1;   // the last tick the time line showed
};

class KeptRuns {
public:
    static constexpr int kMost = 3;

    // Keeps the run as it stands; false when three are kept or no run has started.
    bool keep(const SimState& s, const SetupModel& m);
    void clear() { runs_.clear(); }
    bool full() const { return static_cast<int>(runs_.size()) >= kMost; }
    const std::vector<KeptRun>& runs() const { return runs_; }

private:
    std::vector<KeptRun> runs_;
};

}   // namespace sim
