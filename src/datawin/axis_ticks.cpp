#include "datawin/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace dw {

double tickStep(double pixelsPerUnit, double room, double least)
{
    if (!(pixelsPerUnit > 0.0) || !std::isfinite(pixelsPerUnit))
        return std::max(least, 1.0);
    const double wanted = std::max(room / pixelsPerUnit, least);
    double power = std::pow(10.0, std::floor(std::log10(wanted)));
    for (;; power *= 10.0)
        for (double m : {1.0, 2.0, 5.0})
            if (m * power >= wanted * (1.0 - 1e-12))
                return m * power;
}

std::vector<double> ticksBetween(double lo, double hi, double step)
{
    std::vector<double> out;
    if (!(step > 0.0) || !std::isfinite(lo) || !std::isfinite(hi) || hi < lo)
        return out;
    const double first = std::ceil(lo / step - 1e-9), last = std::floor(hi / step + 1e-9);
    for (double k = first; k <= last && out.size() < 1000; k += 1.0)
        out.push_back(k * step == 0.0 ? 0.0 : k * step);   // no "-0"
    return out;
}

int tickDecimals(double step)
{
    return std::clamp(static_cast<int>(std::ceil(-std::log10(step) - 1e-9)), 0, 6);
}

}   // namespace dw
