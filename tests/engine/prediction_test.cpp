// Predict First: where a run's outcome begins, what may be shown before it,
// and the prediction against what happened.
#include <gtest/gtest.h>

#include <cmath>

#include <memory>

#include "engine/electrostatics.h"
#include "head_on_run.h"

TEST(PredictionTest, OnlyTwoPucksOffTheCircleHaveAnOutcomeToPredict)
{
    const struct {
        int massCount;
        sim::Interaction mode;
        bool predictable;
    } cases[] = {
        {2, sim::Interaction::Elastic, true},       {2, sim::Interaction::Inelastic, true},
        {2, sim::Interaction::SemiElastic, true},   {2, sim::Interaction::Spring1D, true},
        {2, sim::Interaction::Electrostatic, true}, {2, sim::Interaction::Circle, false},
        {1, sim::Interaction::Elastic, false},      {2, sim::Interaction::None, false},
    };
    for (const auto& c : cases) {
        sim::SetupModel m;
        m.massCount = c.massCount;
        m.interaction = c.mode;
        EXPECT_EQ(sim::predictable(m), c.predictable) << static_cast<int>(c.mode) << " " << c.massCount;
    }
}

TEST(PredictionTest, TheRunIsHeldAtTheContactAndOnlyWhenAsked)
{
    HeadOn run(sim::Interaction::Elastic);
    ASSERT_TRUE(run.runToTheOutcome());
    EXPECT_EQ(run.p.hideFrom, run.s->collisionTick);
    EXPECT_TRUE(run.p.hiding());
    EXPECT_EQ(run.p.hiddenFrom(), run.s->collisionTick);
    // the contact comes once: the watch does not move it
    EXPECT_FALSE(sim::watchOutcome(run.p, *run.s, run.setup.model()));
    run.p.revealed = true;
    EXPECT_EQ(run.p.hiddenFrom(), 0);
    run.p.newRun();
    EXPECT_EQ(run.p.hideFrom, 0);
    EXPECT_FALSE(run.p.revealed);

    HeadOn off(sim::Interaction::Elastic);
    off.p.on = false;
    EXPECT_FALSE(off.runToTheOutcome(300));
    EXPECT_TRUE(off.s->collided);
}

// Elastic and sticking runs of one set-up differ only from the contact on:
// what may be shown of them is the same, field for field and sample for sample.
TEST(PredictionTest, NothingFromTheContactOnSurvivesTheMask)
{
    HeadOn elastic(sim::Interaction::Elastic), sticking(sim::Interaction::Inelastic);
    ASSERT_TRUE(elastic.runToTheOutcome());
    ASSERT_TRUE(sticking.runToTheOutcome());
    ASSERT_EQ(elastic.p.hideFrom, sticking.p.hideFrom);
    // at the hold the log already holds the outcome: velocities of the contact's tick
    const size_t h = static_cast<size_t>(elastic.p.hideFrom);
    ASSERT_NE(elastic.s->sampleLog.velocities[h].blackSpeed, sticking.s->sampleLog.velocities[h].blackSpeed);
    auto a = std::make_unique<sim::SimState>(*elastic.s), b = std::make_unique<sim::SimState>(*sticking.s);
    sim::maskOutcome(*a, elastic.p.hideFrom);
    sim::maskOutcome(*b, elastic.p.hideFrom);
    EXPECT_EQ(a->viewTick, elastic.p.hideFrom);
    EXPECT_EQ(a->timeLineEnd, elastic.p.hideFrom);
    EXPECT_FALSE(a->collided);
    for (auto f : {&sim::PuckState::x, &sim::PuckState::y, &sim::PuckState::speed, &sim::PuckState::direction}) {
        EXPECT_EQ(a->red.*f, b->red.*f);
        EXPECT_EQ(a->black.*f, b->black.*f);
    }
    EXPECT_EQ(a->red.speed, 5.0);
    for (size_t k = 1; k < a->sampleLog.velocities.size(); ++k) {
        const sim::VelocitySample &va = a->sampleLog.velocities[k], &vb = b->sampleLog.velocities[k];
        const sim::PositionSample &pa = a->sampleLog.positions[k], &pb = b->sampleLog.positions[k];
        ASSERT_TRUE(va.redSpeed == vb.redSpeed && va.blackSpeed == vb.blackSpeed && va.redDirection == vb.redDirection
                    && va.blackDirection == vb.blackDirection)
            << k;
        ASSERT_TRUE(pa.redX == pb.redX && pa.redY == pb.redY && pa.blackX == pb.blackX && pa.blackY == pb.blackY) << k;
    }
}

