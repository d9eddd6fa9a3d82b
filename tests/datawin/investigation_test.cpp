// Investigations: the sweep's values, points that are the single runs of
// the same set-up, and the textbook's head-on collisions at every point.
#include <gtest/gtest.h>

#include <cmath>

#include "datawin/investigation.h"
#include "datawin/ledger.h"
#include "datawin/textbook.h"
#include "head_on_run.h"

using dw::Measure;
using dw::Vary;

namespace {
dw::BaseSetUp baseOf(const HeadOn& run)
{
    return {run.setup.model(), run.s.get()};
}
}   // namespace

TEST(InvestigationTest, SweepsTakeTheControlsStepsOrAreRefused)
{
    HeadOn run(sim::Interaction::Elastic);
    const struct {
        dw::Sweep sweep;
        std::vector<double> values;   // empty: refused
    } cases[] = {
        {{Vary::RedMass, 1.0, 2.0, 0.5}, {1.0, 1.5, 2.0}},
        {{Vary::RedMass, 1.0, 1.2, 0.04}, {1.0, 1.1, 1.2}},   // to the bar's 0.1 kg, repeats dropped
        {{Vary::RedSpeed, 2.0, 3.0, 0.45}, {2.0, 2.5, 2.9}},
        {{Vary::Offset, 0.0, 0.6, 0.3}, {0.0, 0.3, 0.6}},
        {{Vary::RedMass, 1.0, 2.0, 0.0}, {}},
        {{Vary::RedMass, 2.0, 1.0, 0.1}, {}},
        {{Vary::RedMass, 0.1, 30.0, 0.1}, {}},   // 300 points
        {{Vary::RedSpeed, 40.0, 60.0, 5.0}, {}},   // past the bar
        {{Vary::Percent, 10.0, 50.0, 10.0}, {}},   // not used by an elastic collision
    };
    for (const auto& c : cases) {
        dw::SweepError error;
        const std::vector<double> v = dw::sweepValues(c.sweep, baseOf(run), &error);
        ASSERT_EQ(v.size(), c.values.size()) << dw::varyName(c.sweep.vary) << " " << c.sweep.step;
        for (size_t i = 0; i < v.size(); ++i)
            EXPECT_NEAR(v[i], c.values[i], 0.011) << dw::varyName(c.sweep.vary);
        EXPECT_EQ(error == dw::SweepError::None, !c.values.empty());
    }
}

// A point is the run the bars give: the red mass bar at 3.5 kg, then run.
TEST(InvestigationTest, APointIsTheRunTheBarsGive)
{
    HeadOn base(sim::Interaction::SemiElastic), byHand(sim::Interaction::SemiElastic);
    const std::vector<Measure> all = {Measure::RedSpeed,       Measure::BlackSpeed,  Measure::RedPx,
                                      Measure::EnergyKept,     Measure::Restitution, Measure::ContactTime,
                                      Measure::ClosestApproach};
    const std::vector<double> point = dw::runPoint(baseOf(base), Vary::RedMass, 3.5, all, 300);
    byHand.setup.rules().setMass(1, 35);
    sim::HeadlessRun run(*byHand.s);
    run.start();
    run.runThrough(300);
    const dw::Ledger l = dw::computeLedger(dw::runDataOf(*byHand.s, byHand.setup.model()), run.lastShown());
    EXPECT_EQ(point[0], l.after[0].speed);
    EXPECT_EQ(point[1], l.after[1].speed);
    EXPECT_EQ(point[2], l.after[0].px);
    EXPECT_EQ(point[3], l.energyKept);
    EXPECT_EQ(point[4], l.restitution);
    EXPECT_EQ(point[5], (byHand.s->collisionTick - 1) * 0.05);
    EXPECT_LT(point[6], 1.2 + 0.3);   // they touched: centres a puck's width apart, give or take a step
}

// Head-on, black at rest: v1 = (m1 - m2) / (m1 + m2) v, v2 = 2 m1 / (m1 + m2) v
// when elastic; both m1 v / (m1 + m2) when they stick.
TEST(InvestigationTest, HeadOnCollisionsFollowTheTextbookAtEveryPoint)
{
    for (sim::Interaction mode : {sim::Interaction::Elastic, sim::Interaction::Inelastic}) {
        HeadOn run(mode);
        dw::SweepError error;
        const std::vector<double> masses = dw::sweepValues({Vary::RedMass, 0.5, 6.0, 0.5}, baseOf(run), &error);
        ASSERT_EQ(masses.size(), 12u);
        const dw::Investigation inv =
            dw::investigate(baseOf(run), Vary::RedMass, masses, {Measure::RedSpeed, Measure::BlackSpeed}, 400, 2);
        for (size_t i = 0; i < masses.size(); ++i) {
            const double m1 = masses[i], m2 = 2.0, v = 5.0;
            const bool elastic = mode == sim::Interaction::Elastic;
            const double red = elastic ? std::fabs(m1 - m2) / (m1 + m2) * v : m1 * v / (m1 + m2);
            const double black = elastic ? 2 * m1 / (m1 + m2) * v : m1 * v / (m1 + m2);
            EXPECT_NEAR(inv.values[i][0], red, 0.005) << m1;
            EXPECT_NEAR(inv.values[i][1], black, 0.005) << m1;
            // and the line drawn over them is the same formula
            double line[2] = {};
            ASSERT_TRUE(dw::textbookValue(dw::headOnOf(baseOf(run)), Vary::RedMass, Measure::RedSpeed, m1, &line[0]));
            ASSERT_TRUE(dw::textbookValue(dw::headOnOf(baseOf(run)), Vary::RedMass, Measure::BlackSpeed, m1, &line[1]));
            EXPECT_NEAR(line[0], red, 1e-12);
            EXPECT_NEAR(line[1], black, 1e-12);
        }
        const dw::Sheet sheet =
            dw::investigationSheet(inv, Vary::RedMass, {Measure::RedSpeed, Measure::BlackSpeed}, run.setup.model());
        EXPECT_EQ(dw::writeSheet(sheet, dw::SheetFormat::Csv, false).substr(0, 67),
                  "red mass (kg),red speed after (cm/s),black speed after (cm/s)\n0.50,");
    }
}

