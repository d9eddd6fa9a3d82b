#include "engine/headless_setup.h"

#include "engine/motion.h"
#include "engine/table_start.h"

namespace sim {

HeadlessSetup::HeadlessSetup(SimState& s) : s_(s), rules_(model_, s, *this)
{
    startUpSetup(rules_, s_, *this);
}

HeadlessSetup::HeadlessSetup(SimState& s, const SetupModel& m) : s_(s), model_(m), rules_(model_, s, *this) {}

void HeadlessSetup::renderTrace()
{
    recordPass(s_, {model_.interaction == Interaction::Circle, model_.dimension == 1, model_.mark(ArrowsMark)});
}

void HeadlessSetup::reset()
{
    resetRun(s_, model_);
}

void HeadlessSetup::recenter()
{
    resetRun(s_, model_);
    recenterPlaces(s_, model_);
}

}   // namespace sim
