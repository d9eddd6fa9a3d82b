#pragma once
// The class's predictions gathered from their hand-ins, for the projector:
// one value a student, counted in bins, before the teacher reveals the run.

#include <vector>

namespace sim {

// Which predicted value: as a hand-in keeps them.
enum class PredictedOf { RedSpeed, RedDirection, BlackSpeed, BlackDirection };

struct ClassPredictions {
    PredictedOf of = PredictedOf::BlackSpeed;
    std::vector<double> values;   // one a student who predicted
    bool operator==(const ClassPredictions&) const = default;
};

struct Histogram {
    double from = 0.0, width = 1.0;   // bin k holds [from + k width, from + (k + 1) width)
    std::vector<int> counts;
};

// At most `maxBins` bins of a round width (1, 2 or 5 times a power of ten),
// at least five with the values' bins in the middle; no bins for no values.
Histogram histogramOf(const std::vector<double>& values, int maxBins = 12);

}   // namespace sim
