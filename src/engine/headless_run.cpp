#include "engine/headless_run.h"

#include "engine/motion.h"

namespace sim {

HeadlessRun::HeadlessRun(SimState& s, bool arrowsShown, int timeLine)
    : s_(s), arrowsShown_(arrowsShown), timeLine_(timeLine)
{}

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
    // what a drawing pass writes: the sample at a tick's start, and the
    // black puck kept on the red one's row in 1-D
    if (s_.stepPhase != 0 || s_.interactionMode == Interaction::Circle)
        return;
    recordSample(s_);
    if (!arrowsShown_ && s_.dimension == 1)
        s_.black.y = s_.red.y;
}

}   // namespace sim
