#include "datawin/arrow_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/numbers.h"

namespace dw {

namespace {
using num::kPi;
constexpr double kMaxHalf = 10000.0;
}   // namespace

IPoint momentumHalf(double p, double angle, int scale)
{
    // A typed momentum can be anything ("1e308"): far off the picture an
    // arrow is as good as any longer one, and the pixel sums stay in range.
    auto half = [](double v) { return num::Round(std::clamp(v, -kMaxHalf, kMaxHalf)); };
    return {half(std::cos(angle) * scale * p / 2.0), half(std::sin(angle) * scale * p / 2.0)};
}

void barbEnds(int hx, int hy, double a, IPoint* first, IPoint* second)
{
    *first = {hx - num::Round(10 * std::cos(a - kPi / 7)), hy + num::Round(10 * std::sin(a - kPi / 7))};
    *second = {hx - num::Round(10 * std::cos(a + kPi / 7)), hy + num::Round(10 * std::sin(a + kPi / 7))};
}

Resultant resultantFrom(IPoint tail, IPoint head, int scale)
{
    Resultant r;
    r.handle = {(tail.x + head.x) / 2, (tail.y + head.y) / 2};
    r.half = {tail.x - r.handle.x, tail.y - r.handle.y};
    const int ex = head.x - tail.x, ey = tail.y - head.y;
    // straight down reads 270, not 90 as a bare "pi/2 when ex = 0" would give
    double a = ex != 0 ? std::atan(static_cast<double>(ey) / ex) : (ey >= 0 ? kPi / 2 : 3 * kPi / 2);
    if (ex < 0)
        a += kPi;
    if (a < 0)
        a += 2 * kPi;
    r.angle = a;
    const double len = std::sqrt(static_cast<double>(r.half.x) * r.half.x + static_cast<double>(r.half.y) * r.half.y);
    r.momNumber = num::F(2 * len / (scale > 0 ? scale : 1), 4, 1);
    r.angleNumber = num::F(a * 180 / kPi, 4, 1);
    return r;
}

bool snapShift(IPoint end, IPoint target, int reach, IPoint* shift)
{
    if (std::abs(target.x - end.x) < reach && std::abs(target.y - end.y) < reach) {
        *shift = {target.x - end.x, target.y - end.y};
        return true;
    }
    *shift = {0, 0};
    return false;
}

}   // namespace dw
