// The class's predictions counted for the projector.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/class_predictions.h"

namespace {

TEST(ClassPredictionsTest, ValuesFallInRoundBinsAndEveryOneIsCounted)
{
    const struct {
        std::vector<double> values;
        double from, width;
        std::vector<int> counts;
    } cases[] = {
        {{}, 0.0, 1.0, {}},
        {{4.0}, 3.8, 0.1, {0, 0, 1, 0, 0}},   // one value: in the middle of five bins
        {{3.0, 3.4, 4.9, 5.0, 7.5}, 3.0, 0.5, {2, 0, 0, 1, 1, 0, 0, 0, 0, 1}},
        {{-12.0, 40.0, 41.0, 95.0}, -20.0, 10.0, {1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 1}},
        {{0.0, 359.0, 180.0}, 0.0, 50.0, {1, 0, 0, 1, 0, 0, 0, 1}},
        {{2.0, NAN, 2.0, INFINITY}, 1.8, 0.1, {0, 0, 2, 0, 0}},
    };
    for (const auto& c : cases) {
        const sim::Histogram h = sim::histogramOf(c.values);
        EXPECT_EQ(h.counts, c.counts) << c.values.size();
        if (c.counts.empty())
            continue;
        EXPECT_NEAR(h.width, c.width, c.width * 1e-9);
        EXPECT_DOUBLE_EQ(h.from, c.from);
        EXPECT_LE(h.counts.size(), 12u);
    }
}

}   // namespace
