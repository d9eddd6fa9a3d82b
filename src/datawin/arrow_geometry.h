#pragma once
// The momentum page's arithmetic: arrow halves, heads, the resultant and
// the snapping of arrow ends.

#include <string>

namespace dw {

struct IPoint {
    int x = 0, y = 0;
    bool operator==(const IPoint&) const = default;
};

// Half an arrow (dy positive upwards) for a momentum p along `angle` at
// `scale` pixels per unit.
IPoint momentumHalf(double p, double angle, int scale);

// The two barb ends at a head point (hx, hy) for direction a.
void barbEnds(int hx, int hy, double a, IPoint* first, IPoint* second);

// The resultant from its tail and head circles (top-left corners).
struct Resultant {
    IPoint handle;   // the midpoint square
    IPoint half;   // tail - handle
    double angle = 0;   // tail to head, y up, in [0, 2 pi)
    std::string momNumber, angleNumber;   // as the page shows them: " 6.0", "180.0"
};
Resultant resultantFrom(IPoint tail, IPoint head, int scale);

// The shift that puts `end` on `target` when they are less than `reach`
// pixels apart in x and in y; (0, 0) and false otherwise.
bool snapShift(IPoint end, IPoint target, int reach, IPoint* shift);

}   // namespace dw
