#include "engine/kept_runs.h"

namespace sim {

bool KeptRuns::keep(const SimState& s, const SetupModel& m)
{
    if (full() || !runStarted(s))
        return false;
    const char letter = static_cast<char>('A' + runs_.size());
    runs_.push_back({letter, std::make_shared<const SimState>(s), m, s.timeLineEnd});
    return true;
}

}   // namespace sim
