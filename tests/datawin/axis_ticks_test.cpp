#include <gtest/gtest.h>

#include "datawin/axis_ticks.h"

namespace {
TEST(AxisTicksTest, StepsOfOneTwoOrFiveStandApart)
{
    const struct {
        double pixelsPerUnit, room, least, step;
    } cases[] = {
        {71.0, 26.0, 1.0, 1.0},   // a short run: a label every second, as always
        {1.42, 26.0, 1.0, 20.0},   // a whole run of 500 s
        {3.0, 26.0, 1.0, 10.0},          {62.5, 56.0, 0.0, 1.0},
        {446.0 / 0.07, 56.0, 0.0, 0.01}, {446.0 / 7000.0, 56.0, 0.0, 1000.0},
        {0.0, 56.0, 0.0, 1.0},   // no width to share: one step
    };
    for (const auto& c : cases) {
        const double step = dw::tickStep(c.pixelsPerUnit, c.room, c.least);
        EXPECT_DOUBLE_EQ(step, c.step) << c.pixelsPerUnit;
        if (c.pixelsPerUnit > 0.0) {
            EXPECT_GE(step * c.pixelsPerUnit, c.room * (1.0 - 1e-9));
        }
    }
}

TEST(AxisTicksTest, TicksAreMultiplesOfTheStepWithTheirDecimals)
{
    EXPECT_EQ(dw::ticksBetween(-0.3, 1.0, 0.5), std::vector<double>({0.0, 0.5, 1.0}));
    EXPECT_EQ(dw::ticksBetween(1.0, 8.14, 2.0), std::vector<double>({2.0, 4.0, 6.0, 8.0}));
    EXPECT_EQ(dw::ticksBetween(-2.0, -1.0, 1.0), std::vector<double>({-2.0, -1.0}));
    EXPECT_TRUE(dw::ticksBetween(0.0, 1.0, 0.0).empty());
    EXPECT_LE(dw::ticksBetween(0.0, 1e9, 1e-9).size(), 1000u);   // bounded whatever it is given
    const std::pair<double, int> decimals[] = {{5.0, 0}, {1.0, 0}, {0.2, 1}, {0.05, 2}, {100.0, 0}};
    for (const auto& [step, d] : decimals)
        EXPECT_EQ(dw::tickDecimals(step), d) << step;
}
}   // namespace