// Charges in reach of 50 px (2.5 cm): the pucks start 10 cm apart, untouched.
TEST(PredictionTest, ElectrostaticForcesAreHeldWhereTheyAreFirstFelt)
{
    HeadOn run(sim::Interaction::Elastic);
    run.setup.rules().chooseInteraction(sim::Interaction::Electrostatic, 50);
    ASSERT_TRUE(run.runToTheOutcome());
    EXPECT_GT(run.p.hideFrom, 20);
    EXPECT_EQ(run.s->sampleLog.velocities[static_cast<size_t>(run.p.hideFrom - 1)].redSpeed, 5.0);
    EXPECT_NE(sim::electrostaticImpulse(*run.s), 0.0);
}

TEST(PredictionTest, TheSpringIsHeldWhereItIsFirstPressed)
{
    HeadOn run(sim::Interaction::Elastic);
    run.setup.rules().chooseDimension(1);
    run.setup.rules().chooseSpring(3);
    ASSERT_EQ(run.s->interactionMode, sim::Interaction::Spring1D);
    ASSERT_TRUE(run.runToTheOutcome());
    const auto& c = run.s->sampleLog.compression;
    EXPECT_GT(c[static_cast<size_t>(run.p.hideFrom)], 0.0);
    for (int k = 1; k < run.p.hideFrom; ++k)
        ASSERT_EQ(c[static_cast<size_t>(k)], 0.0) << k;
}

// Equal masses head-on and elastic: red stops, black leaves at 5 cm/s.
TEST(PredictionTest, TheTableOfAHandWorkedPrediction)
{
    HeadOn run(sim::Interaction::Elastic);
    ASSERT_TRUE(run.runToTheOutcome());
    run.p.red = {0.0, 0.0, true};
    run.p.black = {6.0, 10.0, true};
    const sim::PredictionTable t = sim::predictionTable(run.p, *run.s, run.p.hideFrom);
    EXPECT_NEAR(t[sim::BlackSpeed].actual, 5.0, 1e-9);
    EXPECT_NEAR(t[sim::BlackSpeed].difference, 1.0, 1e-9);
    EXPECT_NEAR(t[sim::BlackDirection].difference, 10.0, 1e-6);
    EXPECT_NEAR(t[sim::BlackMomentum].difference, 2.0, 1e-9);
    EXPECT_NEAR(t[sim::RedSpeed].difference, 0.0, 1e-9);
    EXPECT_FALSE(t[sim::RedDirection].hasPredicted);   // a puck at rest has no direction
    EXPECT_FALSE(t[sim::RedDirection].hasActual);
    EXPECT_NEAR(t[sim::TotalMomentum].actual, 10.0, 1e-9);
    EXPECT_NEAR(t[sim::EnergyKept].actual, 100.0, 1e-7);
    EXPECT_NEAR(t[sim::EnergyKept].predicted, 144.0, 1e-9);
    // signed: a prediction that the red puck bounces back reads below zero
    run.p.red = {2.0, 180.0, true};
    const sim::PredictionTable b = sim::predictionTable(run.p, *run.s, run.p.hideFrom);
    EXPECT_NEAR(b[sim::RedVx].predicted, -2.0, 1e-12);
    EXPECT_NEAR(b[sim::RedVx].actual, 0.0, 1e-9);
    EXPECT_NEAR(b[sim::BlackVx].actual, 5.0 * std::cos(run.s->sampleLog.velocities[run.p.hideFrom].blackDirection),
                1e-12);
    EXPECT_NEAR(b[sim::BlackVx].predicted, 6.0 * std::cos(10.0 * M_PI / 180.0), 1e-12);
    EXPECT_NEAR(b[sim::BlackVy].predicted, 6.0 * std::sin(10.0 * M_PI / 180.0), 1e-12);
    run.p.red = {0.0, 0.0, true};

    // directions wrap: 350 predicted against 10 is 20 off, not 340
    run.p.black = {5.0, -10.0, true};
    sim::PredictionTable w = sim::predictionTable(run.p, *run.s, run.p.hideFrom);
    EXPECT_NEAR(w[sim::BlackDirection].difference, -10.0, 1e-6);
    run.p.red.given = false;
    w = sim::predictionTable(run.p, *run.s, run.p.hideFrom);
    EXPECT_FALSE(w[sim::RedSpeed].hasDifference());
    EXPECT_FALSE(w[sim::TotalMomentum].hasPredicted);
    EXPECT_TRUE(w[sim::BlackSpeed].hasDifference());
}
