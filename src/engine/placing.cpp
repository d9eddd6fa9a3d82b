#include "engine/placing.h"

#include "engine/motion.h"
#include "engine/numbers.h"

namespace sim {

void placePuck(SimState& s, int tag, int left, int top)
{
    PuckState& p = tag == 1 ? s.red : s.black;
    const int dx = left - p.startLeft, dy = top - p.startTop;
    p.x = left;
    p.y = top;
    PositionSample& e = s.sampleLog.positions[1];
    const double cx = p.x + p.radius - kImageLeft;
    const double cy = p.y + p.radius - kImageTop;
    (tag == 1 ? e.redX : e.blackX) = cx;
    (tag == 1 ? e.redY : e.blackY) = cy;
    p.startLeft = num::Round(p.x);
    p.startTop = num::Round(p.y);
    (tag == 1 ? s.redHandleLeft : s.blackHandleLeft) += dx;
    (tag == 1 ? s.redHandleTop : s.blackHandleTop) += dy;
}

void aimPuck(SimState& s, int tag, int left, int top, int side)
{
    (tag == 1 ? s.redHandleLeft : s.blackHandleLeft) = left;
    (tag == 1 ? s.redHandleTop : s.blackHandleTop) = top;
    PuckState& p = tag == 1 ? s.red : s.black;
    const double dir = directionFromHandle(p, left, top, side / 2, s.dimension == 1 ? 1 : 2);
    p.direction = dir;
    if (tag == 1 && s.massCount == 1)
        s.black.direction = dir;
    (tag == 1 ? s.redStartDirection : s.blackStartDirection) = dir;
}

}   // namespace sim
