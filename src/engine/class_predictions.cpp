#include "engine/class_predictions.h"

#include <algorithm>
#include <cmath>

namespace sim {

namespace {

// a value a hair below a bin's edge (2 / 0.1) belongs above it
constexpr double kEdge = 1e-9;
constexpr size_t kFewestBins = 5;

double binStart(double lo, double width)
{
    return std::floor(lo / width + kEdge) * width;
}

size_t binOf(double v, double from, double width)
{
    return size_t(std::max(0.0, std::floor((v - from) / width + kEdge)));
}

}   // namespace

Histogram histogramOf(const std::vector<double>& values, int maxBins)
{
    Histogram h;
    std::vector<double> finite;
    for (double v : values)
        if (std::isfinite(v))
            finite.push_back(v);
    if (finite.empty() || maxBins < 1)
        return h;
    const auto [lo, hi] = std::minmax_element(finite.begin(), finite.end());
    // all alike: bins a tenth or so of the value's size
    const double span = *hi - *lo > 1e-9 ? *hi - *lo : std::max(1.0, std::fabs(*lo));
    // the smallest round width that needs no more than maxBins bins
    double width = std::pow(10.0, std::floor(std::log10(span / maxBins)));
    for (int step = 0; step < 8; ++step) {
        if (binOf(*hi, binStart(*lo, width), width) + 1 <= size_t(maxBins))
            break;
        const double mantissa = width / std::pow(10.0, std::floor(std::log10(width) + 1e-9));
        width *= mantissa < 1.5 ? 2.0 : mantissa < 3.0 ? 2.5 : 2.0;   // 1 -> 2 -> 5 -> 10
    }
    h.width = width;
    h.from = binStart(*lo, width);
    size_t bins = binOf(*hi, h.from, width) + 1;
    // a few values stand among empty bins, not as one wall
    if (bins < kFewestBins) {
        const size_t before = (kFewestBins - bins) / 2;
        h.from -= double(before) * width;
        bins = kFewestBins;
    }
    h.counts.assign(bins, 0);
    for (double v : finite)
        ++h.counts[std::min(h.counts.size() - 1, binOf(v, h.from, width))];
    return h;
}

}   // namespace sim
