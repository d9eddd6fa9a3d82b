#include "engine/headless_run.h"

#include "engine/motion.h"

namespace sim {

HeadlessRun::HeadlessRun(SimState& s, bool arrowsShown) : s_(s), arrowsShown_(arrowsShown) {}

void HeadlessRun::start()
{
    startPressed(s_);
    running_ = !running_;
}

void HeadlessRun::runThrough(int lastTick)
{
    while (running_ && s_.tick <= lastTick)
        runEvent(s_, *this);
}

void HeadlessRun::renderTrace()
{
    recordPass(s_, {s_.interactionMode == Interaction::Circle, s_.dimension == 1, arrowsShown_});
}

}   // namespace sim
