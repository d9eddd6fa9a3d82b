#include "engine/placing.h"

#include "engine/motion.h"
#include "engine/numbers.h"
#include "engine/table_start.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// The stretch [*t0, *t1] of distances t >= 0 where (x + ux t, y + uy t)
// lies in the box; false when the ray misses it.
bool rayThroughBox(double x, double y, double ux, double uy, double left, double top, double right, double bottom,
                   double* t0, double* t1)
{
    double lo = 0.0, hi = std::numeric_limits<double>::infinity();
    const double limits[2][3] = {{x, left, right}, {y, top, bottom}};
    const double dir[2] = {ux, uy};
    for (int a = 0; a < 2; ++a) {
        const double p = limits[a][0], l = limits[a][1], r = limits[a][2];
        if (dir[a] == 0.0) {
            if (p < l || p > r)
                return false;
            continue;
        }
        const double ta = (l - p) / dir[a], tb = (r - p) / dir[a];
        lo = std::max(lo, std::min(ta, tb));
        hi = std::min(hi, std::max(ta, tb));
    }
    *t0 = lo;
    *t1 = hi;
    return lo <= hi;
}
}   // namespace

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

Place handleMarker(const SimState& s, int tag, Place puck, int puckSide, int handleSide)
{
    const int remLeft = tag == 1 ? s.redHandleLeft : s.blackHandleLeft;
    const int remTop = tag == 1 ? s.redHandleTop : s.blackHandleTop;
    const int left = kImageLeft, top = kImageTop;
    const int maxLeft = kImageLeft + kTableWidth - handleSide;
    const int maxTop = kImageTop + kTableHeight - handleSide;
    auto inside = [&](int l, int t) { return l >= left && t >= top && l <= maxLeft && t <= maxTop; };
    if (inside(remLeft, remTop))
        return {remLeft, remTop};
    const double pcx = puck.left + puckSide / 2.0, pcy = puck.top + puckSide / 2.0;
    const double h = handleSide / 2.0;
    const double dx = remLeft + h - pcx, dy = remTop + h - pcy;
    const double len = std::hypot(dx, dy);
    // Places on the ray that may round onto the table lie in one stretch
    // (the ray through the table, a pixel wider): step only through that.
    double first = len, last = 0.0;
    if (!rayThroughBox(pcx - h, pcy - h, dx / len, dy / len, left - 1.0, top - 1.0, maxLeft + 1.0, maxTop + 1.0, &last,
                       &first))
        first = 0.0;
    const double start = len - std::max(0.0, std::floor(len - first));
    for (double d = start; d > puckSide / 2.0 + h && d >= last - 1.0; d -= 1.0) {
        const int l = static_cast<int>(std::lround(pcx + dx * d / len - h));
        const int t = static_cast<int>(std::lround(pcy + dy * d / len - h));
        if (inside(l, t))
            return {l, t};
    }
    // no room on the ray (the puck hangs over the edge): the nearest place on the table
    return {std::clamp(remLeft, left, maxLeft), std::clamp(remTop, top, maxTop)};
}

}   // namespace sim