// Signed, the red puck's velocity after goes through zero at m1 = m2 as the
// textbook's line does, where its speed folds back into a V.
TEST(InvestigationTest, TheVelocityAfterIsSignedAndCrossesZero)
{
    HeadOn run(sim::Interaction::Elastic);
    const std::vector<double> masses = {1.0, 2.0, 3.0};
    const std::vector<Measure> measures = {Measure::RedVx, Measure::RedVy, Measure::BlackVx, Measure::RedSpeed};
    const dw::Investigation inv = dw::investigate(baseOf(run), Vary::RedMass, masses, measures, 400, 2);
    const dw::HeadOnSetUp h = dw::headOnOf(baseOf(run));
    for (size_t i = 0; i < masses.size(); ++i) {
        const double m1 = masses[i], v1 = (m1 - 2.0) / (m1 + 2.0) * 5.0, v2 = 2 * m1 / (m1 + 2.0) * 5.0;
        const double expected[] = {v1 * std::cos(h.path), v1 * std::sin(h.path), v2 * std::cos(h.path)};
        for (size_t k = 0; k < 3; ++k) {
            double line = 0.0;
            ASSERT_TRUE(dw::textbookValue(h, Vary::RedMass, measures[k], m1, &line));
            EXPECT_NEAR(line, expected[k], 1e-12);
            EXPECT_NEAR(inv.values[i][k], expected[k], 0.005) << m1 << " " << dw::measureName(measures[k]);
        }
        EXPECT_NEAR(inv.values[i][3], std::fabs(v1), 0.005);
    }
    EXPECT_LT(inv.values[0][0] * inv.values[2][0], 0.0);   // one each side of zero
    EXPECT_EQ(dw::measureHeader(Measure::BlackVy, "cm"), "black velocity y after (cm/s)");
}

// Partly elastic head-on: the energy kept at percent e is
// 1 - (1 - e^2) m1 m2 / (m1 + m2) u^2 / (m1 u^2), against the points.
TEST(InvestigationTest, EnergyKeptAgainstThePercent)
{
    HeadOn run(sim::Interaction::SemiElastic);
    dw::SweepError error;
    const std::vector<double> percents = dw::sweepValues({Vary::Percent, 0.0, 100.0, 25.0}, baseOf(run), &error);
    ASSERT_EQ(percents.size(), 5u);
    const dw::Investigation inv = dw::investigate(baseOf(run), Vary::Percent, percents, {Measure::EnergyKept}, 400, 2);
    const dw::HeadOnSetUp h = dw::headOnOf(baseOf(run));
    ASSERT_TRUE(h.headOn);
    for (size_t i = 0; i < percents.size(); ++i) {
        const double e = percents[i] / 100.0;
        double line = 0.0;
        ASSERT_TRUE(dw::textbookValue(h, Vary::Percent, Measure::EnergyKept, percents[i], &line));
        EXPECT_NEAR(line, 100.0 * (1.0 - (1.0 - e * e) * 0.5), 1e-9);   // equal masses, black at rest
        EXPECT_NEAR(inv.values[i][0], line, 0.05) << percents[i];
    }
    double none = 0.0;
    EXPECT_FALSE(dw::textbookValue(h, Vary::RedMass, Measure::EnergyKept, 1.0, &none));
    EXPECT_FALSE(dw::textbookValue(h, Vary::Offset, Measure::RedSpeed, 1.0, &none));
}

TEST(InvestigationTest, ACancelledInvestigationStopsBetweenPoints)
{
    HeadOn run(sim::Interaction::Elastic);
    std::atomic<bool> cancel{true};
    std::atomic<int> done{0};
    const dw::Investigation inv =
        dw::investigate(baseOf(run), Vary::RedMass, {1.0, 2.0, 3.0}, {Measure::RedSpeed}, 400, 2, &done, &cancel);
    EXPECT_TRUE(inv.cancelled);
    EXPECT_EQ(done.load(), 0);
    EXPECT_TRUE(std::isnan(inv.values[0][0]));
}
