// Fits: exact through points on their curve, the errors against a hand-worked
// line, and a tilted table's acceleration read as a slope.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "datawin/fit.h"
#include "datawin/graph_values.h"
#include "engine/headless_run.h"
#include "engine/headless_setup.h"

using dw::FitModel;

TEST(FitTest, PointsOnTheCurveAreFittedExactly)
{
    const struct {
        FitModel model;
        double a, b, c;
    } cases[] = {
        {FitModel::Linear, 2.5, -1.0, 0.0},
        {FitModel::Quadratic, -0.5, 3.0, 7.0},
        {FitModel::Proportional, 4.0, 0.0, 0.0},
        {FitModel::Inverse, 12.0, 0.0, 0.0},
    };
    for (const auto& k : cases) {
        std::vector<double> x, y;
        for (int i = 1; i <= 20; ++i) {
            const double t = i * 0.5;
            x.push_back(t);
            y.push_back(k.model == FitModel::Inverse         ? k.a / t
                            : k.model == FitModel::Quadratic ? k.a * t * t + k.b * t + k.c
                                                             : k.a * t + k.b);
        }
        const dw::Fit f = dw::fitPoints(x, y, k.model, 0.0, 100.0);
        ASSERT_TRUE(f.ok);
        EXPECT_NEAR(f.p[0], k.a, 1e-9);
        EXPECT_NEAR(f.p[1], k.b, 1e-9);
        EXPECT_NEAR(f.p[2], k.c, 1e-8);
        EXPECT_NEAR(f.rms, 0.0, 1e-9);
        EXPECT_NEAR(f.r2, 1.0, 1e-12);
    }
}

// (0, 0), (1, 1), (2, 1), (3, 2): y = 0.6 x + 0.1, residuals -0.1, 0.3,
// -0.3, 0.1, so SSR = 0.2, s^2 = 0.1, Sxx = 5 and SE(a) = sqrt(0.1 / 5).
TEST(FitTest, TheErrorsOfAHandWorkedLine)
{
    const dw::Fit f = dw::fitPoints({0, 1, 2, 3, 9}, {0, 1, 1, 2, 50}, FitModel::Linear, 0.0, 3.0);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.p[0], 0.6, 1e-12);
    EXPECT_NEAR(f.p[1], 0.1, 1e-12);
    EXPECT_NEAR(f.aError, std::sqrt(0.02), 1e-12);
    EXPECT_NEAR(f.rms, std::sqrt(0.05), 1e-12);
    EXPECT_NEAR(f.r2, 0.9, 1e-12);
    // too few points, or all at one x, give no fit
    EXPECT_FALSE(dw::fitPoints({1, 2}, {1, 2}, FitModel::Linear, 0, 5).ok);
    EXPECT_FALSE(dw::fitPoints({1, 1, 1}, {1, 2, 3}, FitModel::Linear, 0, 5).ok);
    EXPECT_FALSE(dw::fitPoints({0, 0, 0}, {1, 2, 3}, FitModel::Inverse, 0, 5).ok);
}

// Through the origin, r^2 is measured about 0, so a poor fit reads near 0,
// never below: (1, 10), (2, 10), (3, 10) gives a = 30/7, residuals 40/7,
// 10/7, -20/7, SSR = 300/7 against 300 about 0 (it was -inf about the mean).
TEST(FitTest, AFitThroughTheOriginReadsFromZeroToOne)
{
    const dw::Fit f = dw::fitPoints({1, 2, 3}, {10, 10, 10}, FitModel::Proportional, 0.0, 5.0);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.p[0], 30.0 / 7.0, 1e-12);
    EXPECT_NEAR(f.r2, 1.0 - (300.0 / 7.0) / 300.0, 1e-12);
    const dw::Fit g = dw::fitPoints({1, 2, 4}, {4.1, 1.9, 1.0}, FitModel::Inverse, 0.0, 5.0);
    ASSERT_TRUE(g.ok);
    EXPECT_GT(g.r2, 0.99);
    EXPECT_LE(g.r2, 1.0);
}

// The pushed 1-D block: 3.0 N on 2.0 kg is 1.5 m/s^2, the engine's push
// acceleration; the fitted slope of its velocity against time is that. (A
// tilted 2-D table leaves the logged speeds as on a level one: the tilt only
// bends the trace.)
TEST(FitTest, APushedBlocksAccelerationIsTheSlopeOfItsVelocity)
{
    auto s = std::make_unique<sim::SimState>();
    sim::HeadlessSetup setup(*s);
    setup.rules().chooseDimension(1);
    setup.rules().chooseMassCount(1);
    setup.rules().setMass(1, 20);
    setup.rules().setTableAngle(30);
    ASSERT_TRUE(setup.model().pushed());
    sim::HeadlessRun run(*s);
    run.start();
    run.runThrough(60);
    const dw::RunData data = dw::runDataOf(*s, setup.model());
    std::vector<double> t, v;
    for (int i = 1; i < run.lastShown(); ++i) {
        t.push_back((i - 1) * 0.05);
        v.push_back(dw::sampleValue(data, dw::Velocity, dw::XComponent, dw::Red, i, true));
    }
    const dw::Fit f = dw::fitPoints(t, v, FitModel::Linear, 0.5, 2.5);
    ASSERT_TRUE(f.ok);
    const double a = s->pushAccel / s->scale;
    EXPECT_NEAR(a, 1.5, 1e-12);
    EXPECT_NEAR(f.p[0], a, 0.005 * a);
}
